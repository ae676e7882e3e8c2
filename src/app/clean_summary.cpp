#include "app/clean_summary.h"

#include <cstdio>
#include <cstdlib>

namespace aw {

namespace {

// Formats a non-negative value with the "#.##" pattern. The value is first written with 15
// significant digits, so that a binary fraction such as 1.005 rounds as the decimal the user
// would expect, then rounded half away from zero on those digits.
std::string FormatTwoDecimals(double value, char decimalSeparator)
{
    bool negative = value < 0;
    if (negative)
        value = -value;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", value); // d.dddddddddddddde±xx
    std::string digits;
    digits += buffer[0];
    digits.append(buffer + 2, 14);
    int exponent = std::atoi(buffer + 17);

    // Digits with the decimal point after position `exponent + 1`.
    int pointPosition = exponent + 1;
    if (pointPosition < 0) {
        digits.insert(0, static_cast<size_t>(-pointPosition), '0');
        pointPosition = 0;
    }
    if (static_cast<int>(digits.size()) < pointPosition + 3)
        digits.append(static_cast<size_t>(pointPosition + 3 - static_cast<int>(digits.size())), '0');

    std::string kept = digits.substr(0, static_cast<size_t>(pointPosition + 2));
    if (digits[static_cast<size_t>(pointPosition + 2)] >= '5') {
        int i = static_cast<int>(kept.size()) - 1;
        while (i >= 0 && kept[static_cast<size_t>(i)] == '9') {
            kept[static_cast<size_t>(i)] = '0';
            --i;
        }
        if (i < 0) {
            kept.insert(0, "1");
            ++pointPosition;
        } else {
            ++kept[static_cast<size_t>(i)];
        }
    }
    std::string integer = kept.substr(0, static_cast<size_t>(pointPosition));
    std::string fraction = kept.substr(static_cast<size_t>(pointPosition));
    while (!integer.empty() && integer[0] == '0')
        integer.erase(0, 1);
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();

    std::string text = negative && (!integer.empty() || !fraction.empty()) ? "-" : "";
    text += integer;
    if (!fraction.empty()) {
        text += decimalSeparator;
        text += fraction;
    }
    return text;
}

} // namespace

std::string FormatSize(std::int64_t bytes, char decimalSeparator)
{
    constexpr std::int64_t kGB = 1073741824;
    constexpr std::int64_t kMB = 1048576;
    constexpr std::int64_t kKB = 1024;
    double value = static_cast<double>(bytes);
    if (bytes > kGB)
        return FormatTwoDecimals(value / kGB, decimalSeparator) + " GB";
    if (bytes > kMB)
        return FormatTwoDecimals(value / kMB, decimalSeparator) + " MB";
    if (bytes > kKB)
        return FormatTwoDecimals(value / kKB, decimalSeparator) + " KB";
    return FormatTwoDecimals(value, decimalSeparator) + " bytes";
}

std::string FormatElapsed(std::int32_t seconds)
{
    std::int32_t hours = seconds / 3600;
    std::int32_t minutes = seconds / 60 - hours * 60;
    std::int32_t rest = seconds - (hours * 3600 + minutes * 60);
    return std::to_string(hours) + ":" + std::to_string(minutes) + ":" + std::to_string(rest);
}

std::string BuildCleanSummary(const CleanTotals& totals, char decimalSeparator)
{
    std::string summary = "Time elapsed: " + FormatElapsed(totals.ElapsedMs / 1000) + "\r\n" +
                          "Files deleted: " + std::to_string(totals.FilesDeleted) + "\r\n" +
                          "Registry keys deleted: " + std::to_string(totals.RegistryKeysDeleted) + "\r\n" +
                          "Disk space cleaned: " + std::to_string(totals.BytesCleaned) + " bytes (" +
                          FormatSize(totals.BytesCleaned, decimalSeparator) + ")";
    if (totals.ItemsLeft > 0)
        summary += "\r\nCould not remove: " + std::to_string(totals.ItemsLeft) +
                   (totals.ItemsLeft == 1 ? " item (" : " items (") + std::to_string(totals.ItemsLeftInUse) + " in use)";
    return summary;
}

std::int32_t ElapsedTicks(std::uint32_t start, std::uint32_t end)
{
    return static_cast<std::int32_t>(end - start);
}

std::string BuildProgressText(const std::string& group, const std::string& category, std::int32_t files,
                              std::int64_t bytes, char decimalSeparator)
{
    std::string text = "  Cleaning";
    if (!group.empty())
        text += " " + group + " > " + category;
    text += ": " + std::to_string(files) + (files == 1 ? " file, " : " files, ");
    return text + (bytes == 0 ? std::string("0 bytes") : FormatSize(bytes, decimalSeparator));
}

} // namespace aw
