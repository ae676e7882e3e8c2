#pragma once
// The two windows of the program built in-process, with the seams recorded, and the program's
// own files beside the test executable removed before and after each test.
#include "app/main_form.h"
#include "support/ui_seams.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace aw::test {

std::string ExeFolderFile(const std::string& name);
void RemoveProgramFiles();
void RemoveFirstRunMarker();
// The UTF-16 form of a UTF-8 text.
std::wstring Wide(const std::string& text);
// Files named in UTF-8, as the program names them (through the wide calls).
void WriteTextFile(const std::string& path, const std::string& text);
std::string ReadTextFile(const std::string& path);
bool FileThere(const std::string& path);
void RemoveFile(const std::string& path);
bool TrayIconPresent(HWND window);
void Pump();

class AppFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Builds the windows as the program entry does, in the given start mode.
    void Build(StartMode mode = StartMode::Normal);
    ui::TreeNode Node(const std::string& group, const std::string& category);

    std::unique_ptr<RecordingSeams> seams;
    std::unique_ptr<SettingsForm> settings;
    std::unique_ptr<MainForm> main;
};

} // namespace aw::test
