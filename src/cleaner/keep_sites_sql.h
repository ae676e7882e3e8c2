#pragma once
// The statements that clean a browser's cookie database, or Firefox's webappsstore.sqlite, in
// place while keeping the sites of a keep list. Only placeholders and the program's own table
// and column names are in the text; the kept domains are bound as parameters, so no name in a
// keep list can change what a statement does.
//
// The statements decide exactly as KeepList does (KeepsCookieHost, KeepsHost): the host is
// compared without ASCII case (COLLATE NOCASE, never LIKE, whose '_' and '%' are wildcards),
// after the dots at its ends and the brackets of an IPv6 address are trimmed.
#include "cleaner/keep_list.h"

#include <string>
#include <vector>

namespace aw {

struct BoundStatement {
    std::string Sql;
    std::vector<std::string> Parameters; // bound as text to ?1, ?2, ... in this order
};

enum class CookieStore {
    Chromium, // "Network\Cookies" (and "Cookies" before it): table cookies, host column host_key
    Firefox,  // "cookies.sqlite": table moz_cookies, host column host
};

struct SiteCleanStatements {
    // One row of two integers: the rows of the table, and how many of them go.
    BoundStatement CountRows;
    // Deletes the rows that go.
    BoundStatement DeleteRows;
};

// With an empty list every row goes.
SiteCleanStatements CookieStatementsKeeping(CookieStore store, const KeepList& keep);

// Firefox's webappsstore.sqlite (table webappsstore2): the rows whose originKey's reversed host is
// not a kept domain or below one go.
SiteCleanStatements WebappsstoreStatementsKeeping(const KeepList& keep);

} // namespace aw
