#pragma once
// Which registry keys may be deleted. No registry access here.
#include <string_view>

namespace aw {

// A key tree may be deleted only when it lies at least two levels below its root. Empty
// components do not count, so "Software\" and "\Software" are as protected as "Software".
bool IsDeletableKeyPath(std::string_view keyPath);

} // namespace aw
