#include "app/command_line.h"

#include <gtest/gtest.h>

namespace aw {
namespace {

TEST(StartMode, OnlyTheExactFirstArgumentCounts)
{
    EXPECT_EQ(ParseStartMode({}), StartMode::Normal);
    EXPECT_EQ(ParseStartMode({"-startup"}), StartMode::Startup);
    EXPECT_EQ(ParseStartMode({"-clean"}), StartMode::Clean);
    EXPECT_EQ(ParseStartMode({"-clean", "-startup"}), StartMode::Clean);
    EXPECT_EQ(ParseStartMode({"-Startup"}), StartMode::Normal);
    EXPECT_EQ(ParseStartMode({"-CLEAN"}), StartMode::Normal);
    EXPECT_EQ(ParseStartMode({"x", "-clean"}), StartMode::Normal);
    EXPECT_EQ(ParseStartMode({" -clean"}), StartMode::Normal);
    EXPECT_EQ(ParseStartMode({"-clean "}), StartMode::Normal);
    EXPECT_EQ(ParseStartMode({""}), StartMode::Normal);
    EXPECT_EQ(ParseStartMode({"-preview", "plan.csv"}), StartMode::Preview);
    EXPECT_EQ(ParseStartMode({"-preview"}), StartMode::Normal);
    EXPECT_EQ(ParseStartMode({"-preview", ""}), StartMode::Normal);
    EXPECT_EQ(ParseStartMode({"-Preview", "plan.csv"}), StartMode::Normal);
}

TEST(StartMode, ALogFileFollowsOnlyACleaningStart)
{
    EXPECT_EQ(CleanLogArgument({"-clean", "-log", "a b.csv"}), "a b.csv");
    EXPECT_EQ(CleanLogArgument({"-startup", "-log", "x.csv"}), "x.csv");
    EXPECT_EQ(CleanLogArgument({"-clean", "-log"}), "");
    EXPECT_EQ(CleanLogArgument({"-clean", "-Log", "x.csv"}), "");
    EXPECT_EQ(CleanLogArgument({"-preview", "-log", "x.csv"}), "");
    EXPECT_EQ(CleanLogArgument({"-log", "x.csv"}), "");
}

} // namespace
} // namespace aw
