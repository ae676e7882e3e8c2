// The statements of the in-place cookie clean, run on SQLite against the cookie tables of
// Chromium and Firefox (their schemas as the browsers of the fixtures write them): the rows of
// the kept sites stay byte for byte, every other row goes, and the statements decide exactly as
// the keep list's own rules do.
#include "cleaner/keep_list.h"
#include "cleaner/keep_sites_sql.h"
#include "cleaner/site_origins.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace aw {
namespace {

constexpr const char* kChromiumSchema =
    "CREATE TABLE cookies(creation_utc INTEGER NOT NULL,host_key TEXT NOT NULL,top_frame_site_key TEXT NOT NULL,"
    "name TEXT NOT NULL,value TEXT NOT NULL,encrypted_value BLOB NOT NULL,path TEXT NOT NULL,expires_utc INTEGER NOT "
    "NULL,is_secure INTEGER NOT NULL,is_httponly INTEGER NOT NULL,last_access_utc INTEGER NOT NULL,has_expires "
    "INTEGER NOT NULL,is_persistent INTEGER NOT NULL,priority INTEGER NOT NULL,samesite INTEGER NOT NULL,"
    "source_scheme INTEGER NOT NULL,source_port INTEGER NOT NULL,last_update_utc INTEGER NOT NULL,source_type "
    "INTEGER NOT NULL,has_cross_site_ancestor INTEGER NOT NULL);"
    "CREATE UNIQUE INDEX cookies_unique_index ON cookies(host_key, top_frame_site_key, has_cross_site_ancestor, "
    "name, path, source_scheme, source_port);";
constexpr const char* kChromiumRow =
    "INSERT INTO cookies VALUES (13441124780907338, ?1, '', 'sid', ?2, x'763130a1b2c3', '/', 0, 1, 1, "
    "13441124780907338, 0, 0, 1, -1, 2, 443, 13441124780907338, 0, 0)";

constexpr const char* kFirefoxSchema =
    "CREATE TABLE moz_cookies (id INTEGER PRIMARY KEY, originAttributes TEXT NOT NULL DEFAULT '', name TEXT, value "
    "TEXT, host TEXT, path TEXT, expiry INTEGER, lastAccessed INTEGER, creationTime INTEGER, isSecure INTEGER, "
    "isHttpOnly INTEGER, inBrowserElement INTEGER DEFAULT 0, sameSite INTEGER DEFAULT 0, schemeMap INTEGER DEFAULT "
    "0, isPartitionedAttributeSet INTEGER DEFAULT 0, updateTime INTEGER, CONSTRAINT moz_uniqueid UNIQUE (name, "
    "host, path, originAttributes));";
constexpr const char* kFirefoxRow = "INSERT INTO moz_cookies (originAttributes, name, value, host, path, expiry) "
                                    "VALUES ('^userContextId=1', 'sid', ?2, ?1, '/', 1900000000)";

struct CloseDb {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct FinalizeStatement {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Db = std::unique_ptr<sqlite3, CloseDb>;
using Statement = std::unique_ptr<sqlite3_stmt, FinalizeStatement>;

Db OpenMemoryDb(const char* schema)
{
    sqlite3* db = nullptr;
    EXPECT_EQ(sqlite3_open(":memory:", &db), SQLITE_OK);
    Db owner(db);
    EXPECT_EQ(sqlite3_exec(db, schema, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    return owner;
}

Statement Prepare(sqlite3* db, const std::string& sql, const std::vector<std::string>& parameters)
{
    sqlite3_stmt* raw = nullptr;
    EXPECT_EQ(sqlite3_prepare_v2(db, sql.c_str(), -1, &raw, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    Statement statement(raw);
    for (std::size_t i = 0; raw && i < parameters.size(); ++i)
        EXPECT_EQ(sqlite3_bind_text(raw, static_cast<int>(i + 1), parameters[i].c_str(), -1, SQLITE_TRANSIENT),
                  SQLITE_OK);
    return statement;
}

void RunStatement(sqlite3* db, const BoundStatement& bound)
{
    Statement statement = Prepare(db, bound.Sql, bound.Parameters);
    ASSERT_TRUE(statement);
    EXPECT_EQ(sqlite3_step(statement.get()), SQLITE_DONE) << sqlite3_errmsg(db);
}

std::pair<long long, long long> CountRows(sqlite3* db, const BoundStatement& bound)
{
    Statement statement = Prepare(db, bound.Sql, bound.Parameters);
    if (!statement || sqlite3_step(statement.get()) != SQLITE_ROW)
        return {-1, -1};
    return {sqlite3_column_int64(statement.get(), 0), sqlite3_column_int64(statement.get(), 1)};
}

// Every row, each column as its type and bytes, keyed by the row's host.
std::map<std::string, std::string> RowsByHost(sqlite3* db, const char* table, const char* hostColumn)
{
    std::map<std::string, std::string> rows;
    Statement statement = Prepare(db, std::string("SELECT ") + hostColumn + ", * FROM " + table, {});
    while (statement && sqlite3_step(statement.get()) == SQLITE_ROW) {
        std::string row;
        for (int column = 1; column < sqlite3_column_count(statement.get()); ++column) {
            const int type = sqlite3_column_type(statement.get(), column);
            const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement.get(), column));
            row += std::to_string(type) + ":" +
                   std::string(bytes ? bytes : "", sqlite3_column_bytes(statement.get(), column)) + "|";
        }
        const auto* host = reinterpret_cast<const char*>(sqlite3_column_text(statement.get(), 0));
        rows[host ? host : "(null)"] = row;
    }
    return rows;
}

// Hosts that catch the usual mistakes: a suffix match without the dot, LIKE's '_' wildcard, a
// case-sensitive comparison, the leading dot of domain cookies, and IPv6 brackets.
const std::vector<std::string> kHosts = {
    "example.org",       ".example.org",        "www.example.org",   ".a.b.example.org",  "EXAMPLE.ORG",
    "badexample.org",    ".badexample.org",     "example.org.evil",  "xample.org",        "mail.example.com",
    ".mail.example.com", "x.mail.example.com",  ".example.com",      "example.com",       "www.example.com",
    "badmail.example.com", "under_score.test",  "underXscore.test",  ".under_score.test", "127.0.0.1",
    "27.0.0.1",          "[::1]",               "::1",               "[::2]",             ".",
    "",                  "example.org.",        "%.example.org",     "other.test",
};

KeepList ListOf(std::initializer_list<const char*> sites)
{
    KeepList keep;
    for (const char* site : sites)
        EXPECT_EQ(keep.Add(site), KeepList::AddResult::Added) << site;
    return keep;
}

void ExpectCleanKeepsExactlyTheKeptSites(CookieStore store, const char* schema, const char* insert,
                                         const char* table, const char* hostColumn)
{
    const KeepList keep = ListOf({"example.org", "mail.example.com", "under_score.test", "127.0.0.1", "::1"});
    Db db = OpenMemoryDb(schema);
    int value = 0;
    for (const std::string& host : kHosts)
        RunStatement(db.get(), BoundStatement{insert, {host, "value-" + std::to_string(value++) + "-\xC3\xA9"}});
    const std::map<std::string, std::string> before = RowsByHost(db.get(), table, hostColumn);
    ASSERT_EQ(before.size(), kHosts.size());

    std::map<std::string, std::string> expected;
    for (const auto& [host, row] : before)
        if (keep.KeepsCookieHost(host))
            expected[host] = row;
    ASSERT_GT(expected.size(), 5u);
    ASSERT_LT(expected.size(), before.size() - 5);

    const SiteCleanStatements statements = CookieStatementsKeeping(store, keep);
    const auto counted = CountRows(db.get(), statements.CountRows);
    EXPECT_EQ(counted.first, static_cast<long long>(before.size()));
    EXPECT_EQ(counted.second, static_cast<long long>(before.size() - expected.size()));
    RunStatement(db.get(), statements.DeleteRows);
    EXPECT_EQ(RowsByHost(db.get(), table, hostColumn), expected);
}

TEST(KeepSitesSql, ChromiumCookiesOfTheKeptSitesStayByteForByte)
{
    ExpectCleanKeepsExactlyTheKeptSites(CookieStore::Chromium, kChromiumSchema, kChromiumRow, "cookies", "host_key");
}

TEST(KeepSitesSql, FirefoxCookiesOfTheKeptSitesStayByteForByte)
{
    ExpectCleanKeepsExactlyTheKeptSites(CookieStore::Firefox, kFirefoxSchema, kFirefoxRow, "moz_cookies", "host");
}

TEST(KeepSitesSql, AKeptSiteWithoutCookiesKeepsNothingAndAnEmptyListKeepsNothing)
{
    for (const KeepList& keep : {ListOf({"no-cookies.test"}), KeepList()}) {
        Db db = OpenMemoryDb(kChromiumSchema);
        for (const char* host : {"example.org", ".example.org", "test"})
            RunStatement(db.get(), BoundStatement{kChromiumRow, {host, "v"}});
        const SiteCleanStatements statements = CookieStatementsKeeping(CookieStore::Chromium, keep);
        EXPECT_EQ(CountRows(db.get(), statements.CountRows), std::make_pair(3LL, 3LL));
        RunStatement(db.get(), statements.DeleteRows);
        EXPECT_TRUE(RowsByHost(db.get(), "cookies", "host_key").empty());
    }
}

TEST(KeepSitesSql, AFullListRunsOnSqlite)
{
    KeepList keep;
    for (std::size_t i = 0; i < kMaxKeptSites; ++i)
        ASSERT_EQ(keep.Add("site" + std::to_string(i) + ".example"), KeepList::AddResult::Added);
    Db db = OpenMemoryDb(kFirefoxSchema);
    for (const char* host : {".site999.example", "site1000.example"})
        RunStatement(db.get(), BoundStatement{kFirefoxRow, {host, "v"}});
    const SiteCleanStatements statements = CookieStatementsKeeping(CookieStore::Firefox, keep);
    EXPECT_EQ(CountRows(db.get(), statements.CountRows), std::make_pair(2LL, 1LL));
    RunStatement(db.get(), statements.DeleteRows);
    EXPECT_EQ(RowsByHost(db.get(), "moz_cookies", "host").count(".site999.example"), 1u);
}

TEST(KeepSitesSql, WebappsstoreRowsOfTheKeptSitesStay)
{
    Db db = OpenMemoryDb("CREATE TABLE webappsstore2 (originAttributes TEXT, originKey TEXT, scope TEXT, key TEXT,"
                         " value TEXT);"
                         "CREATE UNIQUE INDEX origin_key_index ON webappsstore2(originAttributes, originKey, key);");
    const std::vector<std::string> keys = {
        "gro.elpmaxe.:https:443",   "gro.elpmaxe.www.:http:80", "gro.elpmaxedab.:https:443",
        "gro.elpmaxe:https:443",    "moc.elpmaxe.liam.:https:443", "moc.elpmaxe.:https:443",
        "1.0.0.721.:http:8417",     "1.0.0.7212.:http:8417",    "GRO.ELPMAXE.:https:443",
    };
    for (const std::string& key : keys)
        RunStatement(db.get(), BoundStatement{"INSERT INTO webappsstore2 VALUES ('', ?1, ?1, 'k', 'v')", {key}});
    const KeepList keep = ListOf({"example.org", "mail.example.com", "127.0.0.1"});
    std::map<std::string, std::string> expected;
    for (const auto& [key, row] : RowsByHost(db.get(), "webappsstore2", "originKey")) {
        std::optional<SiteOrigin> origin = OriginOfWebappsstoreKey(key);
        if (origin && keep.KeepsHost(origin->Host))
            expected[key] = row;
    }
    ASSERT_EQ(expected.size(), 5u);

    const SiteCleanStatements statements = WebappsstoreStatementsKeeping(keep);
    EXPECT_EQ(CountRows(db.get(), statements.CountRows),
              std::make_pair(static_cast<long long>(keys.size()), static_cast<long long>(keys.size() - 5)));
    RunStatement(db.get(), statements.DeleteRows);
    EXPECT_EQ(RowsByHost(db.get(), "webappsstore2", "originKey"), expected);
}

} // namespace
} // namespace aw
