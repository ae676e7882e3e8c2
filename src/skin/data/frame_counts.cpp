// The last loading pass: every element's final frame count, once all images are in place.

#include "skin/data/loader_steps.h"

namespace aw::skin {

namespace {

// A frame count below 1 would make every frame zero pixels wide and a divisor of zero for the
// painters that split an image by it; such a skin value draws the whole image as one frame.
std::int32_t AtLeastOne(std::int32_t frames) { return frames < 1 ? 1 : frames; }

// Check and radio boxes whose frame count the skin leaves at 0: 13-pixel frames for images
// lower than 16 pixels, 16-pixel frames otherwise, and never fewer than 4 frames.
std::int32_t GuessBoxFrames(const PixelImage& image)
{
    const int frameWidth = image.height < 16 ? 13 : 16;
    const std::int32_t frames = image.width / frameWidth;
    return frames < 4 ? 4 : frames;
}

std::int32_t SlotFrames(const LoadContext& ctx, const ElementCatalogueRow& row, const ElementFields& e)
{
    switch (row.frameRule) {
    case FrameRule::Fixed: return row.frames;
    case FrameRule::AsRead: return e.FrameCount;
    case FrameRule::AsReadOr5: return e.FrameCount == 0 ? 5 : e.FrameCount;
    case FrameRule::ProgressStyle: return e.Style != 0 ? 1 : 2;
    case FrameRule::FrameCountKey: return ctx.ini.ReadInteger(row.section, "FrameCount", 3);
    case FrameRule::AsSource: return e.FrameCount;
    }
    return e.FrameCount;
}

}  // namespace

void FixFrameCounts(const LoadContext& ctx, SkinModel& model)
{
    for (const ElementCatalogueRow& row : kElementCatalogue) {
        if (row.loader == ElementLoader::Generated) continue;
        SkinModel::Object* e = model.Slot(row.slot);
        if (e) e->FrameCount = AtLeastOne(SlotFrames(ctx, row, *e));
    }

    SkinModel::Button& b = model.buttons;
    b.FrameCount = kButtonsFrames;
    if (b.RadioButtonFrame == 0) b.RadioButtonFrame = GuessBoxFrames(b.radioImage);
    if (b.CheckButtonFrame == 0) b.CheckButtonFrame = GuessBoxFrames(b.checkImage);
    b.RadioButtonFrame = AtLeastOne(b.RadioButtonFrame);
    b.CheckButtonFrame = AtLeastOne(b.CheckButtonFrame);

    model.title.FrameCount = kTitleFrames;
    for (SkinModel::Border& border : model.borders) border.FrameCount = AtLeastOne(border.FrameCount);
    for (auto& button : model.captionButtons) button->FrameCount = AtLeastOne(button->FrameCount);
}

}  // namespace aw::skin
