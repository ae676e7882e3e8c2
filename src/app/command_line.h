#pragma once
// The two start-up switches. Only the first argument counts, compared whole and case-sensitively.
#include <string>
#include <vector>

namespace aw {

enum class StartMode { Normal, Startup, Clean };

// `arguments` excludes the program name.
StartMode ParseStartMode(const std::vector<std::string>& arguments);

} // namespace aw
