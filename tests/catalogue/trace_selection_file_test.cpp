// Traces.ini through the real profile services, against a real trace tree.
#include "catalogue/trace_catalogue.h"
#include "catalogue/trace_selection_file.h"
#include "catalogue/trace_tree_window.h"
#include "cleaner/browser_families.h"
#include "cleaner/wine_support.h"
#include "platform/folder_services.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace aw {
namespace {

using test::TraceTreeWindow;

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> CrLfLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

// A pattern that ticks every other category and differs between groups.
void TickAlternately(TraceTreeWindow& window)
{
    int i = 0;
    for (ui::TreeNode group = window.Tree().FirstRoot(); group; group = group.NextSibling())
        for (ui::TreeNode child = group.FirstChild(); child; child = child.NextSibling())
            child.SetStateIndex(i++ % 3 == 0 ? StateSelected : StateNotSelected);
}

class TracesIniTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::RequireSandbox(); }

    void SetUp() override
    {
        folder_ = GetTempFolder() + "aw-traces-" + std::to_string(GetCurrentProcessId()) + "\\";
        test::RemoveTree(folder_);
        ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr));
        path_ = folder_ + "Traces.ini";
    }
    void TearDown() override { test::RemoveTree(folder_); }

    void WriteFile(const std::string& text)
    {
        std::ofstream(path_, std::ios::binary) << text;
    }

    TraceTreeWindow window;
    std::string folder_;
    std::string path_;
};

TEST_F(TracesIniTest, SaveUntickLoadRestoresTheSelectionExactly)
{
    TickAlternately(window);
    const std::vector<int> saved = window.States();
    SaveTraceSelectionAt(path_, window.Tree());

    window.SetAll(StateNotSelected);
    LoadTraceSelectionAt(path_, window.Tree());
    EXPECT_EQ(window.States(), saved);

    // And the other way round: what was unticked is unticked again.
    window.SetAll(StateSelected);
    LoadTraceSelectionAt(path_, window.Tree());
    EXPECT_EQ(window.States(), saved);
}

TEST_F(TracesIniTest, AFreshFileHoldsEveryCategoryInWalkingOrder)
{
    window.SetAll(StateNotSelected);
    window.SetState("Apple Safari", "Cache", StateSelected);
    window.SetState("Apple Safari", "Cookies", StateSelected);
    window.SetState("Windows", "Wordpad History", StateSelected);
    SaveTraceSelectionAt(path_, window.Tree());

    std::vector<std::string> lines = CrLfLines(ReadAll(path_));
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines[0], "[Advanced]");
    EXPECT_EQ(lines[1], "Custom Locations=False");
    EXPECT_EQ(lines[2], "[Apple Safari]");
    EXPECT_EQ(lines[3], "Cache=True");
    EXPECT_EQ(lines[4], "Cookies=True");

    // The whole file: every group's section with every category's entry, nothing else.
    std::vector<std::string> expected;
    for (const CatalogueGroup& group : TraceCatalogue()) {
        expected.push_back("[" + std::string(group.Text) + "]");
        for (std::string_view category : group.Categories) {
            bool ticked = (group.Text == "Apple Safari" && (category == "Cache" || category == "Cookies")) ||
                          (group.Text == "Windows" && category == "Wordpad History");
            expected.push_back(std::string(category) + (ticked ? "=True" : "=False"));
        }
    }
    std::vector<std::string> nonEmpty;
    for (const std::string& line : lines)
        if (!line.empty())
            nonEmpty.push_back(line);
    EXPECT_EQ(nonEmpty, expected);
}

