// The shipped skin: the committed package is what the tools build from res/skin, it reads
// back as the program expects, and its description and images fit each other.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "skin/package/bmp_image.h"
#include "skin/package/entry_bitmap.h"
#include "skin/package/quick_ini.h"
#include "skin/package/skin_reader.h"
#include "skin/package/skin_stream.h"
#include "skin/package/text_lines.h"

namespace aw::skin {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A file of the source tree, found through AW_SOURCE_DIR (under Wine the drive the harness
// maps the tree to). Forward slashes serve both platforms.
std::string SourcePath(const std::string& relative)
{
    std::string root = AW_SOURCE_ROOT;
    if (const char* given = std::getenv("AW_SOURCE_DIR"); given && *given) root = given;
    if (root.back() != '\\' && root.back() != '/') root += '/';
    return root + relative;
}

Bytes ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

const char* const kEntryOrder[] = {
    "buttons.bmp", "checkbox.bmp", "radiobutton.bmp", "progress.bmp", "progresschunk.bmp", "tab.bmp",
    "tabsheet.bmp", "comboboxbtn.bmp", "statusbar.bmp", "header.bmp", "scrollbararrow.bmp",
    "scrollbarhthumb.bmp", "scrollbarvthumb.bmp", "scrollbarhbar.bmp", "scrollbarvbar.bmp",
    "menubackground.bmp", "menuitem.bmp", "extraimages.bmp", "trackthumbh.bmp", "trackbot.bmp",
    "mdibutton.bmp", "spin.bmp", "spinarrow.bmp", "spinh.bmp", "spinharrow.bmp", "closebutton.bmp",
    "maxbutton.bmp", "minbutton.bmp", "restrorebutton.bmp", "frameleft.bmp", "frameright.bmp",
    "frametop.bmp", "framebottom.bmp", "mincaption.bmp", "le4-blackc.ini",
};

class ShippedSkin : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        package_ = new Bytes(ReadBytes(SourcePath("res/skin/ashwarden.skin")));
        reader_ = new TSkinReader([](const std::string&) {});
        ini_ = new TQuickIni;
        Bytes compressed;
        if (!ReadSkinStreamProperty(package_->data(), package_->size(), compressed)) return;
        MemoryStream stream(std::move(compressed));
        loaded_ = reader_->LoadPackage(stream);
        MemoryStream description;
        std::string name;
        if (loaded_ && reader_->ExtractEntryContaining(".ini", description, name)) {
            descriptionName_ = name;
            descriptionText_.assign(description.Bytes().begin(), description.Bytes().end());
            ini_->LoadFromStream(description);
        }
    }
    static void TearDownTestSuite()
    {
        delete package_;
        delete reader_;
        delete ini_;
    }
    void SetUp() override { ASSERT_TRUE(loaded_) << "res/skin/ashwarden.skin does not load"; }

    static PixelImage Image(const std::string& value)
    {
        PixelImage image;
        MemoryStream scratch;
        LoadEntryBitmap(image, value, *reader_, scratch);
        return image;
    }
    static std::string Value(const char* section, const char* key) { return ini_->ReadString(section, key, ""); }
    static int Int(const char* section, const char* key, int fallback = 0) { return ini_->ReadInteger(section, key, fallback); }

    static inline Bytes* package_ = nullptr;
    static inline TSkinReader* reader_ = nullptr;
    static inline TQuickIni* ini_ = nullptr;
    static inline bool loaded_ = false;
    static inline std::string descriptionName_;
    static inline std::string descriptionText_;
};

#ifdef AW_BUILT_SKIN_PACKAGE
TEST_F(ShippedSkin, CommittedPackageIsWhatTheToolsBuildFromTheSources)
{
    const Bytes built = ReadBytes(AW_BUILT_SKIN_PACKAGE);
    ASSERT_FALSE(built.empty());
    EXPECT_TRUE(built == *package_) << "res/skin/ashwarden.skin is stale: build the skin_update target and commit it";
}
#endif

TEST_F(ShippedSkin, IsAPropertyFramedFormat70000PackageOfThirtyFiveEntries)
{
    ASSERT_GE(package_->size(), 8u);
    Bytes compressed;
    ASSERT_TRUE(ReadSkinStreamProperty(package_->data(), package_->size(), compressed));
    EXPECT_EQ(compressed.size() + 4, package_->size());

    EXPECT_EQ(reader_->FormatTag(), 70000);
    ASSERT_EQ(reader_->EntryCount(), std::size(kEntryOrder));
    for (std::size_t i = 0; i < std::size(kEntryOrder); ++i) EXPECT_EQ(reader_->EntryNames()[i], kEntryOrder[i]);

    EXPECT_EQ(descriptionName_, "le4-blackc.ini");
    const Bytes source = ReadBytes(SourcePath("res/skin/le4-blackc.ini"));
    EXPECT_EQ(descriptionText_, std::string(source.begin(), source.end()));
}

