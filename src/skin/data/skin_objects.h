#pragma once
// The skin's element objects: an image cut into equal frames, the margins that stay unscaled
// when it is stretched, and a few colours. The loader builds them over plain pixel images
// (PixelImage); the window-system side holds the same objects over GDI bitmaps. Every field
// other than the images lives in a plain struct, so the two forms copy into each other field
// for field.

#include <cstdint>
#include <string>

#include "skin/draw/colour.h"
#include "skin/draw/rect.h"

namespace aw::skin {

// What a colour field holds when the skin does not give it.
inline constexpr std::int32_t kNoColour = -1;
// The title's text colours when the skin does not give all three components.
inline constexpr Colour kNoTitleTextColour = 0x1FFFFFFF;

struct ElementFields {
    std::int32_t LeftWidth = 0;
    std::int32_t TopHeight = 0;
    std::int32_t RightWidth = 0;
    std::int32_t BottomHeight = 0;
    std::int32_t Trans = 0;  // nonzero: magenta pixels are transparent
    std::int32_t Tile = 0;   // 0 stretch the centre, 1 tile it; a frame border's Stretch value
    std::string Name;        // the section name
    std::int32_t FrameCount = 0;
    std::int32_t Style = 0;
    std::int32_t NormalColour = kNoColour;
    std::int32_t MouseOverColour = kNoColour;
    std::int32_t PressedColour = kNoColour;
    Colour NormalColour2 = 0;
    Colour MouseOverColour2 = 0;
    Colour PressedColour2 = 0;

    Margins GetMargins() const { return Margins{LeftWidth, TopHeight, RightWidth, BottomHeight}; }
    void SetMargins(const Margins& m)
    {
        LeftWidth = m.left;
        TopHeight = m.top;
        RightWidth = m.right;
        BottomHeight = m.bottom;
    }
};

struct ButtonFields {
    std::int32_t RadioButtonFrame = 0;
    std::int32_t CheckButtonFrame = 0;
    bool HasNormalColour2 = false;
    bool HasMouseOverColour2 = false;
    bool HasPressedColour2 = false;
};

struct TitleFields {
    std::int32_t TextAlignment = 0;
    std::int32_t Textbackground = 0;
    std::int32_t FontHeight = 0;
    std::int32_t TXTBackleft = 0;
    std::int32_t TXTBackRight = 0;
    Colour ActiveTextColour = kNoTitleTextColour;
    Colour InactiveTextColour = kNoTitleTextColour;
};

struct SysButtonFields {
    std::int32_t Action = 0;
    std::int32_t Align = 0;
    std::int32_t XCoord = 0;
    std::int32_t YCoord = 0;
    std::int32_t CombineOp = 0;
    std::int32_t Visibility = 0;
    std::int32_t Visibility1 = 0;
};

struct BoxLabelFields {
    std::int32_t BackgroundLeftShift = 0;
    std::int32_t BackgroundRightShift = 0;
    std::int32_t BackgroundAlignment = 0;
};

// TDataSkinObject over an image type.
template <typename Image>
class BasicSkinObject : public ElementFields {
public:
    BasicSkinObject() = default;
    virtual ~BasicSkinObject() = default;
    BasicSkinObject(const BasicSkinObject&) = delete;
    BasicSkinObject& operator=(const BasicSkinObject&) = delete;
    BasicSkinObject(BasicSkinObject&&) = default;
    BasicSkinObject& operator=(BasicSkinObject&&) = default;

    Image image;
};

// TDataSkinBorder: a second image (a two-image element's second key, or a mirrored copy).
template <typename Image>
class BasicSkinBorder : public BasicSkinObject<Image> {
public:
    Image image2;
};

// TDataSkinButton: the push-button element with the check-box and radio-button images.
template <typename Image>
class BasicSkinButton : public BasicSkinObject<Image>, public ButtonFields {
public:
    Image checkImage;
    Image radioImage;
};

// TDataSkinTitle.
template <typename Image>
class BasicSkinTitle : public BasicSkinObject<Image>, public TitleFields {
};

// TDataSkinSysButton: a caption button.
template <typename Image>
class BasicSkinSysButton : public BasicSkinObject<Image>, public SysButtonFields {
};

// TDataSkinBoxLabel: the group box.
template <typename Image>
class BasicSkinBoxLabel : public BasicSkinObject<Image>, public BoxLabelFields {
};

}  // namespace aw::skin
