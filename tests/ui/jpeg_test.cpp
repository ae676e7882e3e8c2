#include "ui/jpeg_decoder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace aw::ui {
namespace {

std::vector<std::uint8_t> ReadSourceFile(const std::string& relative)
{
    const char* root = std::getenv("AW_SOURCE_DIR");
    std::string path = std::string(root ? root : ".") + "/" + relative;
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

TEST(Jpeg, DecodesThePicturesOfTheMainWindow)
{
    auto strip = ReadSourceFile("res/pictures/strip.jpg");
    ASSERT_FALSE(strip.empty());
    DecodedPicture picture;
    ASSERT_TRUE(DecodeJpeg(strip.data(), strip.size(), picture));
    EXPECT_EQ(picture.Width, 137);
    EXPECT_EQ(picture.Height, 425);
    EXPECT_EQ(picture.Stride % 4, 0);
    // A dark gradient: the top row is lighter than the bottom row, and both are dark.
    auto luminance = [&](int y) {
        const std::uint8_t* p = picture.Pixels.data() + static_cast<size_t>(y) * picture.Stride;
        return p[0] + p[1] + p[2];
    };
    EXPECT_GT(luminance(0), luminance(424));
    EXPECT_LT(luminance(0), 3 * 128);

    auto banner = ReadSourceFile("res/pictures/banner.jpg");
    ASSERT_TRUE(DecodeJpeg(banner.data(), banner.size(), picture));
    EXPECT_EQ(picture.Width, 241);
    EXPECT_EQ(picture.Height, 41);
}

TEST(Jpeg, BrokenDataFailsWithoutEndingTheProcess)
{
    auto strip = ReadSourceFile("res/pictures/strip.jpg");
    ASSERT_GT(strip.size(), 200u);
    DecodedPicture picture;
    std::vector<std::uint8_t> truncatedHeader(strip.begin(), strip.begin() + 20);
    EXPECT_FALSE(DecodeJpeg(truncatedHeader.data(), truncatedHeader.size(), picture));
    EXPECT_TRUE(picture.Pixels.empty());
    std::vector<std::uint8_t> garbage(500, 0x5A);
    EXPECT_FALSE(DecodeJpeg(garbage.data(), garbage.size(), picture));
    EXPECT_FALSE(DecodeJpeg(nullptr, 0, picture));
}

} // namespace
} // namespace aw::ui
