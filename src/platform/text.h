#pragma once
// Text split into lines the way a memo holds them: CR, LF and CR LF each end a line, and a
// line break at the very end of the text starts no further line (so "" has no lines).
#include <string>
#include <string_view>
#include <vector>

namespace aw {

std::vector<std::string> SplitLines(std::string_view text);

// Lines joined by CR LF, each line followed by one (the form a memo and a text file take).
std::string JoinLines(const std::vector<std::string>& lines);

} // namespace aw
