#pragma once
// The steps of the load sequence, one per element family.

#include <memory>
#include <string>
#include <vector>

#include "skin/data/model_loader.h"

namespace aw::skin {

struct LoadContext {
    const TQuickIni& ini;
    const ImageSource& images;
    const LoadEnvironment& env;
};

// Frame borders, title and push buttons: the component's own elements, reloaded in place.
void LoadFrameBorders(const LoadContext& ctx, SkinModel& model);
void LoadTitle(const LoadContext& ctx, SkinModel& model);
void LoadButtons(const LoadContext& ctx, const SkinColours& colours, SkinModel& model);

// One slot of the element catalogue; null when the element has no image.
std::unique_ptr<SkinModel::Object> LoadSlotElement(const LoadContext& ctx, const ElementCatalogueRow& row,
                                                   Colour buttonText);

// Caption buttons from the "BUTTON..." sections, then the three MDI buttons.
void LoadCaptionButtons(const LoadContext& ctx, const std::vector<std::string>& sections, SkinModel& model);

// Replaces an empty Track or TRACKVERT with the program's bitmap resource of that name.
void ApplyResourceFallbacks(const LoadContext& ctx, SkinModel& model);

// Sets every slot's final frame count, and the push buttons' check and radio frame counts.
void FixFrameCounts(const LoadContext& ctx, SkinModel& model);

// The generated elements, in this order.
void BuildCombinedComboImage(const LoadEnvironment& env, SkinModel& model);
void BuildComboArrow(const LoadEnvironment& env, SkinModel& model);
Colour TitleColourSample(const SkinModel& model);
PixelImage ToolbarBackground(Colour buttonFace, Colour titleSample, SystemColourLookup lookup);
void BuildToolbar(const LoadEnvironment& env, SkinModel& model);

// Nine-part drawing of one frame onto a pixel image, as DrawElementFrame does on a device.
void DrawFramePixels(PixelImage& target, const Rect& dest, const PixelImage& image, bool tileCentre,
                     bool transparent, int frameCount, int frameIndex, const Margins& margins);

}  // namespace aw::skin
