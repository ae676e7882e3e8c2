#include "settings/option_value.h"

#include <gtest/gtest.h>

namespace aw {
namespace {

TEST(OptionValue, NumbersAreCheckedWhenNotZero)
{
    EXPECT_EQ(ParseOptionValue("-1", '.'), true);
    EXPECT_EQ(ParseOptionValue("1", '.'), true);
    EXPECT_EQ(ParseOptionValue("2", '.'), true);
    EXPECT_EQ(ParseOptionValue("0", '.'), false);
    EXPECT_EQ(ParseOptionValue("-0", '.'), false);
    EXPECT_EQ(ParseOptionValue("0.0", '.'), false);
    EXPECT_EQ(ParseOptionValue("0.5", '.'), true);
    EXPECT_EQ(ParseOptionValue("1e3", '.'), true);
    EXPECT_EQ(ParseOptionValue(" 1 ", '.'), true);
}

TEST(OptionValue, FractionsUseTheUsersDecimalSeparator)
{
    EXPECT_EQ(ParseOptionValue("0,5", ','), true);
    EXPECT_EQ(ParseOptionValue("0,0", ','), false);
    EXPECT_EQ(ParseOptionValue("0,5", '.'), std::nullopt);
    EXPECT_EQ(ParseOptionValue("0.5", ','), std::nullopt);
}

TEST(OptionValue, TrueAndFalseInAnyCase)
{
    EXPECT_EQ(ParseOptionValue("True", '.'), true);
    EXPECT_EQ(ParseOptionValue("TRUE", '.'), true);
    EXPECT_EQ(ParseOptionValue("false", '.'), false);
    EXPECT_EQ(ParseOptionValue("fAlSe", '.'), false);
}

TEST(OptionValue, AnythingElseIsNoValue)
{
    for (const char* text : {"", "yes", "no", "on", "1x", "x1", "--1", ".", "1e", "True ", " ", "-"})
        EXPECT_EQ(ParseOptionValue(text, '.'), std::nullopt) << '"' << text << '"';
}

TEST(OptionValue, WrittenAsMinusOneAndZero)
{
    EXPECT_STREQ(OptionValueText(true), "-1");
    EXPECT_STREQ(OptionValueText(false), "0");
}

} // namespace
} // namespace aw
