#include "cleaner/site_domain.h"

#include "cleaner/utf_text.h"
#include "platform/text.h"

#include <algorithm>
#include <cstdint>

namespace aw {

namespace {

bool IsAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsHostNameCharacter(char c)
{
    return (c >= 'a' && c <= 'z') || IsAsciiDigit(c) || c == '-' || c == '_';
}

std::string_view TrimBlanks(std::string_view text)
{
    const char* blanks = " \t\r\n";
    std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// Letters of the scripts most domain names are written in, lower-cased; other code points are
// returned unchanged. The forms of the full stop and the full-width ASCII letters and digits
// that input methods produce become their ASCII forms, as browsers map them.
char32_t LowerForDomain(char32_t c)
{
    if (c >= 'A' && c <= 'Z')
        return c + 32;
    if (c == 0x3002 || c == 0xFF0E || c == 0xFF61)
        return '.';
    if (c >= 0xFF21 && c <= 0xFF3A) // full-width A-Z
        return c - 0xFF21 + 'a';
    if (c >= 0xFF41 && c <= 0xFF5A) // full-width a-z
        return c - 0xFF41 + 'a';
    if (c >= 0xFF10 && c <= 0xFF19) // full-width digits
        return c - 0xFF10 + '0';
    if (c == 0xFF0D) // full-width hyphen-minus
        return '-';
    if ((c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return c + 32;
    if (c >= 0x100 && c <= 0x17F) {
        // Latin Extended-A: pairs with the capital first, but for the runs that start on an odd
        // code point and the few letters that have no pair here.
        if (c == 0x130 || c == 0x131 || c == 0x138 || c == 0x149 || c == 0x17F)
            return c;
        if (c == 0x178)
            return 0xFF;
        const bool oddCapitals = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        return (c % 2 == (oddCapitals ? 1u : 0u)) ? c + 1 : c;
    }
    if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) // Greek capitals
        return c + 32;
    if (c == 0x386)
        return 0x3AC;
    if (c >= 0x388 && c <= 0x38A)
        return c + 37;
    if (c == 0x38C)
        return 0x3CC;
    if (c == 0x38E || c == 0x38F)
        return c + 63;
    if (c >= 0x410 && c <= 0x42F) // Cyrillic capitals
        return c + 32;
    if (c >= 0x400 && c <= 0x40F)
        return c + 80;
    if (c == 0x4C0)
        return 0x4CF;
    if ((c >= 0x460 && c <= 0x481) || (c >= 0x48A && c <= 0x4BF) || (c >= 0x4D0 && c <= 0x52F))
        return c % 2 == 0 ? c + 1 : c;
    if (c >= 0x4C1 && c <= 0x4CE)
        return c % 2 == 1 ? c + 1 : c;
    if (c >= 0x531 && c <= 0x556) // Armenian capitals
        return c + 48;
    if ((c >= 0x1E00 && c <= 0x1E95) || (c >= 0x1EA0 && c <= 0x1EFF)) // Latin Extended Additional
        return c % 2 == 0 ? c + 1 : c;
    return c;
}

// Code points no host name holds: controls, blanks, invisible format characters, variation
// selectors and the non-characters.
bool IsRefusedCodePoint(char32_t c)
{
    if (c < 0x80)
        return !IsHostNameCharacter(static_cast<char>(c)) && c != '.';
    return (c <= 0xA0) || c == 0xAD || c == 0x1680 || c == 0x180E || (c >= 0x2000 && c <= 0x200B) ||
           (c >= 0x2028 && c <= 0x202F) || (c >= 0x205F && c <= 0x206F) || c == 0x3000 ||
           (c >= 0xFE00 && c <= 0xFE0F) || c == 0xFEFF || (c >= 0xFFF0 && c <= 0xFFFF) ||
           (c >= 0xFDD0 && c <= 0xFDEF) || (c & 0xFFFE) == 0xFFFE;
}

bool IsIpv4Address(std::string_view text)
{
    int parts = 0;
    while (true) {
        std::size_t dot = text.find('.');
        std::string_view part = text.substr(0, dot);
        if (part.empty() || part.size() > 3 || !std::all_of(part.begin(), part.end(), IsAsciiDigit))
            return false;
        if (part.size() > 1 && part[0] == '0')
            return false;
        if (std::stoi(std::string(part)) > 255)
            return false;
        ++parts;
        if (dot == std::string_view::npos)
            break;
        text.remove_prefix(dot + 1);
    }
    return parts == 4;
}

// Hex digits, colons and (for an embedded IPv4 address) dots, with at least two colons and no
// dot at either end (CanonicalHost trims those).
std::optional<std::string> Ipv6Address(std::string_view text)
{
    std::string lower = AsciiLower(text);
    if (lower.empty() || lower.size() > 45 || std::count(lower.begin(), lower.end(), ':') < 2 || lower.front() == '.' ||
        lower.back() == '.')
        return std::nullopt;
    const bool plain = std::all_of(lower.begin(), lower.end(), [](char c) {
        return IsAsciiDigit(c) || (c >= 'a' && c <= 'f') || c == ':' || c == '.';
    });
    if (!plain)
        return std::nullopt;
    return lower;
}

// The host part of a typed site: scheme, user name, port, path, query and fragment removed.
// Nullopt when what is left cannot be a host. `ipv6` tells that the host is an IPv6 address.
std::optional<std::string_view> HostPartOf(std::string_view text, bool& ipv6)
{
    ipv6 = false;
    std::size_t scheme = text.find("://");
    if (scheme != std::string_view::npos) {
        if (!IsUrlScheme(text.substr(0, scheme)))
            return std::nullopt;
        text.remove_prefix(scheme + 3);
    }
    text = text.substr(0, text.find_first_of("/?#\\"));
    std::size_t at = text.rfind('@');
    if (at != std::string_view::npos)
        text.remove_prefix(at + 1);
    auto isPort = [](std::string_view port) {
        return !port.empty() && port.size() <= 5 && std::all_of(port.begin(), port.end(), IsAsciiDigit);
    };
    if (!text.empty() && text.front() == '[') {
        std::size_t close = text.find(']');
        if (close == std::string_view::npos)
            return std::nullopt;
        std::string_view rest = text.substr(close + 1);
        if (!rest.empty() && !(rest.front() == ':' && isPort(rest.substr(1))))
            return std::nullopt;
        ipv6 = true;
        return text.substr(1, close - 1);
    }
    std::size_t colons = static_cast<std::size_t>(std::count(text.begin(), text.end(), ':'));
    if (colons >= 2) {
        ipv6 = true;
        return text;
    }
    if (colons == 1) {
        std::size_t colon = text.find(':');
        if (!isPort(text.substr(colon + 1)))
            return std::nullopt;
        text = text.substr(0, colon);
    }
    return text;
}

} // namespace

bool IsUrlScheme(std::string_view text)
{
    if (text.empty() || !((text[0] >= 'a' && text[0] <= 'z') || (text[0] >= 'A' && text[0] <= 'Z')))
        return false;
    return std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || IsAsciiDigit(c) || c == '+' || c == '-' || c == '.';
    });
}

std::optional<std::string> PunycodeEncode(std::u32string_view input)
{
    constexpr std::uint64_t kBase = 36, kTmin = 1, kTmax = 26, kSkew = 38, kDamp = 700;
    auto digit = [](std::uint64_t d) { return static_cast<char>(d < 26 ? 'a' + d : '0' + (d - 26)); };
    auto adapt = [&](std::uint64_t delta, std::uint64_t points, bool first) {
        delta = first ? delta / kDamp : delta / 2;
        delta += delta / points;
        std::uint64_t k = 0;
        while (delta > ((kBase - kTmin) * kTmax) / 2) {
            delta /= kBase - kTmin;
            k += kBase;
        }
        return k + (kBase - kTmin + 1) * delta / (delta + kSkew);
    };
    for (char32_t c : input)
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return std::nullopt;

    std::string output;
    for (char32_t c : input)
        if (c < 0x80)
            output += static_cast<char>(c);
    const std::uint64_t basic = output.size();
    std::uint64_t handled = basic;
    if (basic > 0)
        output += '-';
    std::uint64_t n = 0x80, delta = 0, bias = 72;
    // Deltas stay far below 2^64: at most 0x110000 times the input's length per code point.
    while (handled < input.size()) {
        std::uint64_t next = UINT64_MAX;
        for (char32_t c : input)
            if (c >= n && c < next)
                next = c;
        delta += (next - n) * (handled + 1);
        n = next;
        for (char32_t c : input) {
            if (c < n)
                ++delta;
            if (c != n)
                continue;
            std::uint64_t q = delta;
            for (std::uint64_t k = kBase;; k += kBase) {
                const std::uint64_t t = k <= bias ? kTmin : (k >= bias + kTmax ? kTmax : k - bias);
                if (q < t)
                    break;
                output += digit(t + (q - t) % (kBase - t));
                q = (q - t) / (kBase - t);
            }
            output += digit(q);
            bias = adapt(delta, handled + 1, handled == basic);
            delta = 0;
            ++handled;
        }
        ++delta;
        ++n;
    }
    return output;
}

std::optional<std::string> LabelToAscii(std::string_view utf8Label)
{
    std::optional<std::u32string> points = DecodeUtf8(utf8Label);
    if (!points)
        return std::nullopt;
    if (std::all_of(points->begin(), points->end(), [](char32_t c) { return c < 0x80; }))
        return std::string(utf8Label);
    // The encoding grows with the label; a label that long can never fit.
    if (points->size() > kMaxDomainLabelLength)
        return std::nullopt;
    std::optional<std::string> encoded = PunycodeEncode(*points);
    if (!encoded || encoded->size() + 4 > kMaxDomainLabelLength)
        return std::nullopt;
    return "xn--" + *encoded;
}

std::optional<std::string> NormaliseSiteDomain(std::string_view text)
{
    text = TrimBlanks(text);
    if (text.size() > kMaxSiteTextLength)
        return std::nullopt;
    bool ipv6 = false;
    std::optional<std::string_view> host = HostPartOf(text, ipv6);
    if (!host)
        return std::nullopt;
    if (ipv6)
        return Ipv6Address(*host);

    std::optional<std::u32string> points = DecodeUtf8(*host);
    if (!points)
        return std::nullopt;
    std::u32string mapped;
    for (char32_t c : *points)
        mapped.push_back(LowerForDomain(c));
    std::u32string_view name = mapped;
    if (name.substr(0, 2) == U"*.")
        name.remove_prefix(2);
    if (std::any_of(name.begin(), name.end(), IsRefusedCodePoint))
        return std::nullopt;
    while (!name.empty() && name.front() == '.')
        name.remove_prefix(1);
    while (!name.empty() && name.back() == '.')
        name.remove_suffix(1);
    if (name.empty())
        return std::nullopt;

    std::string result;
    std::string lastLabel;
    while (true) {
        std::size_t dot = name.find('.');
        std::u32string_view label = name.substr(0, dot);
        if (label.empty())
            return std::nullopt;
        std::string utf8;
        for (char32_t c : label)
            AppendUtf8(utf8, c);
        std::optional<std::string> ascii = LabelToAscii(utf8);
        if (!ascii || ascii->size() > kMaxDomainLabelLength)
            return std::nullopt;
        if (!result.empty())
            result += '.';
        result += *ascii;
        lastLabel = *ascii;
        if (dot == std::u32string_view::npos)
            break;
        name.remove_prefix(dot + 1);
    }
    if (result.size() > kMaxDomainLength)
        return std::nullopt;
    // A name whose last label is a number is an IPv4 address, whole or not at all.
    if (std::all_of(lastLabel.begin(), lastLabel.end(), IsAsciiDigit) && !IsIpv4Address(result))
        return std::nullopt;
    return result;
}

std::string CanonicalHost(std::string_view host)
{
    const char* trimmed = ".[]";
    std::size_t first = host.find_first_not_of(trimmed);
    if (first == std::string_view::npos)
        return {};
    return AsciiLower(host.substr(first, host.find_last_not_of(trimmed) - first + 1));
}

bool DomainCovers(std::string_view keptDomain, std::string_view canonicalHost)
{
    if (keptDomain.empty())
        return false;
    if (canonicalHost.size() == keptDomain.size())
        return canonicalHost == keptDomain;
    return canonicalHost.size() > keptDomain.size() &&
           canonicalHost.substr(canonicalHost.size() - keptDomain.size()) == keptDomain &&
           canonicalHost[canonicalHost.size() - keptDomain.size() - 1] == '.';
}

} // namespace aw
