#include "app_fixture.h"

#include "app/trace_tree.h"
#include "platform/folder_services.h"

#include <shellapi.h>

namespace aw::test {

std::string ExeFolderFile(const std::string& name)
{
    return GetExeFolder() + name;
}

void RemoveProgramFiles()
{
    for (const char* name : {"Settings.ini", "Traces.ini", "Locations.txt", "Keep.ini", "winapp2.ini"})
        DeleteFileA(ExeFolderFile(name).c_str());
}

void RemoveFirstRunMarker()
{
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Marrowind\\Vosk");
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Marrowind");
}

std::wstring Wide(const std::string& text)
{
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0)
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

void WriteTextFile(const std::string& path, const std::string& text)
{
    HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

std::string ReadTextFile(const std::string& path)
{
    HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::string();
    std::string text;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        text.append(buffer, got);
    CloseHandle(file);
    return text;
}

bool FileThere(const std::string& path)
{
    return GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void RemoveFile(const std::string& path)
{
    DeleteFileW(Wide(path).c_str());
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
    return FindTraceNode(*main->traceTree, group, category);
}

void AppFixture::Tick(const std::string& group, const std::string& category)
{
    TraceSelection selection = main->Selection();
    EXPECT_TRUE(selection.TickNamed(group, category)) << group << " > " << category;
    main->SetSelection(selection);
}

} // namespace aw::test