TEST_F(TracesIniTest, OnlyTheFilesOwnSectionsChangeTheTree)
{
    // A file whose only section is Opera, with a single ticked key.
    WriteFile("[Opera]\r\nCache=True\r\n");
    TickAlternately(window);
    window.SetGroup("Opera", StateSelected);
    window.SetState("Opera", "Cache", StateNotSelected);
    std::map<std::string, std::vector<int>> before;
    for (const CatalogueGroup& group : TraceCatalogue())
        before[std::string(group.Text)] = window.GroupStates(std::string(group.Text));

    LoadTraceSelectionAt(path_, window.Tree());

    EXPECT_EQ(window.State("Opera", "Cache"), StateSelected);
    for (std::string category : {"Cookies", "Downloads History", "Search Field History", "Sessions History",
                                 "Temporary Downloads", "URLs History"})
        EXPECT_EQ(window.State("Opera", category), StateNotSelected) << category;
    // Nothing outside Opera moved, "Cache" of the other browsers included.
    for (const auto& [group, states] : before) {
        if (group != "Opera") {
            EXPECT_EQ(window.GroupStates(group), states) << group;
        }
    }
}

// A file saved before the families' browsers and Windows' newer traces were known: what it holds
// loads as it always did; the pairs it cannot know stay unticked.
TEST_F(TracesIniTest, AFileFromBeforeTheNewerGroupsLoadsAsBefore)
{
    const std::set<std::string_view> newerWindows = {"Error Reports", "Explorer MRU Lists", "Jump Lists",
                                                     "Thumbnail Cache"};
    std::set<std::string_view> families;
    for (const FamilyBrowser& browser : FamilyBrowsers())
        families.insert(browser.Group);
    std::string file;
    std::map<std::pair<std::string, std::string>, int> saved;
    int i = 0;
    for (const CatalogueGroup& group : TraceCatalogue()) {
        if (families.count(group.Text))
            continue;
        file += "[" + std::string(group.Text) + "]\r\n";
        for (std::string_view category : group.Categories) {
            if (group.Text == "Windows" && newerWindows.count(category))
                continue;
            const bool ticked = i++ % 2 == 0;
            file += std::string(category) + (ticked ? "=True\r\n" : "=False\r\n");
            saved[{std::string(group.Text), std::string(category)}] = ticked ? StateSelected : StateNotSelected;
        }
    }
    ASSERT_EQ(saved.size(), 106u);
    WriteFile(file);

    LoadTraceSelectionAt(path_, window.Tree());
    for (const CatalogueGroup& group : TraceCatalogue())
        for (std::string_view category : group.Categories) {
            auto old = saved.find({std::string(group.Text), std::string(category)});
            EXPECT_EQ(window.State(std::string(group.Text), std::string(category)),
                      old == saved.end() ? StateNotSelected : old->second)
                << group.Text << " > " << category;
        }
}

TEST_F(TracesIniTest, OnlyTheExactValueTrueTicks)
{
    WriteFile("[Opera]\r\n"
              "Cache=true\r\n"
              "Cookies=1\r\n"
              "Downloads History=TRUE\r\n"
              "Search Field History=\r\n"
              "Sessions History=True\r\n"
              "Temporary Downloads=Trueish\r\n");
    window.SetGroup("Opera", StateSelected);
    window.SetState("Opera", "Sessions History", StateNotSelected);

    LoadTraceSelectionAt(path_, window.Tree());

    EXPECT_EQ(window.GroupStates("Opera"),
              (std::vector<int>{StateNotSelected, StateNotSelected, StateNotSelected, StateNotSelected, StateSelected,
                                StateNotSelected, StateNotSelected}))
        << "Cache, Cookies, Downloads History, Search Field History, Sessions History, Temporary Downloads, "
           "URLs History (missing key)";
}

TEST_F(TracesIniTest, SectionNamesMatchCaseSensitivelyKeyNamesDoNot)
{
    WriteFile("[opera]\r\nCache=True\r\nCookies=True\r\n[Flock]\r\ncache=True\r\nCOOKIES=True\r\n");
    window.SetAll(StateNotSelected);
    window.SetState("Opera", "URLs History", StateSelected);
    window.SetState("Flock", "History", StateSelected);

    LoadTraceSelectionAt(path_, window.Tree());

    // "opera" is no group: Opera keeps its states.
    EXPECT_EQ(window.State("Opera", "Cache"), StateNotSelected);
    EXPECT_EQ(window.State("Opera", "URLs History"), StateSelected);
    // Inside "Flock" the keys match whatever their case; the missing ones untick.
    EXPECT_EQ(window.State("Flock", "Cache"), StateSelected);
    EXPECT_EQ(window.State("Flock", "Cookies"), StateSelected);
    EXPECT_EQ(window.State("Flock", "History"), StateNotSelected);
}

