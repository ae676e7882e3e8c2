#pragma once
// Small text helpers shared by the package's name list and the skin description reader.
// All of them work on 8-bit text and change ASCII letters only, so names compare the same
// whatever the user's code page.

#include <string>
#include <string_view>
#include <vector>

namespace aw::skin {

// Removes leading and trailing blanks and control characters (every byte up to 0x20).
std::string_view TrimBlanks(std::string_view text);

std::string LowerAscii(std::string_view text);
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

// Splits text into lines ended by CR, LF or CR LF. A final line break does not add an empty
// line; an empty line in the middle is kept. With `stopAtNul` a NUL byte ends the text.
std::vector<std::string> SplitLines(std::string_view text, bool stopAtNul);

}  // namespace aw::skin
