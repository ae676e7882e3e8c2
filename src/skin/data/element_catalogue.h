#pragma once
// The element slots of a loaded skin and how each is loaded and how many frames it ends up
// with. The fixed elements (Buttons, Title, the four frame borders) and the caption buttons
// are not slots: the component owns them directly.

#include <cstddef>

namespace aw::skin {

enum class SkinSlot {
    Progress,
    ProgressChunk,
    MenuBar,
    GroupBoxEdge,
    GroupBox,
    Tabs,
    StatusBarEdges,
    TabPane,
    ToolBars,
    ComboButton,
    SunkEdge,
    ExtraImages,
    Headerbar,
    MenuItem,
    MenuBackground,
    Scrollbar,
    HorzScroll,
    VertScroll,
    HorzScrollThumb,
    VertScrollThumb,
    TrackbarThumbHorz,
    TrackbarThumbVert,
    TrackbarThumbLeft,
    TrackbarThumbRight,
    TrackbarThumbUp,
    TrackbarThumbDown,
    UpDownHorz,
    UpDownVert,
    Track,
    TrackVert,
    Toolbar,      // generated
    ComboxArrow,  // generated
    Count
};
inline constexpr std::size_t kSkinSlotCount = static_cast<std::size_t>(SkinSlot::Count);

enum class ElementLoader {
    Image,             // generic: "Image", margins, "Frame", colours
    TwoImage,          // generic plus a second image key, no "Frame"
    Progress,          // "Bitmap", no "Frame", no colours, Tile clamped to 1
    GroupBox,          // generic without "Frame", plus the background keys
    MenuBar,           // section "Personality", key "menuBar"
    ResourceFallback,  // generic, else the program's bitmap resource of the section's name
    Generated,         // built from other elements after loading
};

enum class FrameRule {
    Fixed,          // always `frames`
    AsRead,         // the "Frame" key as read
    AsReadOr5,      // as read, 5 when 0
    ProgressStyle,  // 1 when Style is nonzero, else 2
    FrameCountKey,  // "FrameCount" of the same section, default 3
    AsSource,       // whatever the generator gives it
};

struct ElementCatalogueRow {
    SkinSlot slot;
    const char* section;    // the section (and object name); "Personality" for the menu bar
    ElementLoader loader;
    const char* secondKey;  // the second image key of two-image elements
    FrameRule frameRule;
    int frames;             // for FrameRule::Fixed
};

// In load order: the slots that are loaded, then the generated ones.
extern const ElementCatalogueRow kElementCatalogue[kSkinSlotCount];

const ElementCatalogueRow& CatalogueRow(SkinSlot slot);

// Frame counts of the component's own elements.
inline constexpr int kButtonsFrames = 5;
inline constexpr int kTitleFrames = 2;
inline constexpr int kMdiButtonFrames = 4;

}  // namespace aw::skin
