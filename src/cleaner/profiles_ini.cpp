#include "cleaner/profiles_ini.h"

#include "platform/text.h"

#include <algorithm>

namespace aw {

namespace {

std::string_view Trim(std::string_view s)
{
    const char* blanks = " \t\r\n";
    std::size_t first = s.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(blanks) - first + 1);
}

// "Profile" + one or more digits, as a lower-case key for telling sections apart.
bool IsProfileSection(std::string_view name)
{
    constexpr std::string_view kPrefix = "profile";
    if (name.size() <= kPrefix.size() || !EqualsIgnoringCase(name.substr(0, kPrefix.size()), kPrefix))
        return false;
    return std::all_of(name.begin() + kPrefix.size(), name.end(), [](char c) { return c >= '0' && c <= '9'; });
}

struct Section {
    std::string Name; // lower case
    bool HasPath = false;
    bool HasRelative = false;
    BrowserProfile Profile;
};

// The "Profile<digits>" sections in the order of the file.
std::vector<Section> ReadProfileSections(std::string_view text)
{
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    std::vector<Section> sections;
    sections.reserve(kMaxProfiles);
    Section* current = nullptr;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = Trim(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.empty() || line.front() == ';' || line.front() == '#')
            continue;
        if (line.front() == '[') {
            current = nullptr;
            std::size_t close = line.find(']');
            if (close == std::string_view::npos)
                continue;
            std::string_view name = Trim(line.substr(1, close - 1));
            if (!IsProfileSection(name))
                continue;
            std::string key(name);
            key = AsciiLower(key);
            auto known = std::find_if(sections.begin(), sections.end(), [&](const Section& s) { return s.Name == key; });
            if (known != sections.end()) {
                current = &*known;
            } else if (sections.size() < kMaxProfiles) {
                sections.push_back(Section{key, false, false, {}});
                current = &sections.back();
            }
            continue;
        }
        std::size_t equals = line.find('=');
        if (!current || equals == std::string_view::npos)
            continue;
        std::string_view key = Trim(line.substr(0, equals));
        std::string_view value = Trim(line.substr(equals + 1));
        if (EqualsIgnoringCase(key, "Path") && !current->HasPath) {
            current->HasPath = true;
            current->Profile.Path = std::string(value);
        } else if (EqualsIgnoringCase(key, "IsRelative") && !current->HasRelative) {
            current->HasRelative = true;
            current->Profile.Relative = value != "0";
        }
    }
    return sections;
}

} // namespace

std::vector<BrowserProfile> ParseProfilesIni(std::string_view text)
{
    std::vector<Section> sections = ReadProfileSections(text);
    std::vector<BrowserProfile> profiles;
    for (Section& section : sections)
        if (section.HasPath)
            profiles.push_back(std::move(section.Profile));
    return profiles;
}

std::string ProfileZeroPath(std::string_view text)
{
    for (const Section& section : ReadProfileSections(text))
        if (section.Name == "profile0")
            return section.HasPath ? section.Profile.Path : std::string();
    return std::string();
}

} // namespace aw