TEST_F(ShippedSkin, EveryBitmapDecodesAndIsPalettisedOrTrueColour)
{
    for (std::size_t i = 0; i + 1 < std::size(kEntryOrder); ++i) {
        MemoryStream entry;
        ASSERT_TRUE(reader_->ExtractEntry(kEntryOrder[i], entry)) << kEntryOrder[i];
        ASSERT_GE(entry.Size(), 30u) << kEntryOrder[i];
        const int bitCount = entry.Data()[28] | (entry.Data()[29] << 8);
        EXPECT_TRUE(bitCount == 8 || bitCount == 24) << kEntryOrder[i] << " has " << bitCount << " bits per pixel";
        PixelImage image;
        EXPECT_TRUE(DecodeBmp(entry.Data(), entry.Size(), image)) << kEntryOrder[i];
        EXPECT_GT(image.width, 0) << kEntryOrder[i];
        EXPECT_GT(image.height, 0) << kEntryOrder[i];
    }
}

TEST_F(ShippedSkin, EveryImageValueNamesAnEntryAndEveryBitmapIsUsed)
{
    std::vector<std::string> used;
    for (const std::string& line : SplitLines(TextBeforeNul(descriptionText_))) {
        const std::size_t equals = line.find('=');
        if (line.empty() || line[0] == ';' || equals == std::string::npos) continue;
        const std::string value(TrimBlanks(std::string_view(line).substr(equals + 1)));
        if (AsciiLower(value).find(".bmp") == std::string::npos) continue;
        const std::optional<std::string> entry = BitmapEntryName(value);
        ASSERT_TRUE(entry) << line << ": an image value must end in lower-case .bmp";
        MemoryStream body;
        EXPECT_TRUE(reader_->ExtractEntry(*entry, body)) << line;
        used.push_back(AsciiLower(*entry));
    }
    for (std::size_t i = 0; i + 1 < std::size(kEntryOrder); ++i)
        EXPECT_NE(std::find(used.begin(), used.end(), kEntryOrder[i]), used.end()) << kEntryOrder[i] << " is not used";
}

struct FrameCase {
    const char* section;
    const char* imageKey;
    int frames;              // fixed count, or 0 to read frameKey
    const char* frameKey;
    bool stacked;
};

const FrameCase kFrameCases[] = {
    {"Buttons", "Bitmap", 5, nullptr, false},
    {"Buttons", "CheckButton", 0, "CheckButtonFrame", false},
    {"Buttons", "RadioButton", 0, "RadioButtonFrame", false},
    {"Progress", "Bitmap", 1, nullptr, false},  // Style 1
    {"Progress.Chunk", "Image", 0, "Frame", false},
    {"Tabs", "Image", 5, nullptr, false},
    {"Tab.Pane", "Image", 1, nullptr, false},
    {"StatusBarEdges", "Image", 3, nullptr, false},
    {"ComboButton", "Image", 4, nullptr, false},
    {"SunkEdge", "Image", 4, nullptr, false},
    {"ExtraImages", "Image", 5, nullptr, false},
    {"Headerbar", "Image", 0, "Frame", false},
    {"MenuItem", "Image", 5, nullptr, false},
    {"MenuBackground", "Image", 1, nullptr, false},
    {"Scrollbar", "Image", 23, nullptr, false},
    {"HorzScroll", "Image", 4, nullptr, false},
    {"VertScroll", "Image", 4, nullptr, false},
    {"HorzScrollThumb", "Image", 0, "FrameCount", false},
    {"VertScrollThumb", "Image", 0, "FrameCount", false},
    {"Trackbar.ThumbHorz", "Image", 5, nullptr, false},
    {"Trackbar.ThumbDown", "Image", 5, nullptr, false},
    {"UpDown.Vert", "Image", 8, nullptr, false},
    {"UpDown.Vert", "GlyphImage", 8, nullptr, false},
    {"UpDown.Horz", "Image", 8, nullptr, false},
    {"UpDown.Horz", "GlyphImage", 8, nullptr, false},
    {"MDICONTROLS", "Image", 12, nullptr, false},
    {"BUTTON0", "ButtonImage", 6, nullptr, false},
    {"BUTTON1", "ButtonImage", 6, nullptr, false},
    {"BUTTON2", "ButtonImage", 6, nullptr, false},
    {"BUTTON3", "ButtonImage", 6, nullptr, false},
    {"Personality", "Left", 0, "LeftFrame", false},
    {"Personality", "Right", 0, "RightFrame", false},
    {"Personality", "Top", 0, "TopFrame", true},
    {"Personality", "Bottom", 0, "BottomFrame", true},
};

