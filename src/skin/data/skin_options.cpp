#include "skin/data/skin_options.h"

namespace aw::skin {

const char* const kSkinControlTypeNames[kSkinControlTypeCount] = {
    "xcMainMenu",  "xcPopupMenu", "xcMenuItem",   "xcToolbar",       "xcControlbar", "xcCombo",
    "xcCheckBox",  "xcRadioButton", "xcProgress", "xcScrollbar",     "xcEdit",       "xcButton",
    "xcBitBtn",    "xcSpeedButton", "xcSpin",     "xcPanel",         "xcGroupBox",   "xcStatusBar",
    "xcTab",       "xcTrackBar",  "xcSystemMenu", "xcFastReport",
};

const char* const kSkinOptionNames[kSkinOptionCount] = {
    "xoMDIScrollbar",   "xoMenuMerge",   "xoTransparent",       "xoPreview",
    "xoParentBackGround", "xoNoFocusRect", "xoToolbarBK",       "xoToolbarButton",
    "xoMDIChildBorder", "xoMenuBG",      "xoCaptionButtonHint", "xoFormScrollbar",
};

const char* const kSkinFormTypeNames[4] = {"sfMainform", "sfOnlyThisForm", "sfDialog", "sfDLL"};

SkinControlSet ControlsAfterLoad(SkinControlSet controls, TSkinFormType formType, bool hasScrollBarInfo)
{
    if (!hasScrollBarInfo) controls.Exclude(xcScrollbar);
    if (formType == sfMainform) {
        if (controls.Contains(xcMainMenu))
            controls.Exclude(xcMenuItem);
        else
            controls.Exclude(xcSystemMenu);
    }
    return controls;
}

}  // namespace aw::skin
