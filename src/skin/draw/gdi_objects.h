#pragma once
// The GDI scope guards under the names the drawing code uses.
#include "platform/gdi.h"

namespace aw::skin {

using aw::GdiObject;
using Bitmap = GdiObject<HBITMAP>;
using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;
using Font = GdiObject<HFONT>;
using Region = GdiObject<HRGN>;
using aw::MemoryDC;
using aw::SelectedObject;
using aw::StretchMode;
using aw::WindowDC;

} // namespace aw::skin
