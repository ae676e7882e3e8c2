#pragma once
// Removing registry keys and values. Every operation is silent: it returns false and leaves
// things as they were. A value is named by a value path ("key path\value name"); one without
// a backslash names nothing and fails at once. Reading, writing and existence checks are the
// platform layer's (platform/registry_key.h).
#include <windows.h>

#include <string>

namespace aw {

bool RegRemoveValue(HKEY root, const std::string& valuePath);

// Deletes the key and every sub-key below it, children first. Refuses a key less than two
// levels below the root. True when the key itself was deleted.
bool RegRemoveKeyTree(HKEY root, const std::string& keyPath);

// After a removal that failed: whether what it named is still there and so was left (a key the
// safety rules refuse was never to be removed, and is not).
bool RegKeyLeft(HKEY root, const std::string& keyPath);
bool RegValueLeft(HKEY root, const std::string& valuePath);

} // namespace aw
