#pragma once
// A picture of the skin in use: two windows (one active, one not), a popup menu and the
// controls, assembled from the skin's bitmaps with the engine's own drawing plans. Text is
// returned as labels for the caller to typeset.

#include <string>
#include <vector>

#include "skin/draw/pixel_image.h"

namespace aw::skinart {

struct Label {
    int x = 0;  // top-left corner of the text
    int y = 0;
    skin::Colour colour = 0;
    std::string text;
};

struct Preview {
    skin::PixelImage image;
    std::vector<Label> labels;
};

Preview RenderPreview();

}  // namespace aw::skinart
