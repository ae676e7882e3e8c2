// Reading skin packages: the header and FormatTag table, entry lookup, the SkinStream and
// CompressedSkin framings, and refusal of damaged packages.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lzh_encoder.h"
#include "package_test_support.h"
#include "skin/package/skin_reader.h"
#include "skin/package/skin_stream.h"

namespace aw::skin {
namespace {

using test::Bytes;
using test::PutInt32;
using test::PutText;

struct RawEntry {
    std::string name;
    std::string body;
};

// A decompressed package laid out by hand: header, opaque block of `opaque` bytes (filled
// with 0xEE so a wrong skip shows), name list, size table, bodies.
Bytes RawPackage(std::int32_t formatTag, int opaque, const std::vector<RawEntry>& entries, bool trailingBreak = true)
{
    std::string names;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        names += entries[i].name;
        if (trailingBreak || i + 1 < entries.size())
            names += "\r\n";
    }
    Bytes out;
    PutInt32(out, formatTag);
    PutInt32(out, static_cast<std::int32_t>(names.size()));
    out.insert(out.end(), 8, 0x55);
    out.insert(out.end(), static_cast<std::size_t>(opaque), 0xEE);
    PutText(out, names);
    for (const RawEntry& e : entries)
        PutInt32(out, static_cast<std::int32_t>(e.body.size()));
    for (const RawEntry& e : entries)
        PutText(out, e.body);
    return out;
}

MemoryStream Compressed(const Bytes& package)
{
    return MemoryStream(aw::skinpack::CompressSkin(package));
}

std::string Text(const MemoryStream& s)
{
    return std::string(s.Bytes().begin(), s.Bytes().end());
}

const std::vector<RawEntry> kEntries = {
    {"Buttons.bmp", "BUTTONS"},
    {"frameleft.bmp", "LEFT"},
    {"empty.bmp", ""},
    {"le4-blackc.ini", "[Buttons]\r\nBitmap=buttons.bmp\r\n"},
};

TEST(SkinReader, ReadsEveryFormatTagWithItsOpaqueBlock)
{
    const std::pair<std::int32_t, int> tags[] = {{20000, 0},  {30000, 256}, {40000, 80},
                                                 {50000, 48}, {60000, 117}, {70000, 69}};
    for (const auto& [tag, opaque] : tags) {
        TSkinReader reader;
        MemoryStream compressed = Compressed(RawPackage(tag, opaque, kEntries));
        ASSERT_TRUE(reader.LoadPackage(compressed)) << tag;
        EXPECT_EQ(reader.FormatTag(), tag);
        EXPECT_EQ(reader.EntryCount(), 4u);
        MemoryStream out;
        ASSERT_TRUE(reader.ExtractEntry("frameleft.bmp", out)) << tag;
        EXPECT_EQ(Text(out), "LEFT") << tag;
        ASSERT_TRUE(reader.ExtractEntry("le4-blackc.ini", out));
        EXPECT_EQ(Text(out), kEntries[3].body) << tag;
    }
}

TEST(SkinReader, KeepsEntryOrderAndLowerCasesNames)
{
    TSkinReader reader;
    MemoryStream compressed = Compressed(RawPackage(70000, 69, kEntries));
    ASSERT_TRUE(reader.LoadPackage(compressed));
    EXPECT_EQ(reader.EntryNames(),
              (std::vector<std::string>{"buttons.bmp", "frameleft.bmp", "empty.bmp", "le4-blackc.ini"}));
    EXPECT_EQ(reader.EntrySizes(), (std::vector<std::int32_t>{7, 4, 0, 31}));
    const std::size_t namesLength = std::string("Buttons.bmp\r\nframeleft.bmp\r\nempty.bmp\r\nle4-blackc.ini\r\n").size();
    EXPECT_EQ(reader.NameListLength(), static_cast<std::int32_t>(namesLength));
    EXPECT_EQ(reader.BodiesOffset(), 85 + namesLength + 4 * 4);
}

TEST(SkinReader, TrailingLineBreakInTheNameListAddsNoEntry)
{
    for (bool trailing : {true, false}) {
        TSkinReader reader;
        ASSERT_TRUE(reader.LoadDecompressed(RawPackage(70000, 69, kEntries, trailing)));
        EXPECT_EQ(reader.EntryCount(), 4u) << trailing;
        MemoryStream out;
        ASSERT_TRUE(reader.ExtractEntry("le4-blackc.ini", out));
        EXPECT_EQ(Text(out), kEntries[3].body);
    }
}

TEST(SkinReader, NameListLinesEndAtCrLfOrLoneCrOrLf)
{
    Bytes package;
    const std::string names = "a.bmp\rb.bmp\nc.bmp\r\n\r\nd.bmp";
    PutInt32(package, 20000);
    PutInt32(package, static_cast<std::int32_t>(names.size()));
    package.insert(package.end(), 8, 0);
    PutText(package, names);
    for (int i = 0; i < 5; ++i)
        PutInt32(package, 1);
    PutText(package, "ABCDE");
    TSkinReader reader;
    ASSERT_TRUE(reader.LoadDecompressed(package));
    EXPECT_EQ(reader.EntryNames(), (std::vector<std::string>{"a.bmp", "b.bmp", "c.bmp", "", "d.bmp"}));
    MemoryStream out;
    reader.ExtractEntry("d.bmp", out);
    EXPECT_EQ(Text(out), "E");
}

TEST(SkinReader, ExtractEntryMatchesWholeNamesWithoutCase)
{
    TSkinReader reader;
    ASSERT_TRUE(reader.LoadDecompressed(RawPackage(70000, 69, kEntries)));
    MemoryStream out;
    out.Write("stale", 5);
    EXPECT_TRUE(reader.ExtractEntry("BUTTONS.BMP", out));
    EXPECT_EQ(Text(out), "BUTTONS");
    EXPECT_EQ(out.Position(), 0u);

    EXPECT_FALSE(reader.ExtractEntry("buttons", out));
    EXPECT_TRUE(out.Empty());
    EXPECT_FALSE(reader.ExtractEntry("xbuttons.bmp", out));
    EXPECT_TRUE(out.Empty());

    EXPECT_TRUE(reader.ExtractEntry("empty.bmp", out));
    EXPECT_TRUE(out.Empty());
}

TEST(SkinReader, DuplicateNamesGiveTheFirstEntry)
{
    TSkinReader reader;
    ASSERT_TRUE(reader.LoadDecompressed(RawPackage(70000, 69, {{"a.bmp", "first"}, {"A.BMP", "second"}})));
    MemoryStream out;
    reader.ExtractEntry("a.bmp", out);
    EXPECT_EQ(Text(out), "first");
}

TEST(SkinReader, ExtractEntryContainingFindsTheFirstLowerCaseSubstring)
{
    TSkinReader reader;
    ASSERT_TRUE(reader.LoadDecompressed(RawPackage(
        70000, 69, {{"Buttons.bmp", "B"}, {"Skin.INI", "first ini"}, {"other.ini", "second ini"}})));
    MemoryStream out;
    std::string name = "stale";
    EXPECT_TRUE(reader.ExtractEntryContaining(".ini", out, name));
    EXPECT_EQ(name, "skin.ini");
    EXPECT_EQ(Text(out), "first ini");
    EXPECT_EQ(out.Position(), 0u);

    // The names are lower-cased, the text is not.
    EXPECT_FALSE(reader.ExtractEntryContaining(".INI", out, name));
    EXPECT_TRUE(out.Empty());
    EXPECT_EQ(name, "");
}

TEST(SkinReader, UnknownFormatTagShowsTheOlderSkinMessage)
{
    std::vector<std::string> shown;
    TSkinReader reader([&](const std::string& text) { shown.push_back(text); });
    MemoryStream compressed = Compressed(RawPackage(10000, 0, kEntries));
    EXPECT_FALSE(reader.LoadPackage(compressed));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], "This is Older Skin File\rPlease update to new version !");
    EXPECT_EQ(reader.EntryCount(), 0u);
    EXPECT_EQ(reader.FormatTag(), 10000);

    // Without a message sink the refusal is silent.
    TSkinReader silent;
    EXPECT_FALSE(silent.LoadDecompressed(RawPackage(70001, 69, kEntries)));
}

