#pragma once
// The loaded skin over GDI bitmaps: the element objects the painters read.

#include "platform/gdi.h"
#include "skin/data/skin_model.h"

namespace aw::skin {

using TDataSkinObject = BasicSkinObject<UniqueBitmap>;
using TDataSkinBorder = BasicSkinBorder<UniqueBitmap>;
using TDataSkinButton = BasicSkinButton<UniqueBitmap>;
using TDataSkinTitle = BasicSkinTitle<UniqueBitmap>;
using TDataSkinSysButton = BasicSkinSysButton<UniqueBitmap>;
using TDataSkinBoxLabel = BasicSkinBoxLabel<UniqueBitmap>;
using GdiSkinModel = BasicSkinModel<UniqueBitmap>;

// Moves a loaded model into `target`, every image becoming a 32-bit top-down DIB section. The old
// objects of `target` are freed first; its reserved colour slots take the loaded values.
void ConvertToGdi(const SkinModel& loaded, GdiSkinModel& target);

// The program's bitmap resource of a name as pixels; empty when there is none.
PixelImage ResourceBitmapPixels(HINSTANCE module, const char* name);

}  // namespace aw::skin
