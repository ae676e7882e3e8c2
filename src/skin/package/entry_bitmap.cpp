#include "skin/package/entry_bitmap.h"

namespace aw::skin {

std::optional<std::string> BitmapEntryName(std::string_view value)
{
    const std::size_t separator = value.find_last_of("\\/:");
    const std::string_view fileName = separator == std::string_view::npos ? value : value.substr(separator + 1);
    if (fileName.empty())
        return std::nullopt;
    const std::size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos || fileName.substr(dot) != ".bmp")
        return std::nullopt;
    return std::string(fileName);
}

bool LoadEntryBitmap(PixelImage& bitmap, std::string_view value, const TSkinReader& reader, MemoryStream& scratch)
{
    bitmap.Clear();
    const std::optional<std::string> name = BitmapEntryName(value);
    if (!name)
        return false;
    reader.ExtractEntry(*name, scratch);
    if (scratch.Empty())
        return false;
    return DecodeBmp(scratch.Data(), scratch.Size(), bitmap);
}

}  // namespace aw::skin
