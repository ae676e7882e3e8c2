// The script editor on the settings window's "Advanced" page, clicked as the user clicks it,
// with Locations.txt beside the test program.
#include "cleaner/wine_support.h"
#include "customloc/locations_editor.h"
#include "customloc/script_file.h"
#include "platform/folder_services.h"
#include "settings/settings_form.h"
#include "ui/application.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace aw {
namespace {

using Lines = std::vector<std::string>;

std::string ReadBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream content;
    content << file.rdbuf();
    return content.str();
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

void RemoveLocationsFile(const std::string& path)
{
    DeleteFileA(path.c_str());
    RemoveDirectoryA(path.c_str());
}

class LocationsEditor : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        test::RequireSandbox();
        ui::Application::Instance().Initialize();
    }

    void SetUp() override
    {
        RemoveLocationsFile(path_);
        form_.FormCreate();
        form_.HandleNeeded();
        ui::Application::Instance().GetSeams().ErrorBox = [this](const std::string& text) { errors_.push_back(text); };
    }
    void TearDown() override
    {
        ui::Application::Instance().GetSeams().ErrorBox = nullptr;
        RemoveLocationsFile(path_);
    }

    // A click as the button's window reports it to its parent.
    static void Click(ui::Button& button)
    {
        HWND window = button.Handle();
        SendMessageA(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), BN_CLICKED),
                     reinterpret_cast<LPARAM>(window));
    }

    void Add(const std::string& text)
    {
        form_.Edit1->SetText(text);
        Click(*form_.Button2);
    }

    const std::string path_ = GetExeFolder() + "Locations.txt";
    SettingsForm form_;
    std::vector<std::string> errors_;
};

TEST_F(LocationsEditor, PlusAddsTheTrimmedTextOnceButOtherLetterCaseAgain)
{
    Add("  DIR:%TEMP%|*.tmp \t");
    Add("DIR:%TEMP%|*.tmp");
    EXPECT_EQ((Lines{"DIR:%TEMP%|*.tmp"}), form_.Memo1->Lines());
    EXPECT_EQ("DIR:%TEMP%|*.tmp", form_.Edit1->Text());

    Add("dir:%temp%|*.TMP");
    EXPECT_EQ((Lines{"DIR:%TEMP%|*.tmp", "dir:%temp%|*.TMP"}), form_.Memo1->Lines());

    Add("");
    EXPECT_EQ(2u, form_.Memo1->Lines().size());

    // Lines are compared as they stand: one with blanks around it is another line.
    form_.Memo1->SetLines({"  FIL:C:\\x.txt"});
    Add("FIL:C:\\x.txt");
    EXPECT_EQ((Lines{"  FIL:C:\\x.txt", "FIL:C:\\x.txt"}), form_.Memo1->Lines());
}

TEST_F(LocationsEditor, SaveWritesEveryLineWithCrLfAndLoadReadsAnyLineEnd)
{
    form_.Memo1->SetLines({"FIL:%TEMP%a.txt", "", "  # note", "REG:HKCU\\Software\\A\\B"});
    Click(*form_.Button5);
    EXPECT_TRUE(errors_.empty());
    EXPECT_EQ("FIL:%TEMP%a.txt\r\n\r\n  # note\r\nREG:HKCU\\Software\\A\\B\r\n", ReadBytes(path_));

    form_.Memo1->SetLines({"other"});
    Click(*form_.Button4);
    EXPECT_EQ((Lines{"FIL:%TEMP%a.txt", "", "  # note", "REG:HKCU\\Software\\A\\B"}), form_.Memo1->Lines());

    WriteBytes(path_, "one\r\ntwo\rthree\nfour");
    Click(*form_.Button4);
    EXPECT_EQ((Lines{"one", "two", "three", "four"}), form_.Memo1->Lines());

    WriteBytes(path_, "only\r\n");
    LoadLocationsAtShow(*form_.Memo1);
    EXPECT_EQ((Lines{"only"}), form_.Memo1->Lines());
}

