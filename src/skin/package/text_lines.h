#pragma once
// Small text helpers shared by the package's name list and the skin description reader.
// They work on 8-bit text; letter case and line splitting are the platform layer's
// (platform/text.h), so names compare the same whatever the user's code page.

#include "platform/text.h"

#include <string_view>

namespace aw::skin {

// Removes leading and trailing blanks and control characters (every byte up to 0x20).
std::string_view TrimBlanks(std::string_view text);

// The text before its first NUL byte; all of it when there is none.
std::string_view TextBeforeNul(std::string_view text);

}  // namespace aw::skin
