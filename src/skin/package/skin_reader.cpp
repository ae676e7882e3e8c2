#include "skin/package/skin_reader.h"

#include <new>

#include "skin/package/byte_order.h"
#include "skin/package/lzh.h"
#include "skin/package/skin_stream.h"
#include "skin/package/text_lines.h"

namespace aw::skin {

namespace {

constexpr std::size_t kHeaderSize = 16;

}  // namespace

std::int32_t OpaqueBlockSize(std::int32_t formatTag)
{
    for (const FormatTagInfo& info : kFormatTags) {
        if (info.formatTag == formatTag)
            return info.opaqueBlockSize;
    }
    return -1;
}

TSkinReader::TSkinReader(ShowMessageFn showMessage) : showMessage_(std::move(showMessage)) {}

void TSkinReader::Reset()
{
    formatTag_ = 0;
    nameListLength_ = 0;
    names_.clear();
    sizes_.clear();
    offsets_.clear();
    package_.clear();
    bodiesOffset_ = 0;
}

bool TSkinReader::LoadPackage(MemoryStream& compressed)
{
    Reset();
    compressed.Rewind();
    std::int32_t size = 0;
    if (!ReadCompressedSize(compressed.Data(), compressed.Size(), size))
        return false;
    if (size < 0 || size > kMaxPackageSize)
        return false;
    compressed.Seek(4);

    MemoryStream package;
    try {
        TLZH lzh;
        lzh.Decode(size, compressed, package);
        // The last match may run past the declared size; what lies beyond it is not package.
        package.Truncate(static_cast<std::size_t>(size));
    } catch (const std::bad_alloc&) {
        return false;
    }
    return LoadDecompressed(package.Release());
}

bool TSkinReader::LoadDecompressed(std::vector<std::uint8_t> package)
{
    Reset();
    if (package.size() < kHeaderSize)
        return false;
    formatTag_ = ReadInt32LE(package.data());
    const std::int32_t nameListLength = ReadInt32LE(package.data() + 4);

    const std::int32_t opaqueBlock = OpaqueBlockSize(formatTag_);
    if (opaqueBlock < 0) {
        if (showMessage_)
            showMessage_(kOlderSkinMessage);
        return false;
    }
    if (nameListLength < 0)
        return false;

    const std::size_t namesOffset = kHeaderSize + static_cast<std::size_t>(opaqueBlock);
    if (namesOffset > package.size() || static_cast<std::size_t>(nameListLength) > package.size() - namesOffset)
        return false;
    nameListLength_ = nameListLength;
    if (!ParseNameList(package, namesOffset) ||
        !ParseSizeTable(package, namesOffset + static_cast<std::size_t>(nameListLength))) {
        const std::int32_t tag = formatTag_;
        Reset();
        formatTag_ = tag;
        return false;
    }
    package_ = std::move(package);
    return true;
}

bool TSkinReader::ParseNameList(const std::vector<std::uint8_t>& package, std::size_t offset)
{
    const std::string_view text(reinterpret_cast<const char*>(package.data()) + offset,
                                static_cast<std::size_t>(nameListLength_));
    names_ = SplitLines(AsciiLower(text));
    return names_.size() <= kMaxPackageEntries;
}

bool TSkinReader::ParseSizeTable(const std::vector<std::uint8_t>& package, std::size_t offset)
{
    const std::size_t count = names_.size();
    if (offset > package.size() || 4 * count > package.size() - offset)
        return false;
    bodiesOffset_ = offset + 4 * count;
    const std::size_t available = package.size() - bodiesOffset_;

    std::size_t total = 0;
    sizes_.reserve(count);
    offsets_.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::int32_t size = ReadInt32LE(package.data() + offset + 4 * i);
        if (size < 0 || static_cast<std::size_t>(size) > available - total)
            return false;
        sizes_.push_back(size);
        offsets_.push_back(total);
        total += static_cast<std::size_t>(size);
    }
    return true;
}

void TSkinReader::CopyEntry(std::size_t index, MemoryStream& out) const
{
    out.Write(package_.data() + bodiesOffset_ + offsets_[index], static_cast<std::size_t>(sizes_[index]));
    out.Rewind();
}

bool TSkinReader::ExtractEntry(std::string_view name, MemoryStream& out) const
{
    out.Clear();
    const std::string wanted = AsciiLower(name);
    for (std::size_t i = 0; i < names_.size(); ++i) {
        if (names_[i] == wanted) {
            CopyEntry(i, out);
            return true;
        }
    }
    return false;
}

bool TSkinReader::ExtractEntryContaining(std::string_view text, MemoryStream& out, std::string& name) const
{
    out.Clear();
    name.clear();
    for (std::size_t i = 0; i < names_.size(); ++i) {
        if (names_[i].find(text) != std::string::npos) {
            CopyEntry(i, out);
            name = names_[i];
            return true;
        }
    }
    return false;
}

}  // namespace aw::skin