// Lines the ANSI code page cannot spell: a UTF-8 file (with or without its mark) shows in the
// editor exactly, typed lines are kept exactly, and the file is written in UTF-8 only when a
// line needs it. A file in the code page ("Café" in 1252) reads and writes as it always did.
TEST_F(LocationsEditor, LinesTheCodePageCannotSpellShowAndSaveWithoutLoss)
{
    const std::string cyrillic = "FIL:%TEMP%" + test::kCyrillicName;
    const std::string emoji = "DIR:C:\\" + test::kEmojiName + "|*.*";
    WriteBytes(path_, "\xEF\xBB\xBF" + cyrillic + "\r\n" + emoji + "\r\n");
    Click(*form_.Button4);
    EXPECT_EQ((Lines{cyrillic, emoji}), form_.Memo1->Lines());
    wchar_t shown[64] = {};
    GetWindowTextW(form_.Memo1->Handle(), shown, 64);
    EXPECT_STREQ(L"FIL:%TEMP%\u043E\u0442\u0447\u0451\u0442.docx\r\nDIR:C:\\\xD83D\xDE00 smile.png|*.*", shown);

    // Typed by the user into the line to add.
    SetWindowTextW(form_.Edit1->Handle(), L"  FIL:C:\\\u5831\u544A.txt ");
    Click(*form_.Button2);
    const std::string chinese = "FIL:C:\\" + test::kChineseName;
    EXPECT_EQ((Lines{cyrillic, emoji, chinese}), form_.Memo1->Lines());
    Click(*form_.Button5);
    EXPECT_EQ(cyrillic + "\r\n" + emoji + "\r\n" + chinese + "\r\n", ReadBytes(path_));

    WriteBytes(path_, "DIR:C:\\Caf\xE9|*.*\r\n");
    Click(*form_.Button4);
    EXPECT_EQ((Lines{"DIR:C:\\Caf\xC3\xA9|*.*"}), form_.Memo1->Lines());
    Click(*form_.Button5);
    EXPECT_EQ("DIR:C:\\Caf\xE9|*.*\r\n", ReadBytes(path_));
    EXPECT_TRUE(errors_.empty());
}

TEST_F(LocationsEditor, SaveWithAnEmptyEditorAndLoadWithoutAFileChangeNothing)
{
    WriteBytes(path_, "kept\r\n");
    form_.Memo1->SetLines({});
    Click(*form_.Button5);
    EXPECT_EQ("kept\r\n", ReadBytes(path_));

    RemoveLocationsFile(path_);
    form_.Memo1->SetLines({"mine"});
    Click(*form_.Button4);
    LoadLocationsAtShow(*form_.Memo1);
    EXPECT_EQ((Lines{"mine"}), form_.Memo1->Lines());
    EXPECT_TRUE(errors_.empty());
}

TEST_F(LocationsEditor, AFileThatCannotBeWrittenReachesTheErrorBoxAndTheEditorKeepsItsLines)
{
    // A folder where the file should be: it can be neither created nor replaced.
    ASSERT_TRUE(CreateDirectoryA(path_.c_str(), nullptr));
    form_.Memo1->SetLines({"FIL:%TEMP%a.txt"});
    Click(*form_.Button5);
    ASSERT_EQ(1u, errors_.size());
    EXPECT_NE(std::string::npos, errors_[0].find("Locations.txt")) << errors_[0];
    EXPECT_EQ((Lines{"FIL:%TEMP%a.txt"}), form_.Memo1->Lines());
}

TEST(ScriptFile, AFileThatCannotBeReadLeavesTheListAsItWas)
{
    test::RequireSandbox();
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string path = std::string(temp) + "aw-locked-locations.txt";
    WriteBytes(path, "a\r\nb\r\n");
    Lines lines{"mine"};
    {
        HANDLE exclusive = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, exclusive);
        EXPECT_FALSE(LoadLinesFromFile(lines, path));
        CloseHandle(exclusive);
    }
    EXPECT_EQ((Lines{"mine"}), lines);
    EXPECT_FALSE(LoadLinesFromFile(lines, path + ".missing"));
    EXPECT_TRUE(LoadLinesFromFile(lines, path));
    EXPECT_EQ((Lines{"a", "b"}), lines);
    DeleteFileA(path.c_str());

    EXPECT_THROW(SaveLinesToFile({"x"}, std::string(temp) + "aw-no-such-folder\\Locations.txt"), std::runtime_error);
}

} // namespace
} // namespace aw
