#include "skin/data/model_loader.h"

#include <algorithm>

#include "skin/data/loader_steps.h"

namespace aw::skin {

void LoadSkinModel(const TQuickIni& ini, const ImageSource& images, const LoadEnvironment& env, SkinModel& model)
{
    const LoadContext ctx{ini, images, env};

    std::vector<std::string> sections;
    ini.ReadSections(sections);
    model.skinName = ini.ReadString("TitlebarSkin", "SkinName", "");

    LoadFrameBorders(ctx, model);
    LoadSkinColours(ini, sections, model.colours);
    LoadCaptionButtons(ctx, sections, model);
    LoadButtons(ctx, model.colours, model);
    LoadTitle(ctx, model);

    for (auto& slot : model.slots) slot.reset();
    const Colour buttonText = model.colours[csButtonText];
    for (const ElementCatalogueRow& row : kElementCatalogue)
        model.slots[static_cast<std::size_t>(row.slot)] = LoadSlotElement(ctx, row, buttonText);
    if (SkinModel::Object* pane = model.Slot(SkinSlot::TabPane)) {
        pane->LeftWidth = std::min(pane->LeftWidth, 4);
        pane->TopHeight = std::min(pane->TopHeight, 4);
        pane->RightWidth = std::min(pane->RightWidth, 4);
        pane->BottomHeight = std::min(pane->BottomHeight, 4);
    }
    if (auto* combo = model.BorderSlot(SkinSlot::ComboButton)) {
        combo->image2 = combo->image;
        MirrorHorizontally(combo->image2);
    }

    ApplyResourceFallbacks(ctx, model);
    FixFrameCounts(ctx, model);

    BuildCombinedComboImage(env, model);
    BuildComboArrow(env, model);
    // The toolbar's gradient runs toward the title colour, so the sample is taken first: taken
    // after it, the first skin would blend toward whatever the sample held before loading.
    model.titleColourSample = TitleColourSample(model);
    BuildToolbar(env, model);
}

}  // namespace aw::skin
