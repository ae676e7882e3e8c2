#pragma once
// The cookie files of older browsers, whose hosts decide whether a file stays when sites are
// kept. Internet Explorer's cookie files (the "Cookies" folder): text, one record of nine lines for
// each cookie: its name, its value, "host/path", its flags, the low and high halves of its
// expiry time and of its creation time (decimal), and "*". Written by Internet Explorer, but
// read as untrusted text.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace aw {

// The largest cookie file read. Internet Explorer keeps one site's cookies in a file of a few
// kilobytes.
constexpr std::size_t kMaxIeCookieFileBytes = 64 * 1024;

struct IeCookieFile {
    std::vector<std::string> Hosts; // of each record in turn, as written ("www.example.org")
    // Every line belonged to a whole record and the file was not larger than
    // kMaxIeCookieFileBytes. A file that is not whole may hold any site's cookies.
    bool Whole = false;
};

IeCookieFile ParseIeCookieFile(std::string_view text);

// The "cookies.txt" of Netscape and K-Meleon: a line for each cookie, seven fields separated by
// tabs, the first its host; "#" starts a comment, except "#HttpOnly_" before a host. The same
// limit and the same result: Whole when every line that is not blank or a comment is a cookie and
// there is one at least.
IeCookieFile ParseNetscapeCookieFile(std::string_view text);

} // namespace aw
