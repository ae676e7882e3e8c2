#pragma once
// Synthetic community rule files (winapp2.ini form) for the start-up and reading benchmarks:
// made-up applications with the mix of keys a real file has, never copied from one.
#include <cstddef>
#include <cstdint>
#include <string>

namespace aw::tools {

// `entries` sections, the same text for the same seed: CR LF line ends, a comment header,
// LangSecRef categories (some of the browsers' own numbers, which the reader skips) or a
// Section, detection by key, by file or none, warnings, FileKeys with wildcards and flags,
// RegKeys and exclusions of the three kinds.
std::string GenerateAppRules(std::size_t entries, std::uint32_t seed = 1);

} // namespace aw::tools
