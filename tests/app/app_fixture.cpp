#include "app_fixture.h"

#include "catalogue/trace_tree.h"
#include "platform/folder_services.h"

#include <fstream>
#include <iterator>
#include <shellapi.h>

namespace aw::test {

std::string ExeFolderFile(const std::string& name)
{
    return GetExeFolder() + name;
}

void RemoveProgramFiles()
{
    for (const char* name : {"Settings.ini", "Traces.ini", "Locations.txt"})
        DeleteFileA(ExeFolderFile(name).c_str());
}

void RemoveFirstRunMarker()
{
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Marrowind\\Vosk");
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Marrowind");
}

void WriteTextFile(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

std::string ReadTextFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

bool TrayIconPresent(HWND window)
{
    // Modifying an icon succeeds only while it exists.
    NOTIFYICONDATAA probe{};
    probe.cbSize = NOTIFYICONDATAA_V1_SIZE;
    probe.hWnd = window;
    probe.uID = 1;
    probe.uFlags = 0;
    return Shell_NotifyIconA(NIM_MODIFY, &probe) != FALSE;
}

void Pump()
{
    ui::Application::Instance().ProcessMessages();
}

void AppFixture::SetUp()
{
    RemoveProgramFiles();
    RemoveFirstRunMarker();
    seams = std::make_unique<RecordingSeams>();
    ui::Application::Instance().Initialize();
    ui::Application::Instance().SetTitle(kApplicationTitle);
}

void AppFixture::Build(StartMode mode)
{
    settings = std::make_unique<SettingsForm>();
    main = std::make_unique<MainForm>(mode, *settings);
    ui::Application::Instance().SetMainForm(main.get());
    main->Build();
    settings->FormCreate();
}

void AppFixture::TearDown()
{
    if (main)
        main->Tray.Remove();
    main.reset();
    settings.reset();
    ui::Application::Instance().SetMainForm(nullptr);
    seams.reset();
    RemoveProgramFiles();
    RemoveFirstRunMarker();
}

ui::TreeNode AppFixture::Node(const std::string& group, const std::string& category)
{
    return FindTraceNode(*main->TreeView1, group, category);
}

} // namespace aw::test
