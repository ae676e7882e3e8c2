#include "control_test_support.h"

#include <fstream>
#include <vector>

#include "skin/draw/colour.h"
#include "skin/controls/control_states.h"
#include "skin/data/skin_data_test_support.h"
#include "skin/draw/draw_primitives.h"
#include "skin/draw/gdi_pixels.h"
#include "ui/application.h"

namespace aw::skin::test {

std::unique_ptr<TSkinData> ShippedSkinData()
{
    auto data = std::make_unique<TSkinData>(nullptr, nullptr);
    data->SetMessageSink([](const std::string&) {});
    const auto property = ReadSourceFile("res/skin/ashwarden.skin");
    data->ReadSkinStream(property.data(), property.size());
    data->SkinControls = kMainWindowSkinControls;
    return data;
}

namespace {

PixelImage FromDib(const Dib32& dib)
{
    ::GdiFlush();
    PixelImage image(dib.width, dib.height);
    for (int i = 0; i < dib.width * dib.height; ++i) image.pixels[static_cast<std::size_t>(i)] = dib.bits[i] & 0xFFFFFF;
    return image;
}

template <typename DrawFn>
PixelImage Render(int width, int height, DrawFn draw)
{
    Dib32 dib = CreateDib32(width, height);
    MemoryDC dc;
    SelectedObject select(dc.Get(), dib.bitmap.Get());
    draw(dc.Get());
    return FromDib(dib);
}

// Pixels of `shown` and `expected` that differ inside `area`, leaving out `hole`.
int Differences(const PixelImage& shown, const PixelImage& expected, const RECT& area, const RECT& hole)
{
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) {
            const POINT p{x, y};
            if (::PtInRect(&hole, p)) continue;
            if (shown.Contains(x, y) && expected.Contains(x, y) && shown.At(x, y) != expected.At(x, y)) ++count;
        }
    return count;
}

}  // namespace

PixelImage Capture(HWND window)
{
    RECT client{};
    ::GetClientRect(window, &client);
    return Render(client.right, client.bottom, [&](HDC target) {
        WindowDC source(window);
        ::BitBlt(target, 0, 0, client.right, client.bottom, source.Get(), 0, 0, SRCCOPY);
    });
}

int ShownButtonFrame(HWND button, const TSkinData& data)
{
    const PixelImage shown = Capture(button);
    const TDataSkinButton& element = data.Skin().buttons;
    // The border only: the caption and focus rectangle lie inside it.
    const RECT all{0, 0, shown.width, shown.height};
    const RECT inside{4, 4, shown.width - 4, shown.height - 4};
    for (int frame = 1; frame <= 5; ++frame) {
        const PixelImage expected = Render(shown.width, shown.height, [&](HDC dc) {
            ::FillRect(dc, &all, data.ButtonFaceBrush());
            DrawElementFrame(dc, all, element.image.Get(), false, element.Tile != 0, element.Trans != 0, 5, frame,
                             element.GetMargins());
        });
        if (Differences(shown, expected, all, inside) == 0) return frame;
    }
    return 0;
}

int ShownCheckFrame(HWND box, const TSkinData& data, bool radio)
{
    const PixelImage shown = Capture(box);
    const TDataSkinButton& element = data.Skin().buttons;
    HBITMAP image = radio ? element.radioImage.Get() : element.checkImage.Get();
    const int frames = radio ? element.RadioButtonFrame : element.CheckButtonFrame;
    const SIZE size = BitmapSize(image);
    const CheckBoxLayout layout = LayOutCheckBox(shown.width, shown.height, size.cx / frames, size.cy, false);
    const RECT boxRect{layout.box.left, layout.box.top, layout.box.right, layout.box.bottom};
    const RECT all{0, 0, shown.width, shown.height};
    for (int frame = 1; frame <= frames; ++frame) {
        const PixelImage expected = Render(shown.width, shown.height, [&](HDC dc) {
            ::FillRect(dc, &all, data.ButtonFaceBrush());
            DrawStretchedFrame(dc, boxRect, image, true, frames, frame);
        });
        if (Differences(shown, expected, boxRect, RECT{}) == 0) return frame;
    }
    return 0;
}

PixelImage Drawn(int width, int height, const std::function<void(HDC)>& draw) { return Render(width, height, draw); }

int AreaDifferences(const PixelImage& shown, const RECT& area, const PixelImage& expected, int ring)
{
    int count = 0;
    for (int y = 0; y < expected.height; ++y)
        for (int x = 0; x < expected.width; ++x) {
            const bool edge = x < ring || y < ring || x >= expected.width - ring || y >= expected.height - ring;
            if (ring > 0 && !edge) continue;
            const int sx = area.left + x, sy = area.top + y;
            if (!shown.Contains(sx, sy) || shown.At(sx, sy) != expected.At(x, y)) ++count;
        }
    return count;
}

void Pump()
{
    for (int round = 0; round < 3; ++round) {
        ui::Application::Instance().ProcessMessages();
        ::Sleep(5);
    }
}

void PostClick(HWND window, int x, int y)
{
    ::PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    ::PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

RadioButton::RadioButton(std::string name, std::string caption) : WinControl(std::move(name), "TRadioButton")
{
    caption_ = std::move(caption);
}

HWND RadioButton::CreateWindowHandle(HWND parent)
{
    return ::CreateWindowExA(0, "BUTTON", caption_.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTORADIOBUTTON,
                             bounds_.Left, bounds_.Top, bounds_.Width, bounds_.Height, parent, nullptr,
                             ::GetModuleHandleA(nullptr), nullptr);
}

RadioGroup::RadioGroup(std::string name, std::string caption) : WinControl(std::move(name), "TRadioGroup")
{
    caption_ = std::move(caption);
}

HWND RadioGroup::CreateWindowHandle(HWND parent)
{
    ui::EnsureWindowClass("TRadioGroup");
    return ::CreateWindowExA(WS_EX_CONTROLPARENT, "TRadioGroup", caption_.c_str(),
                             WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, bounds_.Left, bounds_.Top, bounds_.Width,
                             bounds_.Height, parent, nullptr, ::GetModuleHandleA(nullptr), nullptr);
}

bool SaveBmp(const PixelImage& image, const std::string& path)
{
    const int rowBytes = (image.width * 3 + 3) & ~3;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = image.width;
    info.biHeight = image.height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biSizeImage = static_cast<DWORD>(rowBytes * image.height);
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + info.biSizeImage;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    std::vector<unsigned char> row(static_cast<size_t>(rowBytes));
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const Colour c = image.At(x, y);
            row[static_cast<size_t>(x) * 3] = static_cast<unsigned char>(BlueOf(c));
            row[static_cast<size_t>(x) * 3 + 1] = static_cast<unsigned char>(GreenOf(c));
            row[static_cast<size_t>(x) * 3 + 2] = static_cast<unsigned char>(RedOf(c));
        }
        out.write(reinterpret_cast<const char*>(row.data()), rowBytes);
    }
    return static_cast<bool>(out);
}

}  // namespace aw::skin::test
