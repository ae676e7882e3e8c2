#pragma once
// Settings.ini beside the executable: section "Options", one key per check box of the
// settings window, "-1" or "0".
#include "settings/settings_form.h"

#include <string>

namespace aw {

// Sets the check box from its stored value; a missing file, a missing key or a value that is
// no boolean leaves it as it is. A changed state runs the box's click handler.
void ReadOption(ui::CheckBox& box, const std::string& fileName, const std::string& section, const std::string& key);
// Writes one value; a failure is silently skipped.
void WriteOption(const std::string& fileName, const std::string& section, const std::string& key,
                 const std::string& value);

void LoadSettings(SettingsForm& form);
void SaveSettings(SettingsForm& form);

// The user's decimal separator.
char UserDecimalSeparator();

} // namespace aw
