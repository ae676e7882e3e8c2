// winshot: takes pictures of the program's windows for the documentation and for looking at
// them. It drives a running Ashwarden through its controls, as a user would, and copies each
// window from the screen into a BMP file.
//
//   winshot main <out.bmp>              the main window
//   winshot treeend <out.bmp>           the main window with its tree scrolled to the end (and
//                                       back to the top afterwards)
//   winshot settings <page> <out.bmp>   opens the settings window, shows page <page> (0-3)
//   winshot sysmenu <out.bmp>           the main window with its system menu open
//   winshot treemenu <out.bmp>          the main window with the tree's context menu open
//   winshot message <out.bmp>           unticks everything and clicks Clean: the message box
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

bool SaveArea(const RECT& area, const char* path)
{
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

bool SaveWindow(HWND window, const char* path)
{
    RECT area;
    GetWindowRect(window, &area);
    return SaveArea(area, path);
}

// The menu window that opens, waited for.
HWND WaitForMenu()
{
    for (int i = 0; i < 100; ++i) {
        HWND menu = FindWindowA("#32768", nullptr);
        if (menu && IsWindowVisible(menu))
            return menu;
        Sleep(50);
    }
    return nullptr;
}

// The main window and an open menu together.
bool SaveWithMenu(HWND main, HWND menu, const char* path)
{
    RECT a, b, both;
    GetWindowRect(main, &a);
    GetWindowRect(menu, &b);
    UnionRect(&both, &a, &b);
    return SaveArea(both, path);
}

// Keys reach an open menu through the queue of the thread that tracks it.
void MenuKey(HWND menu, WPARAM key)
{
    PostMessageA(menu, WM_KEYDOWN, key, 0);
    PostMessageA(menu, WM_KEYUP, key, 0);
    Sleep(150);
}

HWND OpenTreeMenu(HWND main)
{
    HWND tree = FindChild(main, WC_TREEVIEWA, nullptr);
    if (!tree)
        return nullptr;
    RECT r;
    GetWindowRect(tree, &r);
    PostMessageA(tree, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(tree), MAKELPARAM(r.left + 60, r.top + 40));
    return WaitForMenu();
}

int MenuShots(const std::string& what, HWND main, const char* out)
{
    SetForegroundWindow(main);
    Sleep(300);
    if (what == "sysmenu") {
        PostMessageA(main, WM_SYSCOMMAND, SC_KEYMENU, ' ');
        HWND menu = WaitForMenu();
        if (!menu)
            return 8;
        // The first item of a restored window is disabled; the second shows the highlight.
        MenuKey(menu, VK_DOWN);
        MenuKey(menu, VK_DOWN);
        Sleep(300);
        bool ok = SaveWithMenu(main, menu, out);
        MenuKey(menu, VK_ESCAPE);
        return ok ? 0 : 4;
    }
    if (what == "treemenu") {
        HWND menu = OpenTreeMenu(main);
        if (!menu)
            return 8;
        MenuKey(menu, VK_DOWN);
        MenuKey(menu, VK_DOWN);
        Sleep(300);
        bool ok = SaveWithMenu(main, menu, out);
        MenuKey(menu, VK_ESCAPE);
        return ok ? 0 : 4;
    }
    // Every ticked category is unticked with the space bar, as a user would; then Clean finds
    // nothing ticked. (Item handles and states cross processes; item structures do not.)
    HWND tree = FindChild(main, WC_TREEVIEWA, nullptr);
    if (!tree)
        return 5;
    for (LRESULT group = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0); group;
         group = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, group)) {
        for (LRESULT item = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CHILD, group); item;
             item = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, item)) {
            const LRESULT state = SendMessageA(tree, TVM_GETITEMSTATE, item, TVIS_STATEIMAGEMASK);
            if ((state >> 12) != 2)
                continue;
            SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, item);
            SendMessageA(tree, WM_KEYDOWN, VK_SPACE, 0);
            SendMessageA(tree, WM_KEYUP, VK_SPACE, 0);
        }
    }
    Sleep(300);
    HWND clean = FindChild(main, "Button", "Clean");
    if (!clean)
        return 5;
    PostMessageA(clean, BM_CLICK, 0, 0);
    HWND box = WaitForWindow("#32770");
    if (!box)
        return 9;
    Sleep(800);
    bool ok = SaveWindow(box, out);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    return ok ? 0 : 4;
}