TEST(SkinReader, RefusesDamagedPackagesWithoutAMessage)
{
    std::vector<std::string> shown;
    auto sink = [&](const std::string& text) { shown.push_back(text); };

    struct Case {
        const char* what;
        Bytes package;
    };
    std::vector<Case> cases;
    {
        Bytes p = RawPackage(70000, 69, kEntries);
        cases.push_back({"header cut short", Bytes(p.begin(), p.begin() + 15)});
        cases.push_back({"name list cut short", Bytes(p.begin(), p.begin() + 85 + 10)});
        cases.push_back({"size table cut short", Bytes(p.begin(), p.begin() + 85 + 55 + 6)});
        cases.push_back({"last body cut short", Bytes(p.begin(), p.end() - 1)});
    }
    {
        Bytes p = RawPackage(70000, 69, kEntries);
        // Name list length negative.
        p[4] = 0xFF, p[5] = 0xFF, p[6] = 0xFF, p[7] = 0xFF;
        cases.push_back({"negative name list length", p});
    }
    {
        Bytes p = RawPackage(70000, 69, kEntries);
        const std::size_t sizes = 85 + 55;
        p[sizes + 4 + 3] = 0x80;   // second size becomes negative
        cases.push_back({"negative entry size", p});
    }
    {
        Bytes p = RawPackage(70000, 69, kEntries);
        p[85 + 55] = 0xFF;   // first size 0x000000FF: the sizes add up past the data
        cases.push_back({"sizes past the data", p});
    }
    {
        // Two sizes near the 32-bit limit, whose sum would overflow.
        Bytes p = RawPackage(20000, 0, {{"a", ""}, {"b", ""}});
        p[16 + 6 + 3] = 0x7F, p[16 + 6 + 2] = 0xFF, p[16 + 6 + 1] = 0xFF, p[16 + 6] = 0xFF;
        p[16 + 6 + 7] = 0x7F, p[16 + 6 + 6] = 0xFF, p[16 + 6 + 5] = 0xFF, p[16 + 6 + 4] = 0xFF;
        cases.push_back({"huge sizes", p});
    }
    {
        std::vector<RawEntry> many(1002, RawEntry{"x.bmp", ""});
        cases.push_back({"1002 names", RawPackage(20000, 0, many)});
    }
    cases.push_back({"empty", {}});

    for (const Case& c : cases) {
        TSkinReader reader(sink);
        EXPECT_FALSE(reader.LoadDecompressed(c.package)) << c.what;
        EXPECT_EQ(reader.EntryCount(), 0u) << c.what;
        MemoryStream out;
        EXPECT_FALSE(reader.ExtractEntry("le4-blackc.ini", out)) << c.what;
        // Through the compressed form as well.
        MemoryStream compressed = Compressed(c.package);
        EXPECT_FALSE(reader.LoadPackage(compressed)) << c.what;
    }
    EXPECT_TRUE(shown.empty());

    std::vector<RawEntry> most(1001, RawEntry{"x.bmp", ""});
    TSkinReader reader;
    EXPECT_TRUE(reader.LoadDecompressed(RawPackage(20000, 0, most)));
    EXPECT_EQ(reader.EntryCount(), 1001u);
}

