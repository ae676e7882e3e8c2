#pragma once
// Text rules of the application rule file: blanks, UTF-8, fields and names.
#include <cstddef>
#include <string_view>
#include <vector>

namespace aw {

// The text without spaces and tabs at either end.
std::string_view TrimRuleBlanks(std::string_view text);

// Well-formed UTF-8 (no overlong forms, no surrogates, nothing above U+10FFFF) without control
// characters: no NUL, no C0 code but the tab, no DEL, no C1 code.
bool IsCleanText(std::string_view text);

// The text cut at every separator; "a||b" has an empty middle part, "" has one empty part.
std::vector<std::string_view> SplitAt(std::string_view text, char separator);

// A name the tree and Traces.ini can carry as a group or category: 1 to kMaxRuleNameBytes
// bytes of clean text, no blank at either end, no tab, no "[", "]" or "=" (they would end an INI
// section name or key), and not starting with ";" (a comment).
constexpr std::size_t kMaxRuleNameBytes = 128;
bool IsUsableRuleName(std::string_view name);

} // namespace aw
