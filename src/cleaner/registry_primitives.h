#pragma once
// Reading, writing and removing registry keys and values. Every operation is silent: it
// returns false or nothing and leaves things as they were. Value operations take a ValuePath
// ("key path\value name"); one without a backslash names nothing and fails at once.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace aw {

bool RegWriteValue(HKEY root, const std::string& valuePath, DWORD type, const void* data, DWORD size);
bool RegWriteString(HKEY root, const std::string& valuePath, const std::string& text);

// The stored bytes, when the value exists and has the expected type.
std::optional<std::vector<unsigned char>> RegReadValue(HKEY root, const std::string& valuePath, DWORD expectedType);
// A REG_SZ value's text, without its terminating zero.
std::optional<std::string> RegReadString(HKEY root, const std::string& valuePath);

bool RegValueExists(HKEY root, const std::string& valuePath);
bool RegKeyExists(HKEY root, const std::string& keyPath);
bool RegRemoveValue(HKEY root, const std::string& valuePath);

// Deletes the key and every sub-key below it, children first. Refuses a key less than two
// levels below the root. True when the key itself was deleted.
bool RegRemoveKeyTree(HKEY root, const std::string& keyPath);

} // namespace aw
