#include "app/running_browsers.h"

#include "catalogue/browser_processes.h"
#include "platform/handle.h"
#include "platform/processes.h"
#include "platform/text.h"

#include <windows.h>

#include <algorithm>
#include <memory>
#include <set>

namespace aw {

namespace {

// The user a process's token names; empty when it cannot be read (another user's process,
// or one that has just ended).
std::vector<unsigned char> TokenUserOf(HANDLE process)
{
    HANDLE rawToken = nullptr;
    if (!OpenProcessToken(process, TOKEN_QUERY, &rawToken))
        return {};
    UniqueHandle token(rawToken);
    DWORD size = 0;
    GetTokenInformation(token.Get(), TokenUser, nullptr, 0, &size);
    if (size == 0)
        return {};
    std::vector<unsigned char> user(size);
    if (!GetTokenInformation(token.Get(), TokenUser, user.data(), size, &size))
        return {};
    return user;
}

bool SameUser(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b)
{
    if (a.empty() || b.empty())
        return false;
    return EqualSid(reinterpret_cast<const TOKEN_USER*>(a.data())->User.Sid,
                    reinterpret_cast<const TOKEN_USER*>(b.data())->User.Sid) != FALSE;
}

// The lower-case image names of the current user's processes.
std::set<std::string> OwnProcessImages()
{
    std::set<std::string> images;
    const std::vector<unsigned char> self = TokenUserOf(GetCurrentProcess());
    if (self.empty())
        return images;
    for (const RunningProcess& entry : RunningProcesses()) {
        UniqueHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.Id));
        if (process && SameUser(TokenUserOf(process.Get()), self))
            images.insert(AsciiLower(entry.Image));
    }
    return images;
}

bool HasTickedCategory(const std::vector<TraceCategoryRef>& selection, std::string_view group)
{
    return std::any_of(selection.begin(), selection.end(), [&](const TraceCategoryRef& ref) { return ref.Group == group; });
}

} // namespace

std::vector<std::string> RunningBrowsers(const std::vector<TraceCategoryRef>& selection)
{
    std::vector<std::string> running;
    std::set<std::string> images;
    bool listed = false;
    for (const BrowserProcesses& browser : BrowserProcessTable()) {
        if (!HasTickedCategory(selection, browser.Group))
            continue;
        if (!listed) {  // the process list is read only when a browser is ticked
            images = OwnProcessImages();
            listed = true;
        }
        for (std::string_view image : browser.Images) {
            if (images.count(AsciiLower(image))) {
                running.emplace_back(browser.Group);
                break;
            }
        }
    }
    return running;
}

std::string RunningBrowserQuestion(const std::string& browser)
{
    return browser + " is running. Files it holds open cannot be removed. Close it and click Retry, or click "
                     "Ignore to clean what can be cleaned.";
}

} // namespace aw
