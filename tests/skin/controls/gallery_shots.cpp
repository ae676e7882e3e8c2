// gallery_shots <folder>: for each gallery window, its controls native (left) and skinned
// (right) in one picture, gallery-<group>.bmp.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "control_test_support.h"
#include "gallery.h"
#include "skin/draw/colour.h"
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
        const PixelImage native = Shoot(group, nullptr);
        const PixelImage skinned = Shoot(group, data.get());
        constexpr int kGap = 8;
        PixelImage sheet(native.width + kGap + skinned.width, std::max(native.height, skinned.height), 0xFFFFFF);
        for (int y = 0; y < native.height; ++y)
            for (int x = 0; x < native.width; ++x) sheet.Set(x, y, native.At(x, y));
        for (int y = 0; y < skinned.height; ++y)
            for (int x = 0; x < skinned.width; ++x) sheet.Set(native.width + kGap + x, y, skinned.At(x, y));
        if (!SaveBmp(sheet, std::string(argv[1]) + "\\gallery-" + test::GalleryGroupName(group) + ".bmp")) return 1;
    }
    return 0;
}
