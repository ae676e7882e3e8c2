// The preview window: categories that open into their paths, sorting by size, its Clean
// button, and the tree menu's "Preview..." that removes nothing.
#include "app_fixture.h"

#include "app/clean_summary.h"
#include "app/preview_form.h"
#include "app/trace_tree.h"
#include "platform/folder_services.h"
#include "settings/settings_store.h"

namespace aw::test {
namespace {

using PreviewWindow = AppFixture;

CleanPlan SmallPlan()
{
    CleanPlan plan;
    plan.Categories = {{"Opera", "Cache"}, {"Windows", "Run MRU List"}, {"Windows", "Recent Folder"}};
    plan.Entries = {{0, PlanKind::File, "C:\\c\\a", 10},
                    {0, PlanKind::File, "C:\\c\\b", 3000},
                    {0, PlanKind::Folder, "C:\\c\\d", 0},
                    {1, PlanKind::Key, "Software\\RunMRU", 0},
                    {2, PlanKind::File, "C:\\r\\x.lnk", 5000}};
    return plan;
}

TEST_F(PreviewWindow, PreviewWindowOpensCategoriesSortsBySizeAndCleansThroughTheCommand)
{
    int cleans = 0;
    PreviewForm preview(SmallPlan(), [&] { ++cleans; });
    preview.Build();
    ASSERT_EQ(preview.RowCount(), 3);
    EXPECT_EQ(preview.Cell(0, 0), "+ Opera > Cache");
    EXPECT_EQ(preview.Cell(0, 1), "3");
    EXPECT_EQ(preview.Cell(0, 2), FormatSize(3010, UserDecimalSeparator()));

    preview.ToggleRow(0);
    ASSERT_EQ(preview.RowCount(), 6);
    EXPECT_EQ(preview.Cell(0, 0), "- Opera > Cache");
    EXPECT_EQ(preview.Cell(2, 0), "      C:\\c\\b");
    EXPECT_EQ(preview.Cell(3, 1), "folder");
    preview.ToggleRow(1); // a path: nothing happens
    EXPECT_EQ(preview.RowCount(), 6);

    preview.SortBySize();
    EXPECT_EQ(preview.Cell(0, 0), "+ Windows > Recent Folder");
    EXPECT_EQ(preview.Cell(1, 0), "- Opera > Cache");
    EXPECT_EQ(preview.Cell(2, 0), "      C:\\c\\b");
    EXPECT_EQ(preview.Cell(3, 0), "      C:\\c\\a");
    EXPECT_EQ(preview.Cell(5, 0), "+ Windows > Run MRU List");

    preview.Show();
    preview.CleanButton->Click();
    EXPECT_EQ(cleans, 1);
    EXPECT_FALSE(preview.IsVisible());
}

// "Not Removed" shows what the last Clean had to leave, each with why, and goes back to the
// plan; without anything left the button cannot be pressed.
TEST_F(PreviewWindow, NotRemovedShowsTheLastCleansEntriesLeftWithTheirReasons)
{
    CleanLog left;
    left.Plan.Categories = {{"Windows", "Thumbnail Cache"}};
    left.Plan.Entries = {{0, PlanKind::File, "C:\\e\\thumbcache_256.db", 3000}, {0, PlanKind::File, "C:\\e\\ro.db", 7}};
    left.Results = {EntryResult::InUse, EntryResult::Denied};
    PreviewForm preview(SmallPlan(), [] {});
    preview.SetLastCleanLeft(left);
    preview.Build();
    ASSERT_TRUE(preview.NotRemovedButton->Enabled());

    preview.NotRemovedButton->Click();
    ASSERT_TRUE(preview.ShowingNotRemoved());
    ASSERT_EQ(preview.RowCount(), 1);
    EXPECT_FALSE(preview.CleanButton->Enabled());
    preview.ToggleRow(0);
    ASSERT_EQ(preview.RowCount(), 3);
    EXPECT_EQ(preview.Cell(1, 0), "      C:\\e\\thumbcache_256.db");
    EXPECT_EQ(preview.Cell(1, 1), "in use");
    EXPECT_EQ(preview.Cell(2, 1), "denied");
    EXPECT_EQ(preview.Total->Caption(), "Not removed by the last Clean: 2 items");

    preview.NotRemovedButton->Click();
    EXPECT_FALSE(preview.ShowingNotRemoved());
    EXPECT_EQ(preview.RowCount(), 3);
    EXPECT_EQ(preview.Cell(0, 0), "+ Opera > Cache");
    EXPECT_TRUE(preview.CleanButton->Enabled());

    PreviewForm nothingLeft(SmallPlan(), [] {});
    nothingLeft.Build();
    EXPECT_FALSE(nothingLeft.NotRemovedButton->Enabled());
}

// With sites to keep: a database cleaned in place says how many rows go and about how much it
// shrinks by, which counts in its category's size; what stays is listed but not counted.
TEST_F(PreviewWindow, InPlaceRowsAndKeptStorageShowWhatReallyGoes)
{
    CleanPlan plan;
    plan.Categories = {{"Google Chrome", "Cookies"}};
    plan.Entries = {{0, PlanKind::Rows, "C:\\p\\Network\\Cookies", 8192, 4},
                    {0, PlanKind::Kept, "C:\\p\\IndexedDB\\https_example.org_0.indexeddb.leveldb", 0},
                    {0, PlanKind::File, "C:\\p\\DIPS", 100}};
    PreviewForm preview(plan, [] {});
    preview.Build();
    const char separator = UserDecimalSeparator();
    EXPECT_EQ(preview.Cell(0, 1), "2");
    EXPECT_EQ(preview.Cell(0, 2), FormatSize(8292, separator));
    preview.ToggleRow(0);
    ASSERT_EQ(preview.RowCount(), 4);
    EXPECT_EQ(preview.Cell(1, 1), "4 rows");
    EXPECT_EQ(preview.Cell(1, 2), "about " + FormatSize(8192, separator));
    EXPECT_EQ(preview.Cell(2, 1), "kept");
    EXPECT_EQ(preview.Cell(2, 2), "");
}

// Paths the ANSI code page cannot spell, and one longer than the list's own text buffer, are
// shown exactly as the plan holds them.
TEST_F(PreviewWindow, PathsShowExactlyWhateverTheirScriptAndLength)
{
    CleanPlan plan;
    plan.Categories = {{"Windows", "Recent Folder"}};
    plan.Entries = {{0, PlanKind::File, "C:\\r\\\xD0\xBE\xD1\x82\xD1\x87\xD1\x91\xD1\x82.docx", 5},
                    {0, PlanKind::File, "C:\\" + std::string(300, 'x') + "\\\xF0\x9F\x98\x80.png", 7}};
    PreviewForm preview(plan, [] {});
    preview.Build();
    preview.ToggleRow(0);
    ASSERT_EQ(preview.RowCount(), 3);
    const auto shown = [&](int row) {
        wchar_t text[512] = {};
        LVITEMW item{};
        item.pszText = text;
        item.cchTextMax = 512;
        SendMessageW(preview.List->Handle(), LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
        return std::wstring(text);
    };
    EXPECT_EQ(shown(1), L"      C:\\r\\\u043E\u0442\u0447\u0451\u0442.docx");
    EXPECT_EQ(shown(2), L"      C:\\" + std::wstring(300, L'x') + L"\\\xD83D\xDE00.png");
}

// The window opens while its plan is still being worked out; closing it then stops the work.
TEST_F(PreviewWindow, OpensBeforeThePlanIsCompleteAndClosingStopsTheLooking)
{
    bool stopped = false;
    {
        PreviewForm preview(
            [&stopped](PlanProgress& progress) {
                while (!progress.Cancel) {
                    ++progress.Found;
                    Sleep(1);
                }
                stopped = true;
                return CleanPlan{};
            },
            [] {});
        preview.Build();
        preview.Show();
        Pump();
        EXPECT_FALSE(preview.Ready());
        EXPECT_FALSE(preview.CleanButton->Enabled());
        EXPECT_TRUE(IsWindowVisible(preview.Handle()));
    }
    EXPECT_TRUE(stopped);
}

TEST_F(PreviewWindow, PreviewFromTheTreeMenuListsTheSelectionAndRemovesNothing)
{
    Build();
    std::string recent = GetSpecialFolder(kCsidlRecent);
    CreateDirectoryA(recent.c_str(), nullptr);
    for (int i = 0; i < 2000; ++i)
        WriteTextFile(recent + "\\v" + std::to_string(i) + ".lnk", "x");
    Tick("Windows", "Recent Folder");

    int rowsOpen = -1;
    bool cleanWaited = true;
    auto inner = main->OnMessage;
    main->OnMessage = [&, inner](UINT message, WPARAM w, LPARAM l, LRESULT& r) {
        if (message == WM_TIMER && w == 78) {
            if (HWND window = FindWindowA("TPreviewForm", nullptr)) {
                auto* preview = dynamic_cast<PreviewForm*>(ui::WinControl::FromHandle(window));
                if (preview && !preview->Ready()) {
                    // Still looking: the window answers meanwhile, its Clean waits for the list.
                    cleanWaited = cleanWaited && !preview->CleanButton->Enabled();
                    r = 0;
                    return true;
                }
                if (preview) {
                    // The category may already be open: toggled twice, it is open once.
                    preview->ToggleRow(0);
                    rowsOpen = preview->RowCount();
                    preview->ToggleRow(0);
                    rowsOpen = std::max(rowsOpen, preview->RowCount());
                }
                PostMessageA(window, WM_CLOSE, 0, 0);
            }
            r = 0;
            return true;
        }
        return inner(message, w, l, r);
    };
    SetTimer(main->Handle(), 78, 50, nullptr);
    main->treeMenu.Choose(*main->treeMenu.Find("Preview"));
    KillTimer(main->Handle(), 78);
    main->OnMessage = inner;

    EXPECT_GE(rowsOpen, 2001);
    EXPECT_TRUE(cleanWaited);
    EXPECT_TRUE(seams->Messages.empty());
    EXPECT_NE(GetFileAttributesA((recent + "\\v0.lnk").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(GetFileAttributesA((recent + "\\v1999.lnk").c_str()), INVALID_FILE_ATTRIBUTES);
    for (int i = 0; i < 2000; ++i)
        DeleteFileA((recent + "\\v" + std::to_string(i) + ".lnk").c_str());
}

} // namespace
} // namespace aw::test