// "Preview..." from the tree's menu (its last item), with the first category opened.
int PreviewShot(HWND main, const char* out)
{
    SetForegroundWindow(main);
    Sleep(300);
    HWND menu = OpenTreeMenu(main);
    if (!menu)
        return 8;
    MenuKey(menu, VK_UP); // from nothing highlighted, the last item
    const DWORD chosen = GetTickCount();
    MenuKey(menu, VK_RETURN);
    HWND preview = nullptr;
    for (int i = 0; i < 1200 && !preview; ++i) {  // large previews: up to a minute
        HWND found = FindWindowA("TPreviewForm", nullptr);
        if (found && IsWindowVisible(found))
            preview = found;
        else
            Sleep(50);
    }
    if (!preview)
        return 9;
    // How long the user waits: from the menu choice to a window that shows and answers, and
    // to the complete list (its Clean button is enabled once the list is there).
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(preview, WM_NULL, 0, 0, SMTO_BLOCK, 60000, &answer);
    const DWORD shown = GetTickCount();
    HWND clean = FindChild(preview, "Button", "Clean");
    for (int i = 0; i < 2400 && clean && !IsWindowEnabled(clean); ++i)
        Sleep(50);
    const DWORD complete = GetTickCount();
    if (FILE* timing = std::fopen((std::string(out) + ".txt").c_str(), "w")) {
        std::fprintf(timing, "preview window shown and answering %.2f s after the menu choice, list complete after %.2f s\n",
                     (shown - chosen) / 1000.0, (complete - chosen) / 1000.0);
        std::fclose(timing);
    }
    HWND list = FindChild(preview, WC_LISTVIEWA, nullptr);
    if (list) {
        // A click on the first row opens its category.
        PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 28));
        PostMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(40, 28));
    }
    SetForegroundWindow(preview);
    Sleep(1000);
    bool ok = SaveWindow(preview, out);
    PostMessageA(preview, WM_CLOSE, 0, 0);
    return ok ? 0 : 4;
}

// The main window during a Clean, the status bar following the run. The first-run question
// is answered No.
int ProgressShot(HWND main, const char* out)
{
    SetForegroundWindow(main);
    Sleep(300);
    HWND clean = FindChild(main, "Button", "Clean");
    if (!clean)
        return 5;
    PostMessageA(clean, BM_CLICK, 0, 0);
    // The first-run question, when the prefix has not been cleaned before.
    Sleep(400);
    HWND box = FindWindowA("#32770", nullptr);
    if (box && IsWindowVisible(box)) {
        PostMessageA(box, WM_COMMAND, IDNO, 0);
        Sleep(700);
    }
    return SaveWindow(main, out) ? 0 : 4;
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
    if (what == "treeend") {
        HWND tree = FindChild(main, WC_TREEVIEWA, nullptr);
        if (!tree)
            return 5;
        SendMessageA(tree, WM_VSCROLL, SB_BOTTOM, 0);
        SetForegroundWindow(main);
        Sleep(500);
        const bool saved = SaveWindow(main, argv[2]);
        SendMessageA(tree, WM_VSCROLL, SB_TOP, 0);
        return saved ? 0 : 4;
    }
    if (what == "preview")
        return PreviewShot(main, argv[2]);
    if (what == "progress")
        return ProgressShot(main, argv[2]);
    if (what == "sysmenu" || what == "treemenu" || what == "message")
        return MenuShots(what, main, argv[2]);
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
