#include "app/clean_summary.h"

#include <gtest/gtest.h>

namespace aw {
namespace {

struct SizeCase {
    std::int64_t Bytes;
    const char* Text;
};

TEST(FormatSize, UnitsAndRounding)
{
    const SizeCase cases[] = {
        {0, " bytes"},
        {1, "1 bytes"},
        {1024, "1024 bytes"},          // thresholds are strict
        {1025, "1 KB"},
        {1536, "1.5 KB"},
        {1048576, "1024 KB"},
        {1500000, "1.43 MB"},
        {1073741824, "1024 MB"},
        {1073741825, "1 GB"},
        {5368709120LL, "5 GB"},         // more than 2 GB neither wraps nor goes negative
        {1031, "1.01 KB"},              // 1.0068... rounds up
        {1029, "1 KB"},                 // 1.0048... rounds down, trailing zeros dropped
        {1034, "1.01 KB"},              // 1.00976...
        {2047, "2 KB"},                 // 1.999 rounds into the next integer
        {1048575 + 2, "1 MB"},
    };
    for (const SizeCase& c : cases)
        EXPECT_EQ(FormatSize(c.Bytes, '.'), c.Text) << c.Bytes;
}

TEST(FormatSize, HalfRoundsAwayFromZeroOnTheDecimalValue)
{
    // 1.125 KB = 1152 bytes -> 1.13.
    EXPECT_EQ(FormatSize(1152, '.'), "1.13 KB");
    // 1.375 KB = 1408 bytes -> 1.38.
    EXPECT_EQ(FormatSize(1408, '.'), "1.38 KB");
}

TEST(FormatSize, UsesTheUsersDecimalSeparator)
{
    EXPECT_EQ(FormatSize(1536, ','), "1,5 KB");
    EXPECT_EQ(FormatSize(1024, ','), "1024 bytes");
}

TEST(FormatElapsed, HoursMinutesSecondsWithoutPadding)
{
    EXPECT_EQ(FormatElapsed(0), "0:0:0");
    EXPECT_EQ(FormatElapsed(75), "0:1:15");
    EXPECT_EQ(FormatElapsed(3725), "1:2:5");
    EXPECT_EQ(FormatElapsed(90061), "25:1:1");
}

TEST(CleanSummary, FourLinesJoinedByCrLfAndAFifthForWhatWasLeft)
{
    EXPECT_EQ(BuildCleanSummary(CleanTotals{75400, 12, 3, 1536}, '.'),
              "Time elapsed: 0:1:15\r\nFiles deleted: 12\r\nRegistry keys deleted: 3\r\n"
              "Disk space cleaned: 1536 bytes (1.5 KB)");
    EXPECT_EQ(BuildCleanSummary(CleanTotals{999, 0, 0, 0}, '.'),
              "Time elapsed: 0:0:0\r\nFiles deleted: 0\r\nRegistry keys deleted: 0\r\n"
              "Disk space cleaned: 0 bytes ( bytes)");
    EXPECT_EQ(BuildCleanSummary(CleanTotals{1000, 1, 0, 3221225472LL}, '.'),
              "Time elapsed: 0:0:1\r\nFiles deleted: 1\r\nRegistry keys deleted: 0\r\n"
              "Disk space cleaned: 3221225472 bytes (3 GB)");
    // What had to be left follows on a fifth line, only when there is any.
    EXPECT_EQ(BuildCleanSummary(CleanTotals{1000, 1, 0, 10, 3, 2}, '.'),
              "Time elapsed: 0:0:1\r\nFiles deleted: 1\r\nRegistry keys deleted: 0\r\n"
              "Disk space cleaned: 10 bytes (10 bytes)\r\nCould not remove: 3 items (2 in use)");
    EXPECT_EQ(BuildCleanSummary(CleanTotals{1000, 0, 0, 0, 1, 0}, '.'),
              "Time elapsed: 0:0:1\r\nFiles deleted: 0\r\nRegistry keys deleted: 0\r\n"
              "Disk space cleaned: 0 bytes ( bytes)\r\nCould not remove: 1 item (0 in use)");
}

TEST(ElapsedTicks, SurvivesAWrapOfTheTickCounter)
{
    EXPECT_EQ(ElapsedTicks(1000, 76400), 75400);
    EXPECT_EQ(ElapsedTicks(0xFFFFFF00u, 0x100u), 512);
    EXPECT_EQ(ElapsedTicks(5, 5), 0);
}

} // namespace
} // namespace aw

namespace aw {
namespace {

TEST(ProgressText, NamesTheCategoryAndCountsWhatIsGone)
{
    EXPECT_EQ(BuildProgressText("Opera", "Cache", 120, 1536, '.'), "  Cleaning Opera > Cache: 120 files, 1.5 KB");
    EXPECT_EQ(BuildProgressText("Opera", "Cache", 1, 0, '.'), "  Cleaning Opera > Cache: 1 file, 0 bytes");
    EXPECT_EQ(BuildProgressText("", "", 0, 0, ','), "  Cleaning: 0 files, 0 bytes");
}

} // namespace
} // namespace aw
