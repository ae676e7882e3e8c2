#pragma once
// TSkinReader: decompresses a CompressedSkin into a SkinPackage, checks its FormatTag,
// indexes the named entries and copies single entries out.
//
// SkinPackage layout (signed 32-bit little-endian integers):
//   0        FormatTag
//   4        T, length of the name list in bytes
//   8        8 reserved bytes, never read
//   16       opaque block of B bytes (B depends on the FormatTag), skipped
//   16+B     name list: entry names separated by CR LF
//   16+B+T   one 32-bit size per name, in name order
//   ...      the entry bodies, concatenated in name order

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "skin/package/memory_stream.h"

namespace aw::skin {

// Shown when a package carries a FormatTag this reader does not know.
inline constexpr const char* kOlderSkinMessage = "This is Older Skin File\rPlease update to new version !";

// Hard limits that keep a damaged or hostile package from being loaded.
inline constexpr std::size_t kMaxPackageEntries = 1001;
inline constexpr std::int32_t kMaxPackageSize = 64 * 1024 * 1024;

struct FormatTagInfo {
    std::int32_t formatTag;
    std::int32_t opaqueBlockSize;
};

inline constexpr FormatTagInfo kFormatTags[] = {
    {20000, 0},
    {30000, 256},
    {40000, 80},
    {50000, 48},
    {60000, 117},
    {70000, 69},
};

// The opaque block size for a FormatTag, or -1 for an unknown tag.
std::int32_t OpaqueBlockSize(std::int32_t formatTag);

// Shows a message to the user. The reader never talks to the window system itself: the
// caller decides how (a message box in the program, a recording in tests).
using ShowMessageFn = std::function<void(const std::string& text)>;

class TSkinReader {
public:
    explicit TSkinReader(ShowMessageFn showMessage = nullptr);

    // Decompresses the whole CompressedSkin (read from the start of `compressed`) and loads
    // the package. Returns true for a package with a known FormatTag whose header, name list,
    // size table and entry bodies are all present and consistent. A package that is not
    // loadable leaves the reader empty.
    bool LoadPackage(MemoryStream& compressed);
    // The same for SkinPackage bytes that are already decompressed.
    bool LoadDecompressed(std::vector<std::uint8_t> package);

    // Copies the first entry whose name equals `name` (ASCII letters compared without case)
    // into `out`, which is cleared first and rewound afterwards. Returns whether one matched.
    bool ExtractEntry(std::string_view name, MemoryStream& out) const;
    // Copies the first entry whose lower-case name contains `text` (case-sensitive, so give
    // `text` in lower case) and returns its name in `name`.
    bool ExtractEntryContaining(std::string_view text, MemoryStream& out, std::string& name) const;

    // 0 until a header has been read. After an unknown tag it still holds that tag.
    std::int32_t FormatTag() const { return formatTag_; }
    std::int32_t NameListLength() const { return nameListLength_; }
    std::size_t EntryCount() const { return names_.size(); }
    // Entry names in package order, lower-cased.
    const std::vector<std::string>& EntryNames() const { return names_; }
    const std::vector<std::int32_t>& EntrySizes() const { return sizes_; }
    // Offset of the first entry body within the decompressed package.
    std::size_t BodiesOffset() const { return bodiesOffset_; }

private:
    void Reset();
    bool ParseNameList(const std::vector<std::uint8_t>& package, std::size_t offset);
    bool ParseSizeTable(const std::vector<std::uint8_t>& package, std::size_t offset);
    void CopyEntry(std::size_t index, MemoryStream& out) const;

    ShowMessageFn showMessage_;
    std::int32_t formatTag_ = 0;
    std::int32_t nameListLength_ = 0;
    std::vector<std::string> names_;
    std::vector<std::int32_t> sizes_;
    std::vector<std::size_t> offsets_;
    std::vector<std::uint8_t> package_;  // the whole decompressed package; bodies from bodiesOffset_
    std::size_t bodiesOffset_ = 0;
};

}  // namespace aw::skin
