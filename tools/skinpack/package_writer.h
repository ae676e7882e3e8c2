#pragma once
// Builds a SkinPackage (the decompressed container of named entries) from entries in order.

#include <cstdint>
#include <string>
#include <vector>

namespace aw::skinpack {

struct PackageEntry {
    std::string name;                 // a file name without a path
    std::vector<std::uint8_t> body;
};

inline constexpr std::int32_t kWrittenFormatTag = 70000;
inline constexpr std::int32_t kWrittenOpaqueBlockSize = 69;

// Header (FormatTag 70000, name-list length, 8 zero bytes), a zero-filled 69-byte opaque
// block, the names each followed by CR LF, one 32-bit size per entry and the bodies.
// Throws std::invalid_argument for an empty name, a name with a line break or NUL, more
// entries than a reader accepts, or a package above the reader's size limit.
std::vector<std::uint8_t> BuildSkinPackage(const std::vector<PackageEntry>& entries);

// What makes a list of entries unfit to be a skin: a name used twice (letter case aside),
// not exactly one entry whose name contains ".ini" (the skin description), or a ".bmp" entry
// that is not a readable bitmap. Empty when the entries are fine.
std::string SkinEntriesProblem(const std::vector<PackageEntry>& entries);

}  // namespace aw::skinpack