TEST_F(TracesIniTest, SavingKeepsWhatElseTheFileHolds)
{
    WriteFile("[Notes]\r\nowner=someone\r\n[Opera]\r\nUnknown Key=kept\r\nCache=True\r\n[Zeta]\r\nz=1\r\n");
    window.SetAll(StateNotSelected);
    window.SetState("Opera", "Cookies", StateSelected);

    SaveTraceSelectionAt(path_, window.Tree());

    std::vector<std::string> lines = CrLfLines(ReadAll(path_));
    std::vector<std::string> nonEmpty;
    for (const std::string& line : lines)
        if (!line.empty())
            nonEmpty.push_back(line);
    ASSERT_GE(nonEmpty.size(), 9u);
    // The existing sections keep their places and content; an existing key keeps its place
    // with its new value, new keys follow the existing ones of their section.
    EXPECT_EQ(nonEmpty[0], "[Notes]");
    EXPECT_EQ(nonEmpty[1], "owner=someone");
    EXPECT_EQ(nonEmpty[2], "[Opera]");
    EXPECT_EQ(nonEmpty[3], "Unknown Key=kept");
    EXPECT_EQ(nonEmpty[4], "Cache=False");
    EXPECT_EQ(nonEmpty[5], "Cookies=True");
    auto zeta = std::find(nonEmpty.begin(), nonEmpty.end(), "[Zeta]");
    ASSERT_NE(zeta, nonEmpty.end());
    ASSERT_NE(zeta + 1, nonEmpty.end());
    EXPECT_EQ(*(zeta + 1), "z=1");
    // New sections go after the existing ones.
    auto advanced = std::find(nonEmpty.begin(), nonEmpty.end(), "[Advanced]");
    EXPECT_GT(advanced, zeta);

    // And the saved selection reads back.
    window.SetAll(StateSelected);
    LoadTraceSelectionAt(path_, window.Tree());
    EXPECT_EQ(window.State("Opera", "Cookies"), StateSelected);
    EXPECT_EQ(window.State("Opera", "Cache"), StateNotSelected);
}

TEST_F(TracesIniTest, WithoutAFileLoadingChangesNothingAndCreatesNothing)
{
    TickAlternately(window);
    std::vector<int> before = window.States();
    LoadTraceSelectionAt(path_, window.Tree());
    EXPECT_EQ(window.States(), before);
    EXPECT_FALSE(test::PathExists(path_));
}

TEST_F(TracesIniTest, AFolderThatCannotBeWrittenFailsSilently)
{
    std::string missing = folder_ + "no such folder\\Traces.ini";
    TickAlternately(window);
    SaveTraceSelectionAt(missing, window.Tree());
    EXPECT_FALSE(test::PathExists(missing));
}

TEST_F(TracesIniTest, TheFileNameFormUsesTheExecutablesFolder)
{
    const std::string name = "Traces-" + std::to_string(GetCurrentProcessId()) + ".ini";
    const std::string besideExe = GetExeFolder() + name;
    ASSERT_FALSE(GetExeFolder().empty());
    DeleteFileA(besideExe.c_str());

    window.SetAll(StateNotSelected);
    window.SetState("QtWeb", "History", StateSelected);
    SaveTraceSelection(name, window.Tree());
    EXPECT_TRUE(test::PathExists(besideExe));

    window.SetAll(StateSelected);
    LoadTraceSelection(name, window.Tree());
    EXPECT_EQ(window.State("QtWeb", "History"), StateSelected);
    EXPECT_EQ(window.State("QtWeb", "Cache"), StateNotSelected);
    DeleteFileA(besideExe.c_str());
}

} // namespace
} // namespace aw
