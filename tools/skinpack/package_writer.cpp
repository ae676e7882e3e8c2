#include "package_writer.h"

#include <stdexcept>

#include "skin/package/bmp_image.h"
#include "skin/package/byte_order.h"
#include "skin/package/skin_reader.h"
#include "skin/package/text_lines.h"

namespace aw::skinpack {

namespace {

void AppendInt32(std::vector<std::uint8_t>& out, std::int32_t value)
{
    std::uint8_t bytes[4];
    aw::skin::WriteInt32LE(bytes, value);
    out.insert(out.end(), bytes, bytes + 4);
}

void CheckEntries(const std::vector<PackageEntry>& entries)
{
    if (entries.size() > aw::skin::kMaxPackageEntries)
        throw std::invalid_argument("too many entries for one skin package");
    for (const PackageEntry& e : entries) {
        if (e.name.empty() || e.name.find_first_of(std::string("\r\n\0", 3)) != std::string::npos)
            throw std::invalid_argument("unusable entry name \"" + e.name + "\"");
    }
}

}  // namespace

std::vector<std::uint8_t> BuildSkinPackage(const std::vector<PackageEntry>& entries)
{
    CheckEntries(entries);
    std::string names;
    std::uint64_t total = 0;
    for (const PackageEntry& e : entries) {
        names += e.name;
        names += "\r\n";
        total += e.body.size();
    }
    total += 16 + kWrittenOpaqueBlockSize + names.size() + 4 * entries.size();
    if (total > static_cast<std::uint64_t>(aw::skin::kMaxPackageSize))
        throw std::invalid_argument("skin package larger than a reader accepts");

    std::vector<std::uint8_t> out;
    out.reserve(static_cast<std::size_t>(total));
    AppendInt32(out, kWrittenFormatTag);
    AppendInt32(out, static_cast<std::int32_t>(names.size()));
    out.insert(out.end(), 8, 0);
    out.insert(out.end(), kWrittenOpaqueBlockSize, 0);
    out.insert(out.end(), names.begin(), names.end());
    for (const PackageEntry& e : entries)
        AppendInt32(out, static_cast<std::int32_t>(e.body.size()));
    for (const PackageEntry& e : entries)
        out.insert(out.end(), e.body.begin(), e.body.end());
    return out;
}

std::string SkinEntriesProblem(const std::vector<PackageEntry>& entries)
{
    int descriptions = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string lowered = aw::AsciiLower(entries[i].name);
        for (std::size_t j = 0; j < i; ++j) {
            if (aw::AsciiLower(entries[j].name) == lowered)
                return "entry \"" + entries[i].name + "\" appears twice";
        }
        if (lowered.find(".ini") != std::string::npos)
            ++descriptions;
        aw::skin::PixelImage image;
        if (lowered.size() > 4 && lowered.compare(lowered.size() - 4, 4, ".bmp") == 0 &&
            !aw::skin::DecodeBmp(entries[i].body.data(), entries[i].body.size(), image))
            return "entry \"" + entries[i].name + "\" is not a readable bitmap";
    }
    if (descriptions != 1)
        return "a skin needs exactly one entry whose name contains \".ini\"";
    return {};
}

}  // namespace aw::skinpack
