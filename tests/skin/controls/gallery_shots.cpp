// gallery_shots <folder>: for each gallery window, its controls native (left) and skinned
// (right) in one picture, gallery-<group>.bmp, and the long combo box with its list dropped,
// gallery-dropped.bmp.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "control_test_support.h"
#include "gallery.h"
#include "skin/draw/colour.h"
#include "skin/draw/gdi_pixels.h"
#include "ui/application.h"

namespace {

using namespace aw;
using namespace aw::skin;
using test::SaveBmp;

PixelImage Shoot(test::GalleryGroup group, TSkinData* data)
{
    test::Gallery gallery(group);
    if (data) gallery.Skin(*data);
    gallery.SetStates();
    test::Pump();
    ::RedrawWindow(gallery.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    test::Pump();
    gallery.SetStates();
    return test::Capture(gallery.Handle());
}

// The long combo box of the lists gallery with its list dropped, as the screen shows them.
PixelImage ShootDropped(TSkinData* data)
{
    test::Gallery gallery(test::GalleryGroup::Lists);
    if (data) gallery.Skin(*data);
    HWND combo = gallery.Control("combo");
    ::SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
    test::Pump();
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    ::GetComboBoxInfo(combo, &info);
    RECT area{}, list{};
    ::GetWindowRect(combo, &area);
    ::GetWindowRect(info.hwndList, &list);
    ::UnionRect(&area, &area, &list);
    ::InflateRect(&area, 4, 4);
    Dib32 dib = CreateDib32(area.right - area.left, area.bottom - area.top);
    MemoryDC dc;
    {
        SelectedObject select(dc.Get(), dib.bitmap.Get());
        WindowDC screen(nullptr);
        ::BitBlt(dc.Get(), 0, 0, dib.width, dib.height, screen.Get(), area.left, area.top, SRCCOPY);
    }
    ::GdiFlush();
    PixelImage image(dib.width, dib.height);
    for (int i = 0; i < dib.width * dib.height; ++i) image.pixels[static_cast<std::size_t>(i)] = dib.bits[i] & 0xFFFFFF;
    ::SendMessageA(combo, CB_SHOWDROPDOWN, FALSE, 0);
    test::Pump();
    return image;
}

PixelImage SideBySide(const PixelImage& native, const PixelImage& skinned)
{
    constexpr int kGap = 8;
    PixelImage sheet(native.width + kGap + skinned.width, std::max(native.height, skinned.height), 0xFFFFFF);
    for (int y = 0; y < native.height; ++y)
        for (int x = 0; x < native.width; ++x) sheet.Set(x, y, native.At(x, y));
    for (int y = 0; y < skinned.height; ++y)
        for (int x = 0; x < skinned.width; ++x) sheet.Set(native.width + kGap + x, y, skinned.At(x, y));
    return sheet;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: gallery_shots <folder>\n");
        return 2;
    }
    ui::Application::Instance().Initialize();
    auto data = test::ShippedSkinData();
    test::AddGallerySkin3rd(*data);
    for (test::GalleryGroup group : test::kGalleryGroups) {
        const PixelImage sheet = SideBySide(Shoot(group, nullptr), Shoot(group, data.get()));
        if (!SaveBmp(sheet, std::string(argv[1]) + "\\gallery-" + test::GalleryGroupName(group) + ".bmp")) return 1;
    }
    if (!SaveBmp(SideBySide(ShootDropped(nullptr), ShootDropped(data.get())), std::string(argv[1]) + "\\gallery-dropped.bmp"))
        return 1;
    return 0;
}
