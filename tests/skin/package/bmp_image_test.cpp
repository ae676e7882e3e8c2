// Bitmap entries: BMP decoding into top-down 0x00RRGGBB pixels, and which image values
// LoadEntryBitmap accepts.

#include <gtest/gtest.h>

#include "package_test_support.h"
#include "skin/package/bmp_image.h"
#include "skin/package/entry_bitmap.h"

namespace aw::skin {
namespace {

using test::Bytes;
using test::MakeBmp;

constexpr std::uint32_t kMagenta = 0xFF00FF;

PixelImage Decode(const Bytes& file)
{
    PixelImage image;
    EXPECT_TRUE(DecodeBmp(file.data(), file.size(), image));
    return image;
}

TEST(BmpImage, DecodesEightBitPalettisedBottomUp)
{
    // 3x2, rows stored bottom row first, each padded to 4 bytes.
    const Bytes rows = {2, 1, 0, 0, /* bottom */ 0, 1, 2, 0 /* top */};
    const PixelImage image = Decode(MakeBmp(3, 2, 8, {kMagenta, 0x102030, 0xFFFFFF}, rows));
    ASSERT_EQ(image.width, 3);
    ASSERT_EQ(image.height, 2);
    EXPECT_EQ(image.PixelAt(0, 0), kMagenta);
    EXPECT_EQ(image.PixelAt(1, 0), 0x102030u);
    EXPECT_EQ(image.PixelAt(2, 0), 0xFFFFFFu);
    EXPECT_EQ(image.PixelAt(0, 1), 0xFFFFFFu);
    EXPECT_EQ(image.PixelAt(2, 1), kMagenta);
}

TEST(BmpImage, IndexBeyondAShortPaletteIsBlack)
{
    const Bytes rows = {0, 5, 0, 0};
    const PixelImage image = Decode(MakeBmp(2, 1, 8, {0x123456}, rows));
    EXPECT_EQ(image.PixelAt(0, 0), 0x123456u);
    EXPECT_EQ(image.PixelAt(1, 0), 0u);
}

TEST(BmpImage, DecodesTwentyFourBitTopDownWithRowPadding)
{
    // 2x2 top-down; each row is 6 bytes of B,G,R plus 2 bytes of padding.
    const Bytes rows = {0x01, 0x02, 0x03, 0xFF, 0x00, 0xFF, 0xEE, 0xEE,
                        0x10, 0x20, 0x30, 0x00, 0x00, 0x00, 0xEE, 0xEE};
    const PixelImage image = Decode(MakeBmp(2, -2, 24, {}, rows));
    ASSERT_EQ(image.height, 2);
    EXPECT_EQ(image.PixelAt(0, 0), 0x030201u);
    EXPECT_EQ(image.PixelAt(1, 0), kMagenta);
    EXPECT_EQ(image.PixelAt(0, 1), 0x302010u);
    EXPECT_EQ(image.PixelAt(1, 1), 0u);
}

TEST(BmpImage, DecodesOneAndFourBitPixels)
{
    const PixelImage mono = Decode(MakeBmp(10, 1, 1, {0x000000, 0xFFFFFF}, {0xA5, 0x40, 0, 0}));
    const std::uint32_t expected[10] = {1, 0, 1, 0, 0, 1, 0, 1, 0, 1};
    for (int x = 0; x < 10; ++x)
        EXPECT_EQ(mono.PixelAt(x, 0), expected[x] ? 0xFFFFFFu : 0u) << x;

    const PixelImage nibbles = Decode(MakeBmp(3, 1, 4, {0x000001, 0x000002, 0x000003}, {0x12, 0x00, 0, 0}));
    EXPECT_EQ(nibbles.PixelAt(0, 0), 0x000002u);
    EXPECT_EQ(nibbles.PixelAt(1, 0), 0x000003u);
    EXPECT_EQ(nibbles.PixelAt(2, 0), 0x000001u);
}

TEST(BmpImage, DecodesSixteenAndThirtyTwoBitPixels)
{
    // 5-5-5: pure red 0x7C00, pure blue 0x001F.
    const PixelImage rgb555 = Decode(MakeBmp(2, 1, 16, {}, {0x00, 0x7C, 0x1F, 0x00}));
    EXPECT_EQ(rgb555.PixelAt(0, 0), 0xFF0000u);
    EXPECT_EQ(rgb555.PixelAt(1, 0), 0x0000FFu);
    // 5-6-5 bit fields: pure green 0x07E0.
    const PixelImage rgb565 = Decode(MakeBmp(2, 1, 16, {}, {0xE0, 0x07, 0x00, 0x00}, 3, {0xF800, 0x07E0, 0x001F}));
    EXPECT_EQ(rgb565.PixelAt(0, 0), 0x00FF00u);
    EXPECT_EQ(rgb565.PixelAt(1, 0), 0u);
    // 32-bit B,G,R,X: the fourth byte is dropped.
    const PixelImage rgb32 = Decode(MakeBmp(1, 1, 32, {}, {0x33, 0x22, 0x11, 0x99}));
    EXPECT_EQ(rgb32.PixelAt(0, 0), 0x112233u);
}

TEST(BmpImage, DecodesTheCoreHeaderWithThreeBytePalette)
{
    Bytes file;
    test::PutText(file, "BM");
    test::PutInt32(file, 14 + 12 + 6 + 4);
    test::PutInt32(file, 0);
    test::PutInt32(file, 14 + 12 + 6);
    test::PutInt32(file, 12);
    test::PutInt16(file, 2);
    test::PutInt16(file, 1);
    test::PutInt16(file, 1);
    test::PutInt16(file, 1);
    file.insert(file.end(), {0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00});   // red, blue
    file.insert(file.end(), {0x40, 0, 0, 0});
    const PixelImage image = Decode(file);
    EXPECT_EQ(image.PixelAt(0, 0), 0xFF0000u);
    EXPECT_EQ(image.PixelAt(1, 0), 0x0000FFu);
}

TEST(BmpImage, RefusesDamagedOrUnsupportedFiles)
{
    const Bytes good = MakeBmp(3, 2, 8, {kMagenta}, Bytes(8, 0));
    struct Case {
        const char* what;
        Bytes file;
    };
    std::vector<Case> cases = {
        {"empty", {}},
        {"pixels cut short", Bytes(good.begin(), good.end() - 1)},
        {"header cut short", Bytes(good.begin(), good.begin() + 30)},
        {"run-length compressed", MakeBmp(3, 2, 8, {kMagenta}, Bytes(8, 0), 1)},
        {"zero width", MakeBmp(0, 2, 8, {kMagenta}, Bytes(8, 0))},
        {"negative width", MakeBmp(-3, 2, 8, {kMagenta}, Bytes(8, 0))},
        {"zero height", MakeBmp(3, 0, 8, {kMagenta}, Bytes(8, 0))},
        {"huge", MakeBmp(40000, 40000, 24, {}, Bytes(8, 0))},
        {"odd bit count", MakeBmp(3, 2, 7, {}, Bytes(8, 0))},
        {"most negative height", MakeBmp(3, -2147483647 - 1, 8, {kMagenta}, Bytes(8, 0))},
    };
    Bytes notBm = good;
    notBm[0] = 'X';
    cases.push_back({"no BM signature", notBm});
    Bytes hugeHeader = good;
    hugeHeader[14] = 0xFF;
    hugeHeader[15] = 0xFF;
    cases.push_back({"header size past the file", hugeHeader});

    for (const Case& c : cases) {
        PixelImage image;
        image.width = 5;
        image.height = 1;
        image.pixels.assign(5, 1);
        EXPECT_FALSE(DecodeBmp(c.file.data(), c.file.size(), image)) << c.what;
        EXPECT_TRUE(image.Empty()) << c.what;
        EXPECT_EQ(image.width, 0) << c.what;
    }
}

TEST(BitmapEntryName, TakesTheFileNameAndRequiresLowerCaseBmp)
{
    EXPECT_EQ(BitmapEntryName("buttons.bmp"), std::optional<std::string>("buttons.bmp"));
    EXPECT_EQ(BitmapEntryName("RestroreButton.bmp"), std::optional<std::string>("RestroreButton.bmp"));
    EXPECT_EQ(BitmapEntryName("C:\\skins\\black\\Frame.bmp"), std::optional<std::string>("Frame.bmp"));
    EXPECT_EQ(BitmapEntryName("C:Frame.bmp"), std::optional<std::string>("Frame.bmp"));
    EXPECT_EQ(BitmapEntryName("skins/Frame.bmp"), std::optional<std::string>("Frame.bmp"));
    EXPECT_EQ(BitmapEntryName("archive.bmp.bak.bmp"), std::optional<std::string>("archive.bmp.bak.bmp"));
    EXPECT_EQ(BitmapEntryName("Buttons.BMP"), std::nullopt);
    EXPECT_EQ(BitmapEntryName("buttons.Bmp"), std::nullopt);
    EXPECT_EQ(BitmapEntryName("buttons.jpg"), std::nullopt);
    EXPECT_EQ(BitmapEntryName("buttons"), std::nullopt);
    EXPECT_EQ(BitmapEntryName("buttons.bmp.old"), std::nullopt);
    EXPECT_EQ(BitmapEntryName(""), std::nullopt);
    EXPECT_EQ(BitmapEntryName("C:\\skins\\"), std::nullopt);
}

class LoadEntryBitmapTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const Bytes bmp = MakeBmp(2, 1, 24, {}, {0xFF, 0x00, 0xFF, 0x00, 0x00, 0xFF, 0, 0});
        Bytes package;
        const std::string names = "buttons.bmp\r\nbroken.bmp\r\nempty.bmp\r\nskin.ini\r\n";
        test::PutInt32(package, 20000);
        test::PutInt32(package, static_cast<std::int32_t>(names.size()));
        package.insert(package.end(), 8, 0);
        test::PutText(package, names);
        test::PutInt32(package, static_cast<std::int32_t>(bmp.size()));
        test::PutInt32(package, 3);
        test::PutInt32(package, 0);
        test::PutInt32(package, 2);
        package.insert(package.end(), bmp.begin(), bmp.end());
        test::PutText(package, "BMx[]");
        ASSERT_TRUE(reader.LoadDecompressed(package));
    }

