// skinart: draws Ashwarden's skin bitmaps.
//
// Usage:
//   skinart <output folder>
//       Writes the skin's 34 bitmaps into the folder, named as the package names them. The
//       same program always writes the same bytes.
//   skinart --preview <output.bmp> <labels.txt>
//       Renders sample windows, a menu and controls drawn with the skin, for the contact sheet;
//       the captions they would carry go to the labels file, one "x y colour text" line each.

#include <cstdio>
#include <exception>
#include <fstream>
#include <string>
#include <vector>

#include "bmp_writer.h"
#include "preview.h"
#include "skin_images.h"

namespace {

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

int WriteBitmaps(const std::string& folder)
{
    for (const aw::skinart::SkinBitmap& bitmap : aw::skinart::SkinBitmaps()) {
        const std::string path = folder + "/" + bitmap.name;
        if (!WriteFile(path, aw::skinart::EncodeBmp(bitmap.draw()))) {
            std::fprintf(stderr, "skinart: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}

int WritePreview(const std::string& imagePath, const std::string& labelsPath)
{
    const aw::skinart::Preview preview = aw::skinart::RenderPreview();
    if (!WriteFile(imagePath, aw::skinart::EncodeBmp(preview.image))) {
        std::fprintf(stderr, "skinart: cannot write %s\n", imagePath.c_str());
        return 1;
    }
    std::ofstream labels(labelsPath, std::ios::trunc);
    for (const aw::skinart::Label& label : preview.labels) {
        char colour[8];
        std::snprintf(colour, sizeof colour, "#%02X%02X%02X", aw::skin::RedOf(label.colour),
                      aw::skin::GreenOf(label.colour), aw::skin::BlueOf(label.colour));
        labels << label.x << ' ' << label.y << ' ' << colour << ' ' << label.text << '\n';
    }
    if (!labels) {
        std::fprintf(stderr, "skinart: cannot write %s\n", labelsPath.c_str());
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        if (args.size() == 3 && args[0] == "--preview") return WritePreview(args[1], args[2]);
        if (args.size() == 1 && args[0].rfind("--", 0) != 0) return WriteBitmaps(args[0]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "skinart: %s\n", e.what());
        return 1;
    }
    std::fprintf(stderr, "usage: skinart <output folder>\n       skinart --preview <output.bmp> <labels.txt>\n");
    return 2;
}
