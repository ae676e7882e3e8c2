#include "cleaner/keep_sites_sql.h"

#include <algorithm>

namespace aw {

namespace {

struct CookieTable {
    const char* Table;
    const char* HostColumn;
};

CookieTable CookieTableOf(CookieStore store)
{
    return store == CookieStore::Chromium ? CookieTable{"cookies", "host_key"} : CookieTable{"moz_cookies", "host"};
}

// "WITH kept(value) AS (VALUES (?1), (?2), ...)": the list as a table of bound values. With no
// value the table is empty. (Row values of a VALUES clause are not bound by SQLite's limit on
// compound selects.)
std::string KeptValuesTable(std::size_t count)
{
    if (count == 0)
        return "WITH kept(value) AS (SELECT NULL WHERE 0) ";
    std::string sql = "WITH kept(value) AS (VALUES ";
    for (std::size_t i = 1; i <= count; ++i) {
        if (i > 1)
            sql += ", ";
        sql += "(?" + std::to_string(i) + ")";
    }
    return sql + ") ";
}

SiteCleanStatements Statements(const std::string& values, const std::string& table, const std::string& goes,
                               const std::vector<std::string>& parameters)
{
    SiteCleanStatements statements;
    statements.CountRows.Sql = values + "SELECT count(*), coalesce(sum(" + goes + "), 0) FROM " + table;
    statements.CountRows.Parameters = parameters;
    statements.DeleteRows.Sql = values + "DELETE FROM " + table + " WHERE " + goes;
    statements.DeleteRows.Parameters = parameters;
    return statements;
}

} // namespace

SiteCleanStatements CookieStatementsKeeping(CookieStore store, const KeepList& keep)
{
    const CookieTable names = CookieTableOf(store);
    const std::string column = names.HostColumn;
    const std::string host = "trim(" + column + ", '.[]')";
    // Kept: the host is the domain, or ends in "." + the domain; or the row is a domain cookie
    // (a leading dot) of a name above the domain.
    const std::string goes = "NOT EXISTS (SELECT 1 FROM kept WHERE " + host + " = kept.value COLLATE NOCASE" +
                             " OR substr(" + host + ", -length(kept.value) - 1) = ('.' || kept.value) COLLATE NOCASE" +
                             " OR (substr(" + column + ", 1, 1) = '.' AND substr(kept.value, -length(" + host +
                             ") - 1) = ('.' || " + host + ") COLLATE NOCASE))";
    return Statements(KeptValuesTable(keep.size()), names.Table, goes, keep.Domains());
}

SiteCleanStatements WebappsstoreStatementsKeeping(const KeepList& keep)
{
    // An origin key starts with its host reversed and a dot: "moc.elpmaxe.liam." for
    // mail.example.com. It lies at or below example.com when it starts with "moc.elpmaxe.".
    std::vector<std::string> prefixes;
    for (const std::string& domain : keep.Domains()) {
        std::string reversed(domain.rbegin(), domain.rend());
        prefixes.push_back(reversed + ".");
    }
    const std::string goes =
        "NOT EXISTS (SELECT 1 FROM kept WHERE substr(originKey, 1, length(kept.value)) = kept.value COLLATE NOCASE)";
    return Statements(KeptValuesTable(prefixes.size()), "webappsstore2", goes, prefixes);
}

} // namespace aw
