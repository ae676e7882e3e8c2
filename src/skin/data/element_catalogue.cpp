#include "skin/data/element_catalogue.h"

namespace aw::skin {

using L = ElementLoader;
using F = FrameRule;

const ElementCatalogueRow kElementCatalogue[kSkinSlotCount] = {
    {SkinSlot::Progress, "Progress", L::Progress, nullptr, F::ProgressStyle, 0},
    {SkinSlot::ProgressChunk, "Progress.Chunk", L::Image, nullptr, F::AsRead, 0},
    {SkinSlot::MenuBar, "Personality", L::MenuBar, nullptr, F::Fixed, 2},
    {SkinSlot::GroupBoxEdge, "GroupBoxEdge", L::Image, nullptr, F::Fixed, 2},
    {SkinSlot::GroupBox, "GroupBox", L::GroupBox, nullptr, F::Fixed, 1},
    {SkinSlot::Tabs, "Tabs", L::TwoImage, "Border", F::Fixed, 5},
    {SkinSlot::StatusBarEdges, "StatusBarEdges", L::Image, nullptr, F::Fixed, 3},
    {SkinSlot::TabPane, "Tab.Pane", L::Image, nullptr, F::Fixed, 1},
    {SkinSlot::ToolBars, "ToolBars", L::Image, nullptr, F::Fixed, 5},
    {SkinSlot::ComboButton, "ComboButton", L::TwoImage, "****", F::Fixed, 4},
    {SkinSlot::SunkEdge, "SunkEdge", L::Image, nullptr, F::Fixed, 4},
    {SkinSlot::ExtraImages, "ExtraImages", L::Image, nullptr, F::Fixed, 5},
    {SkinSlot::Headerbar, "Headerbar", L::Image, nullptr, F::AsReadOr5, 0},
    {SkinSlot::MenuItem, "MenuItem", L::Image, nullptr, F::Fixed, 5},
    {SkinSlot::MenuBackground, "MenuBackground", L::Image, nullptr, F::Fixed, 1},
    {SkinSlot::Scrollbar, "Scrollbar", L::Image, nullptr, F::Fixed, 23},
    {SkinSlot::HorzScroll, "HorzScroll", L::Image, nullptr, F::Fixed, 4},
    {SkinSlot::VertScroll, "VertScroll", L::Image, nullptr, F::Fixed, 4},
    {SkinSlot::HorzScrollThumb, "HorzScrollThumb", L::Image, nullptr, F::FrameCountKey, 0},
    {SkinSlot::VertScrollThumb, "VertScrollThumb", L::Image, nullptr, F::FrameCountKey, 0},
    {SkinSlot::TrackbarThumbHorz, "Trackbar.ThumbHorz", L::Image, nullptr, F::Fixed, 5},
    {SkinSlot::TrackbarThumbVert, "Trackbar.ThumbVert", L::Image, nullptr, F::Fixed, 5},
    {SkinSlot::TrackbarThumbLeft, "Trackbar.ThumbLeft", L::Image, nullptr, F::Fixed, 5},
    {SkinSlot::TrackbarThumbRight, "Trackbar.ThumbRight", L::Image, nullptr, F::Fixed, 5},
    {SkinSlot::TrackbarThumbUp, "Trackbar.ThumbUp", L::Image, nullptr, F::Fixed, 5},
    {SkinSlot::TrackbarThumbDown, "Trackbar.ThumbDown", L::Image, nullptr, F::Fixed, 5},
    {SkinSlot::UpDownHorz, "UpDown.Horz", L::TwoImage, "GlyphImage", F::Fixed, 8},
    {SkinSlot::UpDownVert, "UpDown.Vert", L::TwoImage, "GlyphImage", F::Fixed, 8},
    {SkinSlot::Track, "Track", L::ResourceFallback, nullptr, F::AsRead, 0},
    {SkinSlot::TrackVert, "TRACKVERT", L::ResourceFallback, nullptr, F::AsRead, 0},
    {SkinSlot::Toolbar, "Toolbar", L::Generated, nullptr, F::Fixed, 1},
    {SkinSlot::ComboxArrow, "ComboxArrow", L::Generated, nullptr, F::AsSource, 0},
};

const ElementCatalogueRow& CatalogueRow(SkinSlot slot) { return kElementCatalogue[static_cast<std::size_t>(slot)]; }

}  // namespace aw::skin