TEST_F(ShippedSkin, ImagesDivideIntoTheirFramesAndMarginsFitInside)
{
    for (const FrameCase& c : kFrameCases) {
        SCOPED_TRACE(std::string(c.section) + " " + c.imageKey);
        const PixelImage image = Image(Value(c.section, c.imageKey));
        ASSERT_FALSE(image.Empty());
        const int frames = c.frames ? c.frames : Int(c.section, c.frameKey);
        ASSERT_GT(frames, 0);
        const int along = c.stacked ? image.height : image.width;
        EXPECT_EQ(along % frames, 0) << along << " pixels do not divide into " << frames << " frames";
        const int frameW = c.stacked ? image.width : image.width / frames;
        const int frameH = c.stacked ? image.height / frames : image.height;
        if (std::string(c.section) == "Personality") continue;  // margins checked below
        EXPECT_LE(Int(c.section, "LeftWidth") + Int(c.section, "RightWidth"), frameW);
        EXPECT_LE(Int(c.section, "TopHeight") + Int(c.section, "BottomHeight"), frameH);
    }
}

TEST_F(ShippedSkin, FramePiecesMeetAndCaptionButtonsSitInTheTitleBar)
{
    const PixelImage left = Image(Value("Personality", "Left"));
    const PixelImage right = Image(Value("Personality", "Right"));
    const PixelImage top = Image(Value("Personality", "Top"));
    const PixelImage bottom = Image(Value("Personality", "Bottom"));
    const int border = left.width / Int("Personality", "LeftFrame");
    const int title = top.height / Int("Personality", "TopFrame");
    EXPECT_EQ(right.width / Int("Personality", "RightFrame"), border);
    EXPECT_EQ(bottom.height / Int("Personality", "BottomFrame"), border);
    // The side borders keep the title rows and the bottom rows unscaled.
    EXPECT_EQ(Int("Personality", "LeftTopHeight"), title);
    EXPECT_EQ(Int("Personality", "RightTopHeight"), title);
    EXPECT_EQ(Int("Personality", "LeftBotHeight"), border);
    EXPECT_LT(Int("Personality", "LeftTopHeight") + Int("Personality", "LeftBotHeight"), left.height);
    EXPECT_LE(Int("Personality", "TopTopHeight") + Int("Personality", "TopBotHeight"), top.width);

    for (const char* button : {"BUTTON0", "BUTTON1", "BUTTON2", "BUTTON3"}) {
        SCOPED_TRACE(button);
        const PixelImage image = Image(Value(button, "ButtonImage"));
        EXPECT_GT(image.width * 10, image.height * 38);  // wide enough to count as six frames
        EXPECT_GE(Int(button, "Ycoord"), 0);
        EXPECT_LE(Int(button, "Ycoord") + image.height, title);
        EXPECT_EQ(Int(button, "Align"), 1);
        // Right-aligned buttons stay clear of the right border and of the title text.
        EXPECT_GE(Int(button, "Xcoord") - image.width / 6, border);
        EXPECT_LE(Int(button, "Xcoord"), Int("Personality", "TextRightClip"));
    }
    EXPECT_EQ(Int("BUTTON4", "Action"), 3);
    EXPECT_TRUE(Value("BUTTON4", "ButtonImage").empty());
}

TEST_F(ShippedSkin, ElementsDrawnOpaqueHaveNoTransparentKeyPixels)
{
    const char* opaque[][2] = {{"Progress.Chunk", "Image"}, {"Tab.Pane", "Image"}, {"StatusBarEdges", "Image"},
                               {"Headerbar", "Image"}, {"MenuBackground", "Image"}, {"Personality", "Bottom"}};
    for (const auto& element : opaque) {
        SCOPED_TRACE(element[0]);
        ASSERT_EQ(Int(element[0], element[0] == std::string("Personality") ? "BottomTrans" : "Trans"), 0);
        const PixelImage image = Image(Value(element[0], element[1]));
        ASSERT_FALSE(image.Empty());
        EXPECT_EQ(std::count(image.pixels.begin(), image.pixels.end(), 0xFF00FFu), 0);
    }
}

}  // namespace
}  // namespace aw::skin
