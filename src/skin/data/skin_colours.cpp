#include "skin/data/skin_colours.h"

#include <cstdint>
#include <string>

#include "platform/text.h"
#include "skin/data/parse_colour.h"

namespace aw::skin {

const ColourTableRow kColourTable[16] = {
    {csWindowText, "WindowText", kColorWindowText},
    {csButtonFace, "ButtonFace", kColorBtnFace},
    {csScrollbar, "Scrollbar", kColorScrollbar},
    {csHilightText, "HilightText", kColorHighlightText},
    {csHilight, "Hilight", kColorHighlight},
    {csMenubar, "Menubar", -1},
    {csMenu, "Menu", kColorMenu},
    {csMenuText, "MenuText", kColorMenuText},
    {csButtonText, "ButtonText", kColorBtnText},
    {csButtonHilight, "ButtonHilight", kColorBtnHighlight},
    {csButtonlight, "Buttonlight", kColorBtnHighlight},
    {csButtonShadow, "ButtonShadow", kColorBtnShadow},
    {csButtonDkShadow, "ButtonDkShadow", kColor3dDkShadow},
    {csMenuBarText, "MenuBarText", kColorMenuText},
    {csTitleTextActive, "TitleTextActive", kColorCaptionText},
    {csTitleTextNoActive, "TitleTextNoActive", kColorInactiveCaptionText},
};

void LoadSkinColours(const TQuickIni& ini, const std::vector<std::string>& sections, SkinColours& colours)
{
    for (const ColourTableRow& row : kColourTable) {
        const std::string text = ini.ReadString("Colours", row.key, "");
        colours.defined[row.slot] = !text.empty();
        if (!text.empty())
            colours.values[row.slot] = ParseColour(text);
        else
            colours.values[row.slot] =
                row.systemDefault < 0 ? colours.values[csButtonFace] : SystemColour(row.systemDefault);
    }

    colours.sectionColours.clear();
    for (const std::string& section : sections) {
        const std::string upper = AsciiUpper(section);
        if (upper.compare(0, 6, "COLOUR") != 0 || upper == "COLOURS") continue;
        const std::string text = ini.ReadString(section, "color", "");
        colours.sectionColours.push_back(text.empty() ? SystemColour(kColorWindowText) : ParseColour(text));
    }

    for (int i = 0; i < 10; ++i) {
        colours.customColours[static_cast<std::size_t>(i)] = static_cast<Colour>(
            ini.ReadInteger("Customcolors", "Color" + std::to_string(i), static_cast<std::int32_t>(kWhite)));
    }
}

}  // namespace aw::skin
