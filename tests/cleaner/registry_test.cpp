// The registry primitives on real keys below a private key of HKEY_CURRENT_USER.
#include "cleaner/registry_primitives.h"
#include "cleaner/wine_support.h"
#include "platform/registry_key.h"

#include <gtest/gtest.h>

#include <shlwapi.h>

namespace aw {
namespace {

const std::string kBase = "Software\\AshwardenTests\\Registry";
// Names the ANSI code page cannot spell (Cyrillic, Chinese, an emoji), in UTF-8.
const std::string kCyrillic = "\xD0\xBA\xD0\xBB\xD1\x8E\xD1\x87";   // ключ
const std::string kChinese = "\xE5\xA0\xB1\xE5\x91\x8A";               // 報告
const std::string kEmoji = "\xF0\x9F\x98\x80";

class RegistryPrimitives : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::RequireSandbox(); }
    void SetUp() override { SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\AshwardenTests"); }
    void TearDown() override { SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\AshwardenTests"); }
};

TEST_F(RegistryPrimitives, KeyTreeIsRemovedChildrenFirst)
{
    test::Seeds seeds;
    seeds.key(kBase + "\\Tree\\A\\A1\\A11");
    seeds.key(kBase + "\\Tree\\A\\A2");
    seeds.key(kBase + "\\Tree\\B");
    seeds.key(kBase + "\\Tree\\" + kCyrillic + "\\" + kChinese + kEmoji);
    seeds.value(kBase + "\\Tree", "v", "x");
    seeds.key(kBase + "\\Sibling");

    EXPECT_TRUE(RegRemoveKeyTree(HKEY_CURRENT_USER, kBase + "\\Tree"));
    EXPECT_FALSE(test::KeyExists(kBase + "\\Tree"));
    EXPECT_TRUE(test::KeyExists(kBase + "\\Sibling"));
    EXPECT_FALSE(RegRemoveKeyTree(HKEY_CURRENT_USER, kBase + "\\Tree"));
    EXPECT_FALSE(RegKeyExists(HKEY_CURRENT_USER, kBase + "\\Tree"));
    EXPECT_TRUE(RegKeyExists(HKEY_CURRENT_USER, kBase + "\\Sibling"));
}

TEST_F(RegistryPrimitives, KeysDirectlyBelowTheRootAreRefused)
{
    test::Seeds seeds;
    seeds.key("AshwardenTopLevel\\Child");
    EXPECT_FALSE(RegRemoveKeyTree(HKEY_CURRENT_USER, "Software"));
    EXPECT_FALSE(RegRemoveKeyTree(HKEY_CURRENT_USER, "Software\\"));
    EXPECT_FALSE(RegRemoveKeyTree(HKEY_CURRENT_USER, "AshwardenTopLevel\\"));
    EXPECT_FALSE(RegRemoveKeyTree(HKEY_CURRENT_USER, "\\AshwardenTopLevel"));
    EXPECT_TRUE(test::KeyExists("Software\\Microsoft"));
    EXPECT_TRUE(test::KeyExists("AshwardenTopLevel\\Child"));
}

TEST_F(RegistryPrimitives, ValuesAreWrittenReadAndRemovedThroughValuePaths)
{
    EXPECT_TRUE(RegWriteString(HKEY_CURRENT_USER, kBase + "\\Sub\\Name", "hello"));
    EXPECT_TRUE(RegValueExists(HKEY_CURRENT_USER, kBase + "\\Sub\\Name"));
    EXPECT_EQ("hello", RegReadString(HKEY_CURRENT_USER, kBase + "\\Sub\\Name").value_or("<none>"));

    // A trailing backslash names the key's default value.
    EXPECT_TRUE(RegWriteString(HKEY_CURRENT_USER, kBase + "\\Sub\\", "default"));
    EXPECT_EQ("default", RegReadString(HKEY_CURRENT_USER, kBase + "\\Sub\\").value_or("<none>"));

    EXPECT_TRUE(RegRemoveValue(HKEY_CURRENT_USER, kBase + "\\Sub\\Name"));
    EXPECT_FALSE(RegValueExists(HKEY_CURRENT_USER, kBase + "\\Sub\\Name"));
    EXPECT_FALSE(RegRemoveValue(HKEY_CURRENT_USER, kBase + "\\Sub\\Name"));
    EXPECT_TRUE(test::KeyExists(kBase + "\\Sub"));

    // Key, value name and text that the ANSI code page cannot spell.
    const std::string named = kBase + "\\" + kCyrillic + "\\" + kChinese;
    EXPECT_TRUE(RegWriteString(HKEY_CURRENT_USER, named, kCyrillic + " " + kEmoji));
    EXPECT_TRUE(test::ValueExists(kBase + "\\" + kCyrillic, kChinese));
    EXPECT_FALSE(test::ValueExists(kBase + "\\" + kCyrillic, "??"));
    EXPECT_EQ(kCyrillic + " " + kEmoji, RegReadString(HKEY_CURRENT_USER, named).value_or("<none>"));
    EXPECT_TRUE(RegRemoveValue(HKEY_CURRENT_USER, named));
    EXPECT_FALSE(test::ValueExists(kBase + "\\" + kCyrillic, kChinese));
    // A name that is not UTF-8 names nothing: never the key's default value or the key itself.
    EXPECT_TRUE(RegWriteString(HKEY_CURRENT_USER, kBase + "\\Sub\\", "default"));
    EXPECT_FALSE(RegRemoveValue(HKEY_CURRENT_USER, kBase + "\\Sub\\\xE9"));
    EXPECT_FALSE(RegRemoveKeyTree(HKEY_CURRENT_USER, kBase + "\\Sub\\\xE9"));
    EXPECT_TRUE(test::ValueExists(kBase + "\\Sub", ""));
}

TEST_F(RegistryPrimitives, AValuePathWithoutBackslashTouchesNothing)
{
    EXPECT_FALSE(RegWriteString(HKEY_CURRENT_USER, "AshwardenNoSlash", "x"));
    EXPECT_FALSE(RegValueExists(HKEY_CURRENT_USER, "AshwardenNoSlash"));
    EXPECT_FALSE(RegReadString(HKEY_CURRENT_USER, "AshwardenNoSlash"));
    EXPECT_FALSE(RegRemoveValue(HKEY_CURRENT_USER, "AshwardenNoSlash"));
    EXPECT_FALSE(test::ValueExists("", "AshwardenNoSlash"));
    EXPECT_FALSE(test::KeyExists("AshwardenNoSlash"));
}

TEST_F(RegistryPrimitives, OnlyStringValuesReadAsText)
{
    DWORD number = 7;
    ASSERT_TRUE(RegWriteValue(HKEY_CURRENT_USER, kBase + "\\Number", REG_DWORD, &number, sizeof number));
    EXPECT_FALSE(RegReadString(HKEY_CURRENT_USER, kBase + "\\Number"));
    auto raw = RegReadValue(HKEY_CURRENT_USER, kBase + "\\Number", REG_DWORD);
    ASSERT_TRUE(raw);
    EXPECT_EQ(sizeof number, raw->size());

    ASSERT_TRUE(RegWriteValue(HKEY_CURRENT_USER, kBase + "\\Expand", REG_EXPAND_SZ, "%TEMP%", 7));
    EXPECT_FALSE(RegReadString(HKEY_CURRENT_USER, kBase + "\\Expand"));

    // Strings stored without their terminator, with an odd byte after the last unit, or with
    // no bytes at all, still read whole.
    ASSERT_TRUE(RegWriteValue(HKEY_CURRENT_USER, kBase + "\\Bare", REG_SZ, L"abc", 6));
    EXPECT_EQ("abc", RegReadString(HKEY_CURRENT_USER, kBase + "\\Bare").value_or("<none>"));
    ASSERT_TRUE(RegWriteValue(HKEY_CURRENT_USER, kBase + "\\Odd", REG_SZ, L"abc", 7));
    EXPECT_EQ("abc", RegReadString(HKEY_CURRENT_USER, kBase + "\\Odd").value_or("<none>"));
    ASSERT_TRUE(RegWriteValue(HKEY_CURRENT_USER, kBase + "\\Empty", REG_SZ, "", 0));
    EXPECT_EQ("", RegReadString(HKEY_CURRENT_USER, kBase + "\\Empty").value_or("<none>"));
}

} // namespace
} // namespace aw
