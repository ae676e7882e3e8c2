#include "settings/autostart.h"

#include "platform/folder_services.h"
#include "platform/registry_key.h"
#include "ui/application.h"

#include <windows.h>

#include <stdexcept>

namespace aw {

namespace {

void WriteCommand(const RegistryKey& key, const std::string& name, const std::string& command)
{
    if (!key.SetString(name, command))
        throw std::runtime_error("Failed to set data for '" + name + "'");
}

std::string EntryName(const char* suffix)
{
    return ui::Application::Instance().Title() + suffix;
}

} // namespace

std::string AutostartCommand(const std::string& exePath, int mode)
{
    const std::string quoted = "\"" + exePath + "\"";
    switch (mode) {
    case AutostartClean: return quoted + " -clean";
    case AutostartStartup: return quoted + " -startup";
    default: return std::string();
    }
}

void SetAutostart(const std::string& valueName, bool enable, int mode)
{
    // Opened, never created: without a Run key there is nothing to start the program from.
    RegistryKey run = RegistryKey::Open(HKEY_CURRENT_USER, kRunKey, KEY_ALL_ACCESS);
    if (!run)
        return;
    if (!enable) {
        if (run.HasValue(valueName))
            run.DeleteValue(valueName);
        return;
    }
    if (mode != AutostartClean && mode != AutostartStartup)
        return;
    const std::string exePath = GetExePath();
    if (exePath.empty())
        throw std::runtime_error("Failed to set data for '" + valueName + "'");
    WriteCommand(run, valueName, AutostartCommand(exePath, mode));
}

void CheckBox3Click(const ui::CheckBox& checkBox3)
{
    SetAutostart(EntryName(" Schedule"), checkBox3.Checked(), AutostartClean);
}

void CheckBox10Click(const ui::CheckBox& checkBox10)
{
    SetAutostart(EntryName(" Startup"), checkBox10.Checked(), AutostartStartup);
}

} // namespace aw
