#include "settings/option_value.h"

#include "platform/text.h"

#include <cctype>

namespace aw {

namespace {

// A decimal number: blanks, sign, digits with an optional fraction, an optional exponent,
// blanks. Returns whether it is one, and whether its value is zero.
std::optional<bool> ParseNumberIsZero(std::string_view text, char decimalSeparator)
{
    size_t i = 0;
    auto skipBlanks = [&] {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
            ++i;
    };
    skipBlanks();
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    bool anyDigit = false;
    bool nonZero = false;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
        anyDigit = true;
        nonZero = nonZero || text[i] != '0';
        ++i;
    }
    if (i < text.size() && text[i] == decimalSeparator) {
        ++i;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
            anyDigit = true;
            nonZero = nonZero || text[i] != '0';
            ++i;
        }
    }
    if (!anyDigit)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        bool exponentDigit = false;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
            exponentDigit = true;
            ++i;
        }
        if (!exponentDigit)
            return std::nullopt;
    }
    skipBlanks();
    if (i != text.size())
        return std::nullopt;
    return !nonZero;
}

} // namespace

std::optional<bool> ParseOptionValue(std::string_view text, char decimalSeparator)
{
    if (auto isZero = ParseNumberIsZero(text, decimalSeparator))
        return !*isZero;
    if (EqualsIgnoringCase(text, "True"))
        return true;
    if (EqualsIgnoringCase(text, "False"))
        return false;
    return std::nullopt;
}

const char* OptionValueText(bool checked)
{
    return checked ? "-1" : "0";
}

} // namespace aw
