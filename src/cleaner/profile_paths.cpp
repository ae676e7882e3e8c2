#include "cleaner/profile_paths.h"

namespace aw {

namespace {

bool IsForbiddenNameChar(char c)
{
    unsigned char u = static_cast<unsigned char>(c);
    return u < 32 || c == ':' || c == '*' || c == '?' || c == '"' || c == '<' || c == '>' || c == '|';
}

bool IsOnlyDotsAndSpaces(std::string_view part)
{
    for (char c : part)
        if (c != '.' && c != ' ')
            return false;
    return true;
}

} // namespace

bool IsUsableProfilePath(std::string_view path)
{
    if (path.empty() || path.front() == '\\' || path.front() == '/')
        return false;
    bool named = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= path.size(); ++i) {
        if (i < path.size() && IsForbiddenNameChar(path[i]))
            return false;
        if (i == path.size() || path[i] == '\\' || path[i] == '/') {
            std::string_view part = path.substr(start, i - start);
            if (!part.empty()) {
                // ".", "..", and what the platform would trim down to them.
                if (IsOnlyDotsAndSpaces(part))
                    return false;
                named = true;
            }
            start = i + 1;
        }
    }
    return named;
}

std::string FirefoxRootFrom(const std::string& appData)
{
    if (appData.empty())
        return std::string();
    return appData + "\\Mozilla\\Firefox\\";
}

std::string ProfileFolderFrom(const std::string& root, const std::string& profile)
{
    if (root.empty() || !IsUsableProfilePath(profile))
        return std::string();
    return root + profile + "\\";
}

} // namespace aw
