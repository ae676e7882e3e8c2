#pragma once
// The start-up switches. Only the first argument names one, compared whole and case-sensitively;
// "-preview" takes the second as its file and without one starts normally.
#include <string>
#include <vector>

namespace aw {

enum class StartMode { Normal, Startup, Clean, Preview };

// `arguments` excludes the program name.
StartMode ParseStartMode(const std::vector<std::string>& arguments);

// The file a "-clean -log FILE" or "-startup -log FILE" start records its clean in; empty
// when there is none.
std::string CleanLogArgument(const std::vector<std::string>& arguments);

} // namespace aw
