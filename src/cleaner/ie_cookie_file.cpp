#include "cleaner/ie_cookie_file.h"

namespace aw {

namespace {

constexpr std::size_t kRecordLines = 9;

bool IsDecimal(std::string_view text)
{
    if (text.empty() || text.size() > 10)
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

// The next line, without its LF or CR LF; false at the end of the text.
bool NextLine(std::string_view& text, std::string_view& line)
{
    if (text.empty())
        return false;
    const std::size_t end = text.find('\n');
    line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return true;
}

} // namespace

IeCookieFile ParseIeCookieFile(std::string_view text)
{
    IeCookieFile file;
    if (text.size() > kMaxIeCookieFileBytes)
        return file;
    std::string_view line;
    for (;;) {
        std::string_view lines[kRecordLines];
        std::size_t count = 0;
        while (count < kRecordLines && NextLine(text, line))
            lines[count++] = line;
        if (count == 0)
            break;
        if (count < kRecordLines || lines[8] != "*")
            return file;
        for (std::size_t i = 3; i < 8; ++i)
            if (!IsDecimal(lines[i]))
                return file;
        const std::string_view hostPath = lines[2];
        const std::string_view host = hostPath.substr(0, hostPath.find('/'));
        if (host.empty() || host.find_first_of(" \t\0", 0, 3) != std::string_view::npos)
            return file;
        file.Hosts.emplace_back(host);
    }
    file.Whole = !file.Hosts.empty();
    return file;
}

IeCookieFile ParseNetscapeCookieFile(std::string_view text)
{
    IeCookieFile file;
    if (text.size() > kMaxIeCookieFileBytes)
        return file;
    constexpr std::string_view kHttpOnly = "#HttpOnly_";
    std::string_view line;
    while (NextLine(text, line)) {
        if (line.substr(0, kHttpOnly.size()) == kHttpOnly)
            line.remove_prefix(kHttpOnly.size());
        else if (line.empty() || line.front() == '#')
            continue;
        std::size_t tabs = 0;
        for (char c : line)
            tabs += c == '\t' ? 1 : 0;
        const std::string_view host = line.substr(0, line.find('\t'));
        if (tabs != 6 || host.empty() || host.find_first_of(" /\0", 0, 3) != std::string_view::npos)
            return file;
        file.Hosts.emplace_back(host);
    }
    file.Whole = !file.Hosts.empty();
    return file;
}

} // namespace aw
