#pragma once
// LoadEntryBitmap: how an element's image value in the skin description becomes a bitmap.

#include <optional>
#include <string>
#include <string_view>

#include "skin/package/bmp_image.h"
#include "skin/package/memory_stream.h"
#include "skin/package/skin_reader.h"

namespace aw::skin {

// The entry name an image value refers to: its file-name part (after the last "\", "/" or
// drive ":"), provided that ends in ".bmp" written in lower case. "Buttons.BMP" refers to no
// entry, even though ExtractEntry would find "buttons.bmp" for it.
std::optional<std::string> BitmapEntryName(std::string_view value);

// Loads the bitmap an image value refers to, using `scratch` for the extracted entry.
// `bitmap` is emptied when the value names no ".bmp" entry, the entry is missing or empty,
// or it is not a readable BMP. Returns whether a bitmap was loaded.
bool LoadEntryBitmap(PixelImage& bitmap, std::string_view value, const TSkinReader& reader, MemoryStream& scratch);

}  // namespace aw::skin
