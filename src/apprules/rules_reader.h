#pragma once
// Reads a community rule file (winapp2.ini) into entries, strictly: what is not understood is
// skipped and counted (rule_problems.h), never guessed at.
//
// The text is UTF-8, with or without a byte-order mark; lines end in LF or CR LF. Blank lines
// and lines starting with ";" are ignored. A line starting with "[" opens a section; only
// "[Name *]" opens an entry, any other header (and every section that is skipped) takes its
// lines with it, so they can never fall to the entry before. Keys are "Name=value", names
// matched without regard to letter case; numbered keys ("FileKey1") take 1 to 9999 written
// without leading zeros, and each key and number counts once per entry.
//
// An entry is kept when it has a category and something to clean and every exclusion it
// names was read; otherwise the whole section is skipped and counted.
//
// Limits, so that any file, however hostile, is read in time and memory linear in its size
// and bounded by kMaxRuleFileBytes: a larger file is not read at all; longer lines are
// skipped; entry sections past the kMaxRuleEntries-th (kept or not) and rule lines past
// kMaxRulesPerEntry are skipped; at most kFileProblemRecords problems of the file and
// kEntryProblemRecords of an entry are recorded with their lines (all are counted). For
// scale: the generated file of 4,000 entries the benchmarks read is 1.5 MB, its longest line
// under 200 bytes.
#include "apprules/app_rules.h"

#include <cstddef>
#include <string_view>

namespace aw {

constexpr char kAppRulesFileName[] = "winapp2.ini";

constexpr std::size_t kMaxRuleFileBytes = 16 * 1024 * 1024;
constexpr std::size_t kMaxRuleLineBytes = 4096;
constexpr std::size_t kMaxRuleEntries = 20000;
constexpr std::size_t kMaxRulesPerEntry = 512; // Detect, DetectFile, FileKey, RegKey and ExcludeKey lines

AppRules ReadAppRules(std::string_view text);

} // namespace aw
