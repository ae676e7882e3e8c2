#include "skin_images.h"

namespace aw::skinart {

const std::vector<SkinBitmap>& SkinBitmaps()
{
    static const std::vector<SkinBitmap> bitmaps = {
        {"buttons.bmp", DrawButtons},
        {"checkbox.bmp", DrawCheckBox},
        {"radiobutton.bmp", DrawRadioButton},
        {"progress.bmp", DrawProgress},
        {"progresschunk.bmp", DrawProgressChunk},
        {"tab.bmp", DrawTab},
        {"tabsheet.bmp", DrawTabSheet},
        {"comboboxbtn.bmp", DrawComboButton},
        {"statusbar.bmp", DrawStatusBar},
        {"header.bmp", DrawHeader},
        {"scrollbararrow.bmp", DrawScrollArrows},
        {"scrollbarhthumb.bmp", DrawScrollHThumb},
        {"scrollbarvthumb.bmp", DrawScrollVThumb},
        {"scrollbarhbar.bmp", DrawScrollHBar},
        {"scrollbarvbar.bmp", DrawScrollVBar},
        {"menubackground.bmp", DrawMenuBackground},
        {"menuitem.bmp", DrawMenuItem},
        {"extraimages.bmp", DrawExtraImages},
        {"trackthumbh.bmp", DrawTrackThumbH},
        {"trackbot.bmp", DrawTrackBottom},
        {"mdibutton.bmp", DrawMdiButtons},
        {"spin.bmp", DrawSpin},
        {"spinarrow.bmp", DrawSpinArrow},
        {"spinh.bmp", DrawSpinH},
        {"spinharrow.bmp", DrawSpinHArrow},
        {"closebutton.bmp", DrawCloseButton},
        {"maxbutton.bmp", DrawMaxButton},
        {"minbutton.bmp", DrawMinButton},
        {"restrorebutton.bmp", DrawRestoreButton},
        {"frameleft.bmp", DrawFrameLeft},
        {"frameright.bmp", DrawFrameRight},
        {"frametop.bmp", DrawFrameTop},
        {"framebottom.bmp", DrawFrameBottom},
        {"mincaption.bmp", DrawMinCaption},
    };
    return bitmaps;
}

}  // namespace aw::skinart
