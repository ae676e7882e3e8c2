#pragma once
// The loaded skin over GDI bitmaps: the element objects the painters read.

#include "skin/data/skin_model.h"
#include "skin/draw/gdi_objects.h"

namespace aw::skin {

using TDataSkinObject = BasicSkinObject<Bitmap>;
using TDataSkinBorder = BasicSkinBorder<Bitmap>;
using TDataSkinButton = BasicSkinButton<Bitmap>;
using TDataSkinTitle = BasicSkinTitle<Bitmap>;
using TDataSkinSysButton = BasicSkinSysButton<Bitmap>;
using TDataSkinBoxLabel = BasicSkinBoxLabel<Bitmap>;
using GdiSkinModel = BasicSkinModel<Bitmap>;

// Moves a loaded model into `target`, every image becoming a 24-bit DIB section. The old
// objects of `target` are freed first; its reserved colour slots take the loaded values.
void ConvertToGdi(const SkinModel& loaded, GdiSkinModel& target);

// The program's bitmap resource of a name as pixels; empty when there is none.
PixelImage ResourceBitmapPixels(HINSTANCE module, const char* name);

}  // namespace aw::skin
