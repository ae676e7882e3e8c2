#include "cleaner/keep_list.h"

#include "cleaner/site_domain.h"
#include "platform/text.h"

#include <algorithm>
#include <optional>

namespace aw {

namespace {

constexpr std::string_view kSitesSection = "Sites";

std::string_view TrimBlanks(std::string_view text)
{
    const char* blanks = " \t";
    std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// UTF-16 text with its byte-order mark (what Notepad saves as "Unicode") as UTF-8. An unpaired
// surrogate becomes a byte no UTF-8 text holds, so its line names no site.
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian)
{
    std::string out;
    out.reserve(bytes.size());
    auto unit = [&](std::size_t i) {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<char32_t>(bigEndian ? (a << 8) | b : (b << 8) | a);
    };
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char32_t c = unit(i);
        if (c >= 0xD800 && c <= 0xDBFF && i + 3 < bytes.size() && unit(i + 2) >= 0xDC00 && unit(i + 2) <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
            i += 2;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            out += '\xFF';
            continue;
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

// The file's text as UTF-8, its byte-order mark removed.
std::string FileTextAsUtf8(std::string_view bytes)
{
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        return std::string(bytes.substr(3));
    if (bytes.substr(0, 2) == "\xFF\xFE")
        return Utf16ToUtf8(bytes.substr(2), false);
    if (bytes.substr(0, 2) == "\xFE\xFF")
        return Utf16ToUtf8(bytes.substr(2), true);
    return std::string(bytes);
}

KeepListReading Unusable(std::size_t ignoredLines)
{
    KeepListReading reading;
    reading.State = KeepListState::Unusable;
    reading.IgnoredLines = ignoredLines;
    return reading;
}

} // namespace

KeepList::AddResult KeepList::Add(std::string_view site)
{
    std::optional<std::string> domain = NormaliseSiteDomain(site);
    if (!domain)
        return AddResult::NotASite;
    auto place = std::lower_bound(domains_.begin(), domains_.end(), *domain);
    if (place != domains_.end() && *place == *domain)
        return AddResult::AlreadyKept;
    if (domains_.size() >= kMaxKeptSites)
        return AddResult::ListFull;
    domains_.insert(place, std::move(*domain));
    return AddResult::Added;
}

bool KeepList::Remove(std::string_view site)
{
    std::optional<std::string> domain = NormaliseSiteDomain(site);
    if (!domain)
        return false;
    auto place = std::lower_bound(domains_.begin(), domains_.end(), *domain);
    if (place == domains_.end() || *place != *domain)
        return false;
    domains_.erase(place);
    return true;
}

bool KeepList::KeepsHost(std::string_view host) const
{
    const std::string canonical = CanonicalHost(host);
    if (canonical.empty())
        return false;
    // The host and each name above it, at its dots: one of them must be a kept domain.
    std::string_view name = canonical;
    while (true) {
        if (std::binary_search(domains_.begin(), domains_.end(), name))
            return true;
        std::size_t dot = name.find('.');
        if (dot == std::string_view::npos)
            return false;
        name.remove_prefix(dot + 1);
    }
}

bool KeepList::KeepsCookieHost(std::string_view cookieHost) const
{
    if (KeepsHost(cookieHost))
        return true;
    if (cookieHost.empty() || cookieHost.front() != '.')
        return false;
    const std::string canonical = CanonicalHost(cookieHost);
    return std::any_of(domains_.begin(), domains_.end(),
                       [&](const std::string& kept) { return DomainCovers(canonical, kept); });
}

KeepListReading ReadKeepList(std::string_view fileBytes)
{
    if (fileBytes.size() > kMaxKeepListBytes)
        return Unusable(0);
    const std::string text = FileTextAsUtf8(fileBytes);
    if (text.find('\0') != std::string::npos)
        return Unusable(0);

    KeepListReading reading;
    bool inSites = true; // lines before any section header are sites
    bool namedSites = false;
    for (const std::string& rawLine : SplitLines(text)) {
        std::string_view line = TrimBlanks(rawLine);
        if (line.empty() || line.front() == ';' || line.front() == '#')
            continue;
        if (line.front() == '[') {
            if (line.back() != ']') {
                ++reading.IgnoredLines;
                continue;
            }
            inSites = EqualsIgnoringCase(TrimBlanks(line.substr(1, line.size() - 2)), kSitesSection);
            continue;
        }
        if (!inSites) {
            ++reading.IgnoredLines;
            continue;
        }
        switch (reading.List.Add(line)) {
        case KeepList::AddResult::Added:
        case KeepList::AddResult::AlreadyKept:
            namedSites = true;
            break;
        case KeepList::AddResult::NotASite:
            ++reading.IgnoredLines;
            break;
        case KeepList::AddResult::ListFull:
            return Unusable(reading.IgnoredLines);
        }
    }
    if (!namedSites && reading.IgnoredLines > 0)
        return Unusable(reading.IgnoredLines);
    return reading;
}

std::string KeepListFileText(const KeepList& list)
{
    std::vector<std::string> lines = {
        "; Sites whose cookies and site data Ashwarden keeps, one a line.",
        "; A site keeps the names below it: example.org keeps www.example.org.",
        "[Sites]",
    };
    lines.insert(lines.end(), list.Domains().begin(), list.Domains().end());
    return JoinLines(lines);
}

} // namespace aw
