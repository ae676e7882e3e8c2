#pragma once
// Text helpers every layer shares. Letter case is ASCII only, so names compare the same
// whatever the user's code page; lines are split the way a memo holds them. No Win32 here.
#include <string>
#include <string_view>
#include <vector>

namespace aw {

// "\\" or "/": both separate the levels of a path the system reads.
bool IsPathSeparator(char c);
// An ASCII letter, as a drive's name is.
bool IsDriveLetter(char c);

char AsciiLower(char c);
std::string AsciiLower(std::string_view text);
std::string AsciiUpper(std::string_view text);

// Equal but for the letter case of ASCII letters.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// CR, LF and CR LF each end a line, and a line break at the very end of the text starts no
// further line (so "" has no lines). An empty line in the middle is kept.
std::vector<std::string> SplitLines(std::string_view text);

// Lines joined by CR LF, each line followed by one (the form a memo and a text file take).
std::string JoinLines(const std::vector<std::string>& lines);

} // namespace aw
