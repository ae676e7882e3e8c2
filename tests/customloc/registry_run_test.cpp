// "REG:" lines on real keys below private keys of HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE.
#include "cleaner/wine_support.h"
#include "cleaner/clean_plan.h"
#include "customloc/custom_locations.h"

#include <gtest/gtest.h>

#include <shlwapi.h>

namespace aw {
namespace {

const std::string kTests = "Software\\AshwardenTests";
const std::string kBase = kTests + "\\Custom";

bool KeyExistsIn(HKEY root, const std::string& path)
{
    HKEY key;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

bool ValueExistsIn(HKEY root, const std::string& keyPath, const std::string& name)
{
    HKEY key;
    if (RegOpenKeyExA(root, keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    bool found = RegQueryValueExA(key, name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    RegCloseKey(key);
    return found;
}

// Creates the key (and its parents) with one value of the given name ("" for the default).
void SeedValue(HKEY root, const std::string& keyPath, const std::string& name)
{
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS,
              RegCreateKeyExA(root, keyPath.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr));
    RegSetValueExA(key, name.empty() ? nullptr : name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>("x"), 2);
    RegCloseKey(key);
}

class CustomRegistryRun : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::RequireSandbox(); }
    void SetUp() override { RemoveAll(); }
    void TearDown() override { RemoveAll(); }

    static void RemoveAll()
    {
        SHDeleteKeyA(HKEY_CURRENT_USER, kTests.c_str());
        SHDeleteKeyA(HKEY_LOCAL_MACHINE, kTests.c_str());
        SHDeleteKeyA(HKEY_CURRENT_USER, "AshwardenTopLevel");
    }

    static CleanCounters Run(const std::vector<std::string>& lines)
    {
        CleanCounters counters;
        RunCustomLocations(lines, false, counters);
        return counters;
    }
};

TEST_F(CustomRegistryRun, AValueIsDeletedAndItsKeyStays)
{
    SeedValue(HKEY_CURRENT_USER, kBase + "\\Some App", "LastFile");
    SeedValue(HKEY_CURRENT_USER, kBase + "\\Some App", "Other");

    CleanCounters counters = Run({"REG:HKCU\\" + kBase + "\\Some App\\LastFile"});
    EXPECT_FALSE(ValueExistsIn(HKEY_CURRENT_USER, kBase + "\\Some App", "LastFile"));
    EXPECT_TRUE(ValueExistsIn(HKEY_CURRENT_USER, kBase + "\\Some App", "Other"));
    EXPECT_EQ(1, counters.RegistryKeysDeleted);
    EXPECT_EQ(0, counters.FilesDeleted);

    // Nothing of that name any more: the line does nothing.
    EXPECT_EQ(0, Run({"REG:HKCU\\" + kBase + "\\Some App\\LastFile"}).RegistryKeysDeleted);
    EXPECT_TRUE(KeyExistsIn(HKEY_CURRENT_USER, kBase + "\\Some App"));
}

TEST_F(CustomRegistryRun, WithoutSuchAValueTheKeyTreeGoesAndCountsOnce)
{
    SeedValue(HKEY_CURRENT_USER, kBase + "\\Some App\\LastFile\\A\\B\\C", "v");
    SeedValue(HKEY_CURRENT_USER, kBase + "\\Some App\\LastFile\\D", "v");
    SeedValue(HKEY_CURRENT_USER, kBase + "\\Some App\\Sibling", "v");

    CleanCounters counters = Run({"REG:HKCU\\" + kBase + "\\Some App\\LastFile"});
    EXPECT_FALSE(KeyExistsIn(HKEY_CURRENT_USER, kBase + "\\Some App\\LastFile"));
    EXPECT_TRUE(KeyExistsIn(HKEY_CURRENT_USER, kBase + "\\Some App\\Sibling"));
    EXPECT_EQ(1, counters.RegistryKeysDeleted);
}

TEST_F(CustomRegistryRun, ANameThatIsBothValueAndSubKeyLosesOnlyTheValue)
{
    SeedValue(HKEY_CURRENT_USER, kBase, "Both");
    SeedValue(HKEY_CURRENT_USER, kBase + "\\Both", "inner");

    CleanCounters counters = Run({"REG:HKCU\\" + kBase + "\\Both"});
    EXPECT_FALSE(ValueExistsIn(HKEY_CURRENT_USER, kBase, "Both"));
    EXPECT_TRUE(KeyExistsIn(HKEY_CURRENT_USER, kBase + "\\Both"));
    EXPECT_EQ(1, counters.RegistryKeysDeleted);
}

TEST_F(CustomRegistryRun, AKeyDirectlyBelowTheRootIsNeverDeleted)
{
    SeedValue(HKEY_CURRENT_USER, "AshwardenTopLevel\\Child", "v");

    CleanCounters counters =
        Run({"REG:HKCU\\AshwardenTopLevel", "REG:HKCU/AshwardenTopLevel", "REG:HKCU\\Software", "REG:HKCU"});
    EXPECT_TRUE(KeyExistsIn(HKEY_CURRENT_USER, "AshwardenTopLevel\\Child"));
    EXPECT_TRUE(KeyExistsIn(HKEY_CURRENT_USER, "Software\\Microsoft"));
    EXPECT_EQ(0, counters.RegistryKeysDeleted);
}

TEST_F(CustomRegistryRun, LocalMachineWorksLikewise)
{
    SeedValue(HKEY_LOCAL_MACHINE, kBase + "\\Some App", "History");
    SeedValue(HKEY_LOCAL_MACHINE, kBase + "\\Some App\\Recent\\Deep", "v");
    // The same value under the other root is left alone; the same key is named for both.
    SeedValue(HKEY_CURRENT_USER, kBase + "\\Some App", "History");
    SeedValue(HKEY_CURRENT_USER, kBase + "\\Some App\\Recent", "v");
    const std::vector<std::string> lines = {"REG:HKLM\\" + kBase + "\\Some App\\History",
                                            "REG:HKCU\\" + kBase + "\\Some App\\Recent",
                                            "REG:HKLM\\" + kBase + "\\Some App\\Recent"};

    // The preview names the root of a key outside HKEY_CURRENT_USER, so the same path below
    // both roots is listed twice.
    CleanPlan plan;
    PlanRecorder recorder(plan);
    CleanCounters previewed;
    RunCustomLocations(lines, false, previewed, recorder);
    std::vector<std::string> listed;
    for (const PlanEntry& entry : plan.Entries)
        listed.push_back(entry.Path);
    EXPECT_EQ(listed, (std::vector<std::string>{"HKEY_LOCAL_MACHINE\\" + kBase + "\\Some App\\History",
                                                kBase + "\\Some App\\Recent",
                                                "HKEY_LOCAL_MACHINE\\" + kBase + "\\Some App\\Recent"}));

    CleanCounters counters = Run(lines);
    EXPECT_FALSE(ValueExistsIn(HKEY_LOCAL_MACHINE, kBase + "\\Some App", "History"));
    EXPECT_FALSE(KeyExistsIn(HKEY_LOCAL_MACHINE, kBase + "\\Some App\\Recent"));
    EXPECT_TRUE(KeyExistsIn(HKEY_LOCAL_MACHINE, kBase + "\\Some App"));
    EXPECT_TRUE(ValueExistsIn(HKEY_CURRENT_USER, kBase + "\\Some App", "History"));
    EXPECT_FALSE(KeyExistsIn(HKEY_CURRENT_USER, kBase + "\\Some App\\Recent"));
    EXPECT_EQ(3, counters.RegistryKeysDeleted);
}

TEST_F(CustomRegistryRun, PathsAreTakenAsWrittenAndATrailingBackslashNamesTheDefaultValue)
{
    SeedValue(HKEY_CURRENT_USER, kBase + "\\%TEMP% and spaces", "");
    SeedValue(HKEY_CURRENT_USER, kBase + "\\%TEMP% and spaces", "kept");

    CleanCounters counters = Run({"REG:HKCU\\" + kBase + "\\%TEMP% and spaces\\"});
    EXPECT_FALSE(ValueExistsIn(HKEY_CURRENT_USER, kBase + "\\%TEMP% and spaces", ""));
    EXPECT_TRUE(ValueExistsIn(HKEY_CURRENT_USER, kBase + "\\%TEMP% and spaces", "kept"));
    EXPECT_EQ(1, counters.RegistryKeysDeleted);

    counters = Run({"REG:HKCU\\" + kBase + "\\%TEMP% and spaces"});
    EXPECT_FALSE(KeyExistsIn(HKEY_CURRENT_USER, kBase + "\\%TEMP% and spaces"));
    EXPECT_EQ(1, counters.RegistryKeysDeleted);
}

} // namespace
} // namespace aw
