// The elements a skin does not draw itself: the combo box's combined edge and button, the
// combo arrow, the title colour sample and the toolbar background.

#include <algorithm>

#include "skin/data/loader_steps.h"
#include "skin/draw/frame_geometry.h"
#include "skin/draw/gradient.h"

namespace aw::skin {

namespace {

constexpr int kComboCellWidth = 50;
constexpr int kComboCellHeight = 21;
constexpr int kArrowCell = 17;

void FillRect(PixelImage& image, const Rect& area, Colour colour)
{
    const Rect visible = Intersect(area, MakeRect(0, 0, image.width, image.height));
    for (int y = visible.top; y < visible.bottom; ++y)
        for (int x = visible.left; x < visible.right; ++x) image.Set(x, y, colour);
}

void DrawCentredPixels(PixelImage& target, const Rect& dest, const PixelImage& image, int frameCount, int frameIndex)
{
    if (image.Empty()) return;
    const DrawPlan plan = PlanCentred(FrameRect(image.width, image.height, frameCount, frameIndex, false), dest);
    if (plan.IsEmpty()) return;
    PixelImage buffer(plan.placement.Width(), plan.placement.Height());
    RenderPlan(image, plan, buffer);
    CopyOntoKeyed(target, buffer, plan.placement.left, plan.placement.top, kMagenta);
}

// Copies `source` (clipped to the image) to (x, y) of `target`; what lies outside the source
// image is left as it was.
void CopyBlock(PixelImage& target, int x, int y, const PixelImage& image, const Rect& source)
{
    const Rect inside = Intersect(source, MakeRect(0, 0, image.width, image.height));
    for (int sy = inside.top; sy < inside.bottom; ++sy)
        for (int sx = inside.left; sx < inside.right; ++sx) {
            const int tx = x + sx - source.left, ty = y + sy - source.top;
            if (target.Contains(tx, ty)) target.PixelAt(tx, ty) = image.PixelAt(sx, sy);
        }
}

// round(255 × saturation) of a plain colour, 200 for a dark one (no channel above 159).
int TitleSaturation(Colour c)
{
    const int r = RedOf(c), g = GreenOf(c), b = BlueOf(c);
    const int high = std::max({r, g, b}), low = std::min({r, g, b});
    if (high <= 159) return 200;
    return (255 * (high - low) * 2 + high) / (2 * high);
}

}  // namespace

void DrawFramePixels(PixelImage& target, const Rect& dest, const PixelImage& image, bool tileCentre, bool transparent,
                     int frameCount, int frameIndex, const Margins& margins)
{
    if (image.Empty()) return;
    const Rect frame = FrameRect(image.width, image.height, frameCount, frameIndex, false);
    const DrawPlan plan = PlanNinePart(frame, dest, margins, tileCentre);
    if (plan.IsEmpty()) return;
    PixelImage buffer(plan.placement.Width(), plan.placement.Height());
    RenderPlan(image, plan, buffer);
    if (transparent)
        CopyOntoKeyed(target, buffer, plan.placement.left, plan.placement.top, kMagenta);
    else
        CopyOnto(target, buffer, plan.placement.left, plan.placement.top);
}

void BuildCombinedComboImage(const LoadEnvironment& env, SkinModel& model)
{
    SkinModel::Object* sunk = model.Slot(SkinSlot::SunkEdge);
    SkinModel::Object* button = model.Slot(SkinSlot::ComboButton);
    if (!sunk || !button) return;
    const SkinModel::Object* extra = model.Slot(SkinSlot::ExtraImages);

    const int cells = sunk->FrameCount;
    const int w = env.hScrollWidth + 2;
    PixelImage strip(kComboCellWidth * cells, kComboCellHeight, kMagenta);
    for (int k = 0; k < cells; ++k) {
        const int x = kComboCellWidth * k;
        const Rect cell = MakeRect(x, 0, kComboCellWidth, kComboCellHeight);
        const Rect buttonArea{cell.right - w, 0, cell.right, kComboCellHeight};
        DrawFramePixels(strip, cell, sunk->image, sunk->Tile != 0, sunk->Trans != 0, sunk->FrameCount, k + 1,
                        sunk->GetMargins());
        DrawFramePixels(strip, buttonArea, button->image, button->Tile != 0, true, button->FrameCount, k + 1,
                        button->GetMargins());
        if (extra) DrawCentredPixels(strip, buttonArea, extra->image, extra->FrameCount, k + 1);
        // The field area stays transparent.
        FillRect(strip, Rect{x + 2, 2, x + kComboCellWidth - 1 - w, 18}, kMagenta);
    }

    Margins buttonMargins = sunk->GetMargins();
    buttonMargins.left = 2;
    buttonMargins.right = w + 2;
    button->Style = 2;
    button->SetMargins(buttonMargins);
    button->image = strip;

    MirrorHorizontally(strip);
    sunk->image = std::move(strip);
    sunk->LeftWidth = w + 2;
    sunk->RightWidth = 2;
}

void BuildComboArrow(const LoadEnvironment& env, SkinModel& model)
{
    auto& arrowSlot = model.slots[static_cast<std::size_t>(SkinSlot::ComboxArrow)];
    arrowSlot.reset();
    const SkinModel::Object* sunk = model.Slot(SkinSlot::SunkEdge);
    const SkinModel::Object* button = model.Slot(SkinSlot::ComboButton);
    if (!button) return;

    auto arrow = std::make_unique<SkinModel::Object>();
    arrow->Name = "ComboxArrow";
    if (!sunk) {
        arrow->image = button->image;
        ReplaceColour(arrow->image, kMagenta, ResolveColour(model.colours[csButtonFace], env.systemColour));
        arrow->FrameCount = button->FrameCount;
    } else if (button->Style == 2) {
        const int cells = sunk->FrameCount;
        const int f = button->image.width / cells;
        // Cells the button image cannot fill stay magenta rather than reading past the image.
        arrow->image = PixelImage(kArrowCell * cells, kArrowCell, kMagenta);
        for (int i = 1; i <= cells; ++i)
            CopyBlock(arrow->image, (i - 1) * kArrowCell, 0, button->image, Rect{i * f - 19, 2, i * f - 2, 19});
        arrow->FrameCount = cells;
    } else {
        return;
    }
    if (arrow->image.Empty()) return;
    arrowSlot = std::move(arrow);
}

Colour TitleColourSample(const SkinModel& model)
{
    const SkinModel::Border& top = model.borders[bsTop];
    if (top.image.Empty()) return model.colours[csButtonFace];
    const int frames = top.FrameCount < 1 ? 1 : top.FrameCount;
    return top.image.At(top.image.width / 3, (top.image.height / frames) / 3);
}

PixelImage ToolbarBackground(Colour buttonFace, Colour titleSample, SystemColourLookup lookup)
{
    const Colour t = ResolveColour(titleSample, lookup);
    const Colour top = Blend(buttonFace, kWhite, 150, lookup);
    Colour bottom = Blend(0x808080, t, 150, lookup);
    const int s = TitleSaturation(t);
    if (s > 110) bottom = Blend(t, kWhite, (5625 - 25 * s) / 140 + 50, lookup);

    PixelImage image(10, 40);
    const std::vector<Colour> lines = GradientColours(top, bottom, image.height);
    PaintGradient(image, MakeRect(0, 0, image.width, image.height), MakeRect(0, 0, image.width, image.height), lines,
                  true);
    return image;
}

void BuildToolbar(const LoadEnvironment& env, SkinModel& model)
{
    auto toolbar = std::make_unique<SkinModel::Object>();
    toolbar->Name = "Toolbar";
    toolbar->FrameCount = 1;
    toolbar->image = ToolbarBackground(model.colours[csButtonFace], model.titleColourSample, env.systemColour);
    model.slots[static_cast<std::size_t>(SkinSlot::Toolbar)] = std::move(toolbar);
}

}  // namespace aw::skin
