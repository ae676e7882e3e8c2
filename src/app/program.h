#pragma once
#include <string>
#include <vector>

namespace aw {

// The program: title, the two windows, the message loop. Returns the exit code (always 0).
int RunProgram(const std::vector<std::string>& arguments);

} // namespace aw
