#pragma once
// The sites that have cookies on this machine, read from every cookie store the cleaner knows:
// the cookie databases of the Chromium and Firefox families, Internet Explorer's cookie files and
// the "cookies.txt" of Netscape and K-Meleon.
// Nothing is changed: a database is read from a copy in a temporary folder, so one a running
// browser holds is read too.
#include <string>
#include <vector>

namespace aw {

// Every cookie host, in canonical form (CanonicalHost: no leading dot, lower case), sorted, each
// once.
std::vector<std::string> HostsWithCookies();

} // namespace aw
