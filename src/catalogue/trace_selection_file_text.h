#pragma once
// The text rules of Traces.ini: one section per group, one key per category, "True" for a
// ticked category and "False" for any other. The file itself is read and written through the
// platform's profile services.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace aw {

constexpr char kTracesFileName[] = "Traces.ini";

// "True" for a ticked category, "False" otherwise.
std::string_view TraceEntryValue(bool ticked);

// Only exactly "True" (case-sensitive) ticks; anything else unticks, "true", "1" and an empty
// or missing value included.
bool IsTickedEntry(std::string_view value);

// The names of a list of zero-terminated strings ended by an empty one, as the profile
// services return section names. Reads no further than `size` characters, so a list that was
// cut short (no final terminator) yields the complete names it holds.
std::vector<std::string> SplitZeroSeparatedList(const char* list, std::size_t size);

} // namespace aw
