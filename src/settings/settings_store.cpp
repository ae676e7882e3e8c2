#include "settings/settings_store.h"

#include "platform/file_system.h"
#include "platform/folder_services.h"
#include "settings/option_value.h"

#include <windows.h>

namespace aw {

namespace {

constexpr char kSettingsFile[] = "Settings.ini";
constexpr char kSection[] = "Options";

std::string ReadProfileString(const std::string& path, const std::string& section, const std::string& key)
{
    // Values of the program's own keys are short; a longer one is no boolean anyway.
    char buffer[256] = {};
    GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer, sizeof buffer, path.c_str());
    return buffer;
}

} // namespace

char UserDecimalSeparator()
{
    char separator[8] = {};
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, sizeof separator) > 1)
        return separator[0];
    return '.';
}

void ReadOption(ui::CheckBox& box, const std::string& fileName, const std::string& section, const std::string& key)
{
    std::string path = GetExeFolder() + fileName;
    if (!PathExists(path))
        return;
    std::optional<bool> value = ParseOptionValue(ReadProfileString(path, section, key), UserDecimalSeparator());
    if (!value)
        return;
    // An error raised by the box's click handler while loading is swallowed, so that the
    // other keys are still read.
    try {
        box.SetChecked(*value);
    } catch (const std::exception&) {
    }
}

void WriteOption(const std::string& fileName, const std::string& section, const std::string& key,
                 const std::string& value)
{
    std::string path = GetExeFolder() + fileName;
    WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str());
}

void LoadSettings(SettingsForm& form)
{
    for (ui::CheckBox* box : form.OptionsInCreationOrder())
        ReadOption(*box, kSettingsFile, kSection, box->Name());
}

void SaveSettings(SettingsForm& form)
{
    for (ui::CheckBox* box : form.OptionsInCreationOrder())
        WriteOption(kSettingsFile, kSection, box->Name(), OptionValueText(box->Checked()));
}

} // namespace aw
