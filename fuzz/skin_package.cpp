// Loads arbitrary bytes as a skin package. The first byte chooses the layer: even, the bytes
// are a CompressedSkin for LoadPackage; odd, an already decompressed SkinPackage (random
// bytes rarely decompress to a valid header, so this reaches the package parser directly).
// A loaded package has every entry extracted and decoded as a bitmap and its description read.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "skin/package/bmp_image.h"
#include "skin/package/byte_order.h"
#include "skin/package/quick_ini.h"
#include "skin/package/skin_reader.h"

using namespace aw::skin;

namespace {

void Check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

void ExerciseLoadedPackage(const TSkinReader& reader)
{
    MemoryStream entry;
    std::size_t total = 0;
    for (std::size_t i = 0; i < reader.EntryCount(); ++i) {
        reader.ExtractEntry(reader.EntryNames()[i], entry);
        Check(entry.Position() == 0);
        // A duplicate name extracts the first entry of that name.
        if (entry.Size() == static_cast<std::size_t>(reader.EntrySizes()[i])) {
            PixelImage image;
            if (DecodeBmp(entry.Data(), entry.Size(), image))
                Check(image.pixels.size() == static_cast<std::size_t>(image.width) * image.height);
        }
        total += static_cast<std::size_t>(reader.EntrySizes()[i]);
    }
    Check(total <= static_cast<std::size_t>(kMaxPackageSize));

    std::string name;
    if (reader.ExtractEntryContaining(".ini", entry, name)) {
        TQuickIni ini;
        ini.LoadFromStream(entry);
        std::vector<std::string> sections;
        ini.ReadSections(sections);
        for (const std::string& s : sections) {
            ini.ReadString(s, "Image", "");
            ini.ReadInteger(s, "LeftWidth", 0);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const bool decompressed = (data[0] & 1) != 0;
    ++data;
    --size;

    TSkinReader reader([](const std::string&) {});
    bool loaded = false;
    if (decompressed) {
        loaded = reader.LoadDecompressed(std::vector<std::uint8_t>(data, data + size));
    } else {
        // Large declared sizes only cost time (zero input decodes to garbage up to the size);
        // the refusal above the size limit is checked before decoding and tested elsewhere.
        if (size >= 4 && ReadInt32LE(data) > (1 << 16))
            return 0;
        MemoryStream compressed(data, size);
        loaded = reader.LoadPackage(compressed);
    }
    if (loaded)
        ExerciseLoadedPackage(reader);
    else
        Check(reader.EntryCount() == 0);
    return 0;
}
