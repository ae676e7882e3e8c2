#pragma once
// The skin's colour table: 19 named slots, each either defined by the skin or holding a
// default (usually a system colour, kept as 0xFF000000 plus its index and resolved when
// drawn), plus the colours of the "Colour..." sections and the ten custom colours.

#include <array>
#include <cstddef>
#include <vector>

#include "skin/draw/colour.h"
#include "skin/package/quick_ini.h"

namespace aw::skin {

enum ColourSlot {
    csWindowText = 0,
    csTitleTextActive = 1,
    csTitleTextNoActive = 2,
    csButtonFace = 3,
    csButtonText = 4,
    csButtonHilight = 5,
    csButtonlight = 6,
    csButtonShadow = 7,
    csButtonDkShadow = 8,
    // 9 and 10 are reserved: the skin never sets them.
    csHilightText = 11,
    csHilight = 12,
    csMenubar = 13,
    csMenuBarText = 14,
    csMenuText = 15,
    csMenu = 16,
    // 17 is reserved.
    csScrollbar = 18,
};
inline constexpr std::size_t kColourSlotCount = 19;

// The platform's system-colour indexes the defaults name.
enum SystemColourIndex {
    kColorScrollbar = 0,
    kColorMenu = 4,
    kColorWindowText = 8,
    kColorCaptionText = 9,
    kColorMenuText = 7,
    kColorHighlight = 13,
    kColorHighlightText = 14,
    kColorBtnFace = 15,
    kColorBtnShadow = 16,
    kColorBtnText = 18,
    kColorInactiveCaptionText = 19,
    kColorBtnHighlight = 20,
    kColor3dDkShadow = 21,
};

struct ColourTableRow {
    ColourSlot slot;
    const char* key;
    int systemDefault;  // system colour index, or -1 for "the ButtonFace value"
};

// Section "Colours", in load order (the order matters only for Menubar, whose default is the
// ButtonFace value loaded just before it).
extern const ColourTableRow kColourTable[16];

struct SkinColours {
    std::array<Colour, kColourSlotCount> values{};
    std::array<bool, kColourSlotCount> defined{};
    std::vector<Colour> sectionColours;  // one per "Colour..." section, in section order
    std::array<Colour, 10> customColours{};

    Colour operator[](ColourSlot slot) const { return values[slot]; }
};

// Loads the 16 slots of section "Colours" (the reserved ones keep their values), the
// "Colour..." sections among `sections`, and section "Customcolors".
void LoadSkinColours(const TQuickIni& ini, const std::vector<std::string>& sections, SkinColours& colours);

}  // namespace aw::skin
