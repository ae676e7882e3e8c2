#include "settings/settings_store.h"

#include "platform/file_system.h"
#include "platform/folder_services.h"
#include "platform/profile_file.h"
#include "settings/option_value.h"

#include <windows.h>

namespace aw {

namespace {

constexpr char kSettingsFile[] = "Settings.ini";
constexpr char kSection[] = "Options";

// Values of the program's own keys are short; a longer one is no boolean anyway.
constexpr std::size_t kValueChars = 256;

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
    std::optional<bool> value = ParseOptionValue(ReadProfileValue(path, section, key, kValueChars), UserDecimalSeparator());
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
    WriteProfileValue(path, section, key, value);
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
