#pragma once
// Internet Explorer's cookie files (the "Cookies" folder): text, one record of nine lines for
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

} // namespace aw
