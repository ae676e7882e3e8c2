#include "cleaner/keep_list.h"

#include "cleaner/site_domain.h"
#include "cleaner/utf_text.h"
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
