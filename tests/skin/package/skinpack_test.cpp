// The packer's package writer, read back through the program's own reader: a small skin of
// hand-made bitmaps and a description goes in, the same entries come out.

#include <gtest/gtest.h>

#include <stdexcept>

#include "lzh_encoder.h"
#include "package_test_support.h"
#include "package_writer.h"
#include "skin/package/entry_bitmap.h"
#include "skin/package/quick_ini.h"
#include "skin/package/skin_reader.h"
#include "skin/package/skin_stream.h"

namespace aw::skin {
namespace {

using aw::skinpack::PackageEntry;
using test::Bytes;
using test::MakeBmp;

Bytes TextBytes(std::string_view text)
{
    return Bytes(text.begin(), text.end());
}

std::vector<PackageEntry> SmallSkin()
{
    // 8-bit 4x2 and 24-bit 2x2 images, then the description last, as the program's skin has it.
    const Bytes buttons = MakeBmp(4, 2, 8, {0xFF00FF, 0x202020, 0xC0C0C0},
                                  {1, 1, 2, 2, /* bottom */ 0, 1, 2, 0 /* top */});
    const Bytes frame = MakeBmp(2, 2, 24, {}, {0, 0, 0xFF, 0, 0xFF, 0, 0, 0, 0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0});
    const std::string ini =
        "[Skins]\r\nSkinAuthor=Ashwarden\r\n\r\n[Buttons]\r\nBitmap=Buttons.bmp\r\nLeftWidth = 3\r\n"
        "RightWidth=0x3\r\n\r\n[Personality]\r\nLeft=frameleft.bmp\r\n";
    return {{"buttons.bmp", buttons}, {"frameleft.bmp", frame}, {"le4-blackc.ini", TextBytes(ini)}};
}

TEST(SkinPack, WritesTheHeaderOpaqueBlockAndNameList)
{
    const Bytes package = aw::skinpack::BuildSkinPackage(SmallSkin());
    TSkinReader reader;
    ASSERT_TRUE(reader.LoadDecompressed(package));
    EXPECT_EQ(reader.FormatTag(), 70000);
    const std::string names = "buttons.bmp\r\nframeleft.bmp\r\nle4-blackc.ini\r\n";
    EXPECT_EQ(reader.NameListLength(), static_cast<std::int32_t>(names.size()));
    EXPECT_EQ(std::string(package.begin() + 85, package.begin() + 85 + static_cast<std::ptrdiff_t>(names.size())),
              names);
    for (std::size_t i = 8; i < 85; ++i)
        EXPECT_EQ(package[i], 0) << "reserved or opaque byte " << i;
    EXPECT_EQ(reader.BodiesOffset(), 85 + names.size() + 12);
}

TEST(SkinPack, PackedSkinReadsBackThroughTheSkinStreamProperty)
{
    const std::vector<PackageEntry> entries = SmallSkin();
    const Bytes property =
        WriteSkinStreamProperty(aw::skinpack::CompressSkin(aw::skinpack::BuildSkinPackage(entries)));

    Bytes compressed;
    ASSERT_TRUE(ReadSkinStreamProperty(property.data(), property.size(), compressed));
    MemoryStream stream(compressed);
    TSkinReader reader;
    ASSERT_TRUE(reader.LoadPackage(stream));
    EXPECT_EQ(reader.EntryNames(), (std::vector<std::string>{"buttons.bmp", "frameleft.bmp", "le4-blackc.ini"}));

    MemoryStream scratch;
    for (const PackageEntry& e : entries) {
        ASSERT_TRUE(reader.ExtractEntry(e.name, scratch));
        EXPECT_TRUE(scratch.Bytes() == e.body) << e.name;
    }

    std::string iniName;
    ASSERT_TRUE(reader.ExtractEntryContaining(".ini", scratch, iniName));
    EXPECT_EQ(iniName, "le4-blackc.ini");
    TQuickIni ini;
    ini.LoadFromStream(scratch);
    EXPECT_EQ(ini.ReadInteger("buttons", "leftwidth", 0), 3);
    EXPECT_EQ(ini.ReadInteger("Buttons", "RightWidth", 0), 3);

    PixelImage buttons;
    ASSERT_TRUE(LoadEntryBitmap(buttons, ini.ReadString("Buttons", "Bitmap", ""), reader, scratch));
    ASSERT_EQ(buttons.width, 4);
    EXPECT_EQ(buttons.PixelAt(0, 0), 0xFF00FFu);
    EXPECT_EQ(buttons.PixelAt(2, 1), 0xC0C0C0u);
    PixelImage frame;
    ASSERT_TRUE(LoadEntryBitmap(frame, ini.ReadString("Personality", "Left", ""), reader, scratch));
    // Bottom-up: the first stored row (red first) is the bottom one.
    EXPECT_EQ(frame.PixelAt(0, 0), 0x0000FFu);
    EXPECT_EQ(frame.PixelAt(0, 1), 0xFF0000u);
}

TEST(SkinPack, SameInputsGiveTheSameBytes)
{
    const Bytes a = aw::skinpack::CompressSkin(aw::skinpack::BuildSkinPackage(SmallSkin()));
    const Bytes b = aw::skinpack::CompressSkin(aw::skinpack::BuildSkinPackage(SmallSkin()));
    EXPECT_EQ(a, b);
}

TEST(SkinPack, RefusesNamesAReaderCouldNotFind)
{
    EXPECT_THROW(aw::skinpack::BuildSkinPackage({{"", {}}}), std::invalid_argument);
    EXPECT_THROW(aw::skinpack::BuildSkinPackage({{"a\r\nb.bmp", {}}}), std::invalid_argument);
    EXPECT_THROW(aw::skinpack::BuildSkinPackage(std::vector<PackageEntry>(1002, {"x.bmp", {}})),
                 std::invalid_argument);
    EXPECT_NO_THROW(aw::skinpack::BuildSkinPackage(std::vector<PackageEntry>(1001, {"x.bmp", {}})));
}

TEST(SkinPack, ChecksTheEntriesMakeASkin)
{
    std::vector<PackageEntry> skin = SmallSkin();
    EXPECT_EQ(aw::skinpack::SkinEntriesProblem(skin), "");

    std::vector<PackageEntry> twice = skin;
    twice.push_back({"Buttons.BMP", skin[0].body});
    EXPECT_NE(aw::skinpack::SkinEntriesProblem(twice), "");

    std::vector<PackageEntry> noDescription(skin.begin(), skin.end() - 1);
    EXPECT_NE(aw::skinpack::SkinEntriesProblem(noDescription), "");

    std::vector<PackageEntry> twoDescriptions = skin;
    twoDescriptions.push_back({"other.ini", TextBytes("[A]")});
    EXPECT_NE(aw::skinpack::SkinEntriesProblem(twoDescriptions), "");

    std::vector<PackageEntry> brokenBitmap = skin;
    brokenBitmap[1].body.resize(20);
    EXPECT_NE(aw::skinpack::SkinEntriesProblem(brokenBitmap), "");
}

}  // namespace
}  // namespace aw::skin
