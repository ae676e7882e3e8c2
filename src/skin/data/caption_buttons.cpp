// Caption buttons: one per "BUTTON..." section, then the three buttons of a maximized MDI
// child, cut from one image.

#include "platform/text.h"
#include "skin/data/loader_steps.h"

namespace aw::skin {

namespace {

bool IsCaptionButtonSection(const std::string& upper)
{
    if (upper.compare(0, 6, "BUTTON") != 0) return false;
    return upper != "BUTTON" && upper != "BUTTONS" && upper != "BUTTON.RADIO" && upper != "BUTTON.CHECKBOX";
}

// The frame count of a button whose section gives none: 3 for an image up to 3.8 times as wide
// as it is high, else 6; always 6 for the decorative ones (Action < 0).
std::int32_t DefaultButtonFrames(const PixelImage& image, std::int32_t action)
{
    if (image.Empty() || action < 0) return 6;
    // width / height <= 3.8, in integers.
    return static_cast<long long>(image.width) * 5 <= static_cast<long long>(image.height) * 19 ? 3 : 6;
}

PixelImage CutColumns(const PixelImage& source, int left, int width)
{
    if (width <= 0 || left < 0 || left + width > source.width) return PixelImage{};
    PixelImage strip(width, source.height);
    for (int y = 0; y < source.height; ++y)
        for (int x = 0; x < width; ++x) strip.PixelAt(x, y) = source.PixelAt(left + x, y);
    return strip;
}

void AppendMdiButtons(const LoadContext& ctx, SkinModel& model)
{
    const std::string value = ctx.ini.ReadString("MDICONTROLS", "Image", "");
    const PixelImage image = value.empty() ? PixelImage{} : ctx.images(value);
    const int w = image.width / 12;  // twelve frames side by side, four per button
    for (int k = 0; k < 3; ++k) {
        auto button = std::make_unique<SkinModel::SysButton>();
        button->Name = "MDICONTROLS";
        button->Action = 7 + k;
        button->Align = 100;
        button->Visibility = 100;
        button->Visibility1 = 100;
        button->CombineOp = -1;
        button->FrameCount = kMdiButtonFrames;
        button->XCoord = (w + 4) * (3 - k);
        button->image = CutColumns(image, 4 * w * k, 4 * w);
        model.captionButtons.push_back(std::move(button));
    }
}

}  // namespace

void LoadCaptionButtons(const LoadContext& ctx, const std::vector<std::string>& sections, SkinModel& model)
{
    model.captionButtons.clear();
    bool haveMaximizePosition = false;
    std::int32_t maximizeX = 0, maximizeY = 0;

    for (const std::string& section : sections) {
        const std::string upper = AsciiUpper(section);
        if (!IsCaptionButtonSection(upper)) continue;
        const std::int32_t action = ctx.ini.ReadInteger(section, "Action", 0);
        // A decorative image (Action -1) is kept only when it is always shown.
        if (action == -1 && ctx.ini.ReadInteger(section, "Visibility", -1) != 0) continue;

        auto button = std::make_unique<SkinModel::SysButton>();
        button->Name = upper;
        button->Action = action;
        button->Align = ctx.ini.ReadInteger(section, "Align", 0);
        button->XCoord = ctx.ini.ReadInteger(section, "Xcoord", 0);
        button->YCoord = ctx.ini.ReadInteger(section, "Ycoord", 0);
        button->Visibility = ctx.ini.ReadInteger(section, "Visibility", 0);
        button->Visibility1 = ctx.ini.ReadInteger(section, "Visibility1", action == -1 ? -1 : 0);
        button->CombineOp = ctx.ini.ReadInteger(section, "CombineOp", -1);
        const std::int32_t frame = ctx.ini.ReadInteger(section, "frame", 0);
        const std::string value = ctx.ini.ReadString(section, "ButtonImage", "");
        if (!value.empty()) button->image = ctx.images(value);

        // The maximize button shown while not maximized lends its place to a later button that
        // takes over its slot (Action 4).
        if (action == 1 && button->Visibility == 2) {
            haveMaximizePosition = true;
            maximizeX = button->XCoord;
            maximizeY = button->YCoord;
        } else if (action == 4 && haveMaximizePosition) {
            button->XCoord = maximizeX;
            button->YCoord = maximizeY;
        }

        if (frame == 0) {
            button->FrameCount = DefaultButtonFrames(button->image, action);
            // The icon button draws the form's icon (Action 3) and Action 11 draws nothing.
            if (action == 3 || action == 11) button->image = PixelImage{};
        } else {
            button->FrameCount = frame;
        }
        model.captionButtons.push_back(std::move(button));
    }
    AppendMdiButtons(ctx, model);
}

}  // namespace aw::skin
