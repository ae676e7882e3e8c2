#include "skin/data/parse_colour.h"

#include <cstdint>

namespace aw::skin {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

// A run of digits as a signed 32-bit number; 0 when it does not fit.
std::uint32_t RunValue(std::string_view run)
{
    std::int64_t value = 0;
    for (char c : run) {
        value = value * 10 + (c - '0');
        if (value > INT32_MAX) return 0;
    }
    return static_cast<std::uint32_t>(value);
}

}  // namespace

Colour ParseColour(std::string_view text)
{
    while (!text.empty() && IsBlankOrControl(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlankOrControl(text.back())) text.remove_suffix(1);

    std::uint32_t components[3] = {0, 0, 0};
    int found = 0;
    std::size_t i = 0;
    while (i < text.size() && found < 3) {
        if (!IsDigit(text[i])) {
            ++i;
            continue;
        }
        const std::size_t start = i;
        while (i < text.size() && IsDigit(text[i])) ++i;
        const bool endsText = i == text.size();
        if (endsText && found != 2) break;  // a trailing run is blue or nothing
        components[found++] = RunValue(text.substr(start, i - start));
    }
    // Unsigned arithmetic: wrap-around instead of signed overflow for absurd components.
    return components[0] + components[1] * 256u + components[2] * 65536u;
}

}  // namespace aw::skin