    // Starts from a non-empty bitmap so that emptying it shows.
    PixelImage Load(std::string_view value)
    {
        PixelImage bitmap;
        bitmap.width = bitmap.height = 1;
        bitmap.pixels = {7};
        LoadEntryBitmap(bitmap, value, reader, scratch);
        return bitmap;
    }

    TSkinReader reader;
    MemoryStream scratch;
};

TEST_F(LoadEntryBitmapTest, LoadsANamedBitmapEntryInAnyPathOrLetterCase)
{
    for (const char* value : {"buttons.bmp", "BUTTONS.bmp", "c:\\old\\skin\\Buttons.bmp"}) {
        const PixelImage bitmap = Load(value);
        ASSERT_EQ(bitmap.width, 2) << value;
        EXPECT_EQ(bitmap.PixelAt(0, 0), kMagenta) << value;
        EXPECT_EQ(bitmap.PixelAt(1, 0), 0xFF0000u) << value;
    }
}

TEST_F(LoadEntryBitmapTest, EmptiesTheBitmapWhenTheValueOrEntryIsUnusable)
{
    // ExtractEntry finds "Buttons.BMP"; the image rule still refuses the upper-case extension.
    MemoryStream out;
    EXPECT_TRUE(reader.ExtractEntry("Buttons.BMP", out));
    EXPECT_TRUE(Load("Buttons.BMP").Empty());

    EXPECT_TRUE(Load("").Empty());
    EXPECT_TRUE(Load("missing.bmp").Empty());
    EXPECT_TRUE(Load("empty.bmp").Empty());
    EXPECT_TRUE(Load("broken.bmp").Empty());
    EXPECT_TRUE(Load("skin.ini").Empty());
}

}  // namespace
}  // namespace aw::skin
