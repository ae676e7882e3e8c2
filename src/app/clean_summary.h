#pragma once
// The texts of the Clean command's summary.
#include <cstdint>
#include <string>

namespace aw {

// "1.5 KB", "1024 bytes", " bytes": the count in the largest unit it strictly exceeds, with at
// most two decimals (half away from zero), trailing zeros dropped, no digit for a zero integer
// part, and the user's decimal separator.
std::string FormatSize(std::int64_t bytes, char decimalSeparator);

// "h:m:s" in plain decimal, hours not wrapping at 24.
std::string FormatElapsed(std::int32_t seconds);

struct CleanTotals {
    std::int32_t ElapsedMs = 0;
    std::int32_t FilesDeleted = 0;
    std::int32_t RegistryKeysDeleted = 0;
    std::int64_t BytesCleaned = 0;
    std::int32_t ItemsLeft = 0;
    std::int32_t ItemsLeftInUse = 0;
};

// The four lines of the summary, joined by CR LF, without a break after the last; when the run
// had to leave something, a fifth line says how much ("Could not remove: 3 items (2 in use)").
std::string BuildCleanSummary(const CleanTotals& totals, char decimalSeparator);

// The status bar's text during a run: the category under way, the files removed so far and
// their size ("  Cleaning Opera > Cache: 120 files, 1.5 MB").
std::string BuildProgressText(const std::string& group, const std::string& category, std::int32_t files,
                              std::int64_t bytes, char decimalSeparator);

// Milliseconds between two tick counts, correct across a wrap of the 32-bit counter.
std::int32_t ElapsedTicks(std::uint32_t start, std::uint32_t end);

} // namespace aw
