#pragma once
// Loading skin descriptions written in a test, with images made to order.

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "skin/data/model_loader.h"

namespace aw::skin::test {

// Images by value, as the description names them; anything else names no image.
class FakeImages {
public:
    PixelImage& Add(const std::string& value, int width, int height, Colour fill = 0x404040)
    {
        return images_[value] = PixelImage(width, height, fill);
    }
    ImageSource Source() const
    {
        return [this](std::string_view value) {
            auto it = images_.find(std::string(value));
            return it == images_.end() ? PixelImage{} : it->second;
        };
    }

private:
    std::map<std::string, PixelImage> images_;
};

inline Colour FakeSystemColour(int index) { return Rgb(index, index, index); }

inline SkinModel LoadFromText(const std::string& text, const FakeImages& images, LoadEnvironment env = {})
{
    if (!env.systemColour) env.systemColour = FakeSystemColour;
    TQuickIni ini;
    ini.LoadFromText(text);
    SkinModel model;
    LoadSkinModel(ini, images.Source(), env, model);
    return model;
}

// A file of the source tree, found through AW_SOURCE_DIR (under Wine the drive the harness
// maps the tree to).
inline std::vector<std::uint8_t> ReadSourceFile(const std::string& relative)
{
    std::string root = AW_SOURCE_ROOT;
    if (const char* given = std::getenv("AW_SOURCE_DIR"); given && *given) root = given;
    if (root.back() != '\\' && root.back() != '/') root += '/';
    std::ifstream in(root + relative, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace aw::skin::test
