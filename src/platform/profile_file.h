#pragma once
// The program's own INI files (Settings.ini, Traces.ini) through the system's profile
// services. The file's path may hold any name, so the wide services are used; what the program
// stores in them is ASCII, and the files keep the form they always had.
#include <cstddef>
#include <string>

namespace aw {

// The key's value, at most `capacity` - 1 characters of it; "" when the file, the section or
// the key is missing.
std::string ReadProfileValue(const std::string& path, const std::string& section, const std::string& key,
                             std::size_t capacity);
// Creates or replaces the value (and the file and the section when missing).
void WriteProfileValue(const std::string& path, const std::string& section, const std::string& key,
                       const std::string& value);
// The file's section names as the profile services list them: each one followed by a zero,
// the list by one more. Empty when there are none, or the list is longer than `limit`.
std::string ProfileSectionList(const std::string& path, std::size_t limit);

} // namespace aw
