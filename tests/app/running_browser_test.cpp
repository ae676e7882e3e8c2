// The question before a Clean while a browser with a ticked category runs, with a stand-in
// process under a browser's image name.
#include "app_fixture.h"

#include "app/running_browsers.h"
#include "catalogue/trace_tree.h"
#include "platform/folder_services.h"
#include "platform/handle.h"

namespace aw::test {
namespace {

class StandIn {
public:
    explicit StandIn(const std::string& image = "firefox.exe")
    {
        std::string command = "\"" + ExeFolderFile(image) + "\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        if (CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
            CloseHandle(info.hThread);
            process_.Reset(info.hProcess);
        }
    }
    ~StandIn() { end(); }
    bool running() const { return static_cast<bool>(process_); }
    void end()
    {
        if (!process_)
            return;
        TerminateProcess(process_.Get(), 0);
        WaitForSingleObject(process_.Get(), 5000);
        process_.Reset();
    }

private:
    UniqueHandle process_;
};

class RunningBrowser : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        Build();
        ASSERT_TRUE(firefox_.running());
        // The first-run question is not what these tests are about.
        RegWriteMarker();
    }
    void TearDown() override
    {
        firefox_.end();
        AppFixture::TearDown();
    }
    static void RegWriteMarker()
    {
        HKEY key = nullptr;
        RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Marrowind\\Vosk", 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
        RegSetValueExA(key, "SecondRun", 0, REG_SZ, reinterpret_cast<const BYTE*>("1"), 2);
        RegCloseKey(key);
    }
    int Questions() const
    {
        int count = 0;
        for (const auto& message : seams->Messages)
            count += message.Text == RunningBrowserQuestion("Mozilla Firefox");
        return count;
    }
    bool Cleaned() const { return !seams->Sleeps.empty(); } // the second after a run
    StandIn firefox_;
};

TEST_F(RunningBrowser, CancelCleansNothing)
{
    Node("Mozilla Firefox", "Cache").SetStateIndex(StateSelected);
    seams->Answers = {IDABORT};
    main->CleanCommand();
    ASSERT_EQ(seams->Messages.size(), 1u);
    EXPECT_EQ(seams->Messages[0].Text,
              "Mozilla Firefox is running. Files it holds open cannot be removed. Close it and click Retry, or click "
              "Ignore to clean what can be cleaned.");
    EXPECT_EQ(seams->Messages[0].Style, static_cast<unsigned>(MB_ABORTRETRYIGNORE | MB_ICONEXCLAMATION | MB_TOPMOST));
    EXPECT_FALSE(Cleaned());
}

TEST_F(RunningBrowser, RetryLooksAgainAndIgnoreCleans)
{
    Node("Mozilla Firefox", "Cache").SetStateIndex(StateSelected);
    // Still running at the first Retry; closed before the second.
    seams->Answers = {IDRETRY, IDRETRY};
    seams->OnMessage = [&](const ShownMessage&) {
        if (Questions() == 2)
            firefox_.end();
    };
    main->CleanCommand();
    EXPECT_EQ(Questions(), 2);
    EXPECT_TRUE(Cleaned());

    StandIn again;
    seams->Messages.clear();
    seams->Sleeps.clear();
    seams->OnMessage = nullptr;
    seams->Answers = {IDIGNORE};
    main->CleanCommand();
    EXPECT_EQ(Questions(), 1);
    EXPECT_TRUE(Cleaned());
}

// Edge keeps a process running in the background: the question names it, and Ignore still
// cleans everything else that is ticked.
TEST_F(RunningBrowser, TheQuestionNamesTheBrowserAndIgnoreCleansTheRest)
{
    firefox_.end();
    StandIn edge("msedge.exe");
    ASSERT_TRUE(edge.running());
    const std::string local = GetSpecialFolder(kCsidlLocalAppData);
    ASSERT_FALSE(local.empty());
    const std::string operaCache = local + "\\Opera\\Opera\\cache";
    CreateDirectoryA((local + "\\Opera").c_str(), nullptr);
    CreateDirectoryA((local + "\\Opera\\Opera").c_str(), nullptr);
    CreateDirectoryA(operaCache.c_str(), nullptr);
    WriteTextFile(operaCache + "\\opr1.tmp", "cached");
    Node("Microsoft Edge", "Cache").SetStateIndex(StateSelected);
    Node("Opera", "Cache").SetStateIndex(StateSelected);
    seams->Answers = {IDIGNORE};
    main->CleanCommand();
    ASSERT_FALSE(seams->Messages.empty());
    EXPECT_EQ(seams->Messages[0].Text, RunningBrowserQuestion("Microsoft Edge"));
    EXPECT_EQ(seams->Messages[0].Text.rfind("Microsoft Edge is running.", 0), 0u);
    for (std::size_t i = 1; i < seams->Messages.size(); ++i)
        EXPECT_EQ(seams->Messages[i].Text.find("is running."), std::string::npos) << "asked again";
    EXPECT_TRUE(Cleaned());
    EXPECT_EQ(GetFileAttributesA((operaCache + "\\opr1.tmp").c_str()), INVALID_FILE_ATTRIBUTES);
    RemoveDirectoryA(operaCache.c_str());
    RemoveDirectoryA((local + "\\Opera\\Opera").c_str());
    RemoveDirectoryA((local + "\\Opera").c_str());
}

TEST_F(RunningBrowser, NoQuestionWithoutATickedCategoryOfThatBrowser)
{
    Node("Opera", "Cache").SetStateIndex(StateSelected);
    main->CleanCommand();
    EXPECT_EQ(Questions(), 0);
    EXPECT_TRUE(Cleaned());
}

} // namespace
} // namespace aw::test