TEST(SkinReader, RefusesBadDecompressedSizesBeforeDecoding)
{
    auto withSize = [](std::int32_t size) {
        Bytes b;
        PutInt32(b, size);
        b.insert(b.end(), 16, 0);
        return MemoryStream(b);
    };
    TSkinReader reader;
    MemoryStream tooShort(Bytes{1, 2, 3});
    EXPECT_FALSE(reader.LoadPackage(tooShort));
    MemoryStream negative = withSize(-1);
    EXPECT_FALSE(reader.LoadPackage(negative));
    MemoryStream absurd = withSize(kMaxPackageSize + 1);
    EXPECT_FALSE(reader.LoadPackage(absurd));
    MemoryStream zero = withSize(0);
    EXPECT_FALSE(reader.LoadPackage(zero));
}

TEST(SkinReader, LoadingAgainReplacesThePreviousPackage)
{
    TSkinReader reader;
    ASSERT_TRUE(reader.LoadDecompressed(RawPackage(70000, 69, kEntries)));
    ASSERT_TRUE(reader.LoadDecompressed(RawPackage(20000, 0, {{"only.ini", "x"}})));
    EXPECT_EQ(reader.EntryNames(), (std::vector<std::string>{"only.ini"}));
    EXPECT_FALSE(reader.LoadDecompressed({}));
    EXPECT_EQ(reader.EntryCount(), 0u);
}

TEST(SkinReader, DecodesACompressedPackageStartingFromTheBeginning)
{
    TSkinReader reader;
    MemoryStream compressed = Compressed(RawPackage(70000, 69, kEntries));
    compressed.Seek(compressed.Size());
    EXPECT_TRUE(reader.LoadPackage(compressed));
    EXPECT_EQ(reader.EntryCount(), 4u);
}

TEST(SkinStreamFraming, PropertyHoldsTheLengthThenTheCompressedSkin)
{
    const Bytes compressed = {9, 8, 7};
    const Bytes property = WriteSkinStreamProperty(compressed);
    EXPECT_EQ(property, (Bytes{3, 0, 0, 0, 9, 8, 7}));
    Bytes back;
    EXPECT_TRUE(ReadSkinStreamProperty(property.data(), property.size(), back));
    EXPECT_EQ(back, compressed);

    EXPECT_EQ(WriteSkinStreamProperty({}), (Bytes{0, 0, 0, 0}));
    const Bytes empty = {0, 0, 0, 0};
    EXPECT_FALSE(ReadSkinStreamProperty(empty.data(), empty.size(), back));
    const Bytes negative = {0xFF, 0xFF, 0xFF, 0xFF, 1, 2};
    EXPECT_FALSE(ReadSkinStreamProperty(negative.data(), negative.size(), back));
    const Bytes overlong = {5, 0, 0, 0, 1, 2};
    EXPECT_FALSE(ReadSkinStreamProperty(overlong.data(), overlong.size(), back));
    EXPECT_TRUE(back.empty());
    EXPECT_FALSE(ReadSkinStreamProperty(nullptr, 0, back));
}

}  // namespace
}  // namespace aw::skin
