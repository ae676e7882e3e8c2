// winshot: takes pictures of the program's windows for the documentation and for looking at
// them. It drives a running Ashwarden through its controls, as a user would, and copies each
// window from the screen into a BMP file.
//
//   winshot main <out.bmp>              the main window
//   winshot settings <page> <out.bmp>   opens the settings window, shows page <page> (0-3)
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

HWND WaitForWindow(const char* className)
{
    for (int i = 0; i < 200; ++i) {
        HWND window = FindWindowA(className, nullptr);
        if (window && IsWindowVisible(window))
            return window;
        Sleep(50);
    }
    return nullptr;
}

struct ChildSearch {
    const char* ClassName;
    const char* Text;
    HWND Found;
};

BOOL CALLBACK MatchChild(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<ChildSearch*>(data);
    char className[64] = {}, text[128] = {};
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, text, sizeof text);
    if (lstrcmpiA(className, search->ClassName) == 0 && (!search->Text || lstrcmpA(text, search->Text) == 0)) {
        search->Found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindChild(HWND parent, const char* className, const char* text)
{
    ChildSearch search{className, text, nullptr};
    EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

bool SaveWindow(HWND window, const char* path)
{
    RECT area;
    GetWindowRect(window, &area);
    int width = area.right - area.left, height = area.bottom - area.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    SelectObject(memory, old);
    int stride = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + stride * height;
    bool ok = false;
    if (FILE* out = std::fopen(path, "wb")) {
        ok = std::fwrite(&file, sizeof file, 1, out) == 1 &&
             std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out) == 1 &&
             std::fwrite(bits, static_cast<size_t>(stride) * height, 1, out) == 1;
        std::fclose(out);
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        return 2;
    std::string what = argv[1];
    HWND main = WaitForWindow("TForm1");
    if (!main)
        return 3;
    if (what == "main") {
        SetForegroundWindow(main);
        Sleep(500);
        return SaveWindow(main, argv[2]) ? 0 : 4;
    }
    if (what != "settings" || argc < 4)
        return 2;
    HWND settings = FindWindowA("TForm2", nullptr);
    if (!settings || !IsWindowVisible(settings)) {
        HWND button = FindChild(main, "Button", "Settings");
        if (!button)
            return 5;
        PostMessageA(button, BM_CLICK, 0, 0);
        settings = WaitForWindow("TForm2");
        if (!settings)
            return 6;
    }
    int page = std::atoi(argv[2]);
    HWND tabs = FindChild(settings, WC_TABCONTROLA, nullptr);
    if (!tabs)
        return 7;
    // Move to the page with the arrow keys, as a user would: the control then tells the window,
    // which shows the page's sheet. (Messages carrying pointers do not cross processes.)
    int current = static_cast<int>(SendMessageA(tabs, TCM_GETCURSEL, 0, 0));
    for (; current < page; ++current)
        SendMessageA(tabs, WM_KEYDOWN, VK_RIGHT, 0);
    for (; current > page; --current)
        SendMessageA(tabs, WM_KEYDOWN, VK_LEFT, 0);
    SetForegroundWindow(settings);
    Sleep(500);
    return SaveWindow(settings, argv[3]) ? 0 : 4;
}
