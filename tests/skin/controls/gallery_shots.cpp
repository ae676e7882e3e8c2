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
