#include "cleaner/sqlite_db.h"

#include "platform/handle.h"
#include "platform/long_path.h"
#include "platform/open_file.h"

#include <windows.h>

#include <cstring>

namespace aw {

namespace {

// SQLite's Windows file system for paths of any length: the same as its default one but for
// the room it keeps for a name. It opens "\\?\" names as they stand.
constexpr const char* kLongPathVfs = "win32-longpath";

const char* FileSystemFor()
{
    static const char* const vfs = sqlite3_vfs_find(kLongPathVfs) ? kLongPathVfs : nullptr;
    return vfs;
}

} // namespace

std::string SqliteFileName(const std::string& path)
{
    return WideCallPath(path).value_or(std::string());
}

bool LooksLikeSqliteDatabase(const std::string& path)
{
    static const char kMagic[16] = {'S', 'Q', 'L', 'i', 't', 'e', ' ', 'f', 'o', 'r', 'm', 'a', 't', ' ', '3', '\0'};
    constexpr LONGLONG kSmallestDatabase = 512; // one page of the smallest page size
    UniqueHandle file = OpenFile(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, OPEN_EXISTING);
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.Get(), &size) || size.QuadPart < kSmallestDatabase)
        return false;
    char header[sizeof kMagic] = {};
    DWORD read = 0;
    return ReadFile(file.Get(), header, sizeof header, &read, nullptr) && read == sizeof header &&
           std::memcmp(header, kMagic, sizeof kMagic) == 0;
}

bool IsSoundDatabase(const std::string& path)
{
    if (!LooksLikeSqliteDatabase(path))
        return false;
    const std::string name = SqliteFileName(path);
    if (name.empty())
        return false;
    // A URI without an authority ("file:" and the path at once) takes the path as it stands
    // once its escapes are read, a "\\?\" form included.
    std::string uri = "file:";
    const char* hex = "0123456789ABCDEF";
    for (char c : name) {
        unsigned char u = static_cast<unsigned char>(c);
        if (u <= ' ' || c == '%' || c == '?' || c == '#' || c == '/' || u >= 0x80)
            uri += std::string{'%', hex[u >> 4], hex[u & 15]};
        else
            uri += c;
    }
    uri += "?immutable=1";
    sqlite3* db = nullptr;
    bool sound = false;
    if (sqlite3_open_v2(uri.c_str(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, FileSystemFor()) == SQLITE_OK) {
        SqliteStatement check(db, "PRAGMA quick_check(1)");
        sound = check.valid() && check.step() == SQLITE_ROW && check.text(0) == "ok";
    }
    sqlite3_close_v2(db);
    return sound;
}

SqliteStatement::SqliteStatement(sqlite3* db, const char* sql)
{
    if (db && sqlite3_prepare_v2(db, sql, -1, &statement_, nullptr) != SQLITE_OK) {
        sqlite3_finalize(statement_);
        statement_ = nullptr;
    }
}

std::string SqliteStatement::text(int column) const
{
    const unsigned char* value = sqlite3_column_text(statement_, column);
    if (!value)
        return std::string();
    return std::string(reinterpret_cast<const char*>(value), static_cast<std::size_t>(sqlite3_column_bytes(statement_, column)));
}

void SqliteStatement::bind(int index, const std::string& value)
{
    sqlite3_bind_text(statement_, index, value.data(), static_cast<int>(value.size()), SQLITE_TRANSIENT);
}

SqliteDb::SqliteDb(const std::string& path)
{
    // SQLite itself would take a file of less than a page for an empty database and delete
    // the write-ahead log beside it.
    if (!LooksLikeSqliteDatabase(path))
        return;
    const std::string name = SqliteFileName(path);
    if (name.empty())
        return;
    if (sqlite3_open_v2(name.c_str(), &db_, SQLITE_OPEN_READWRITE, FileSystemFor()) != SQLITE_OK) {
        sqlite3_close_v2(db_);
        db_ = nullptr;
        return;
    }
    sqlite3_busy_timeout(db_, 0);
    // Once it has touched the file, the connection keeps it for itself until it closes: no
    // browser starting meanwhile sees a database half cleaned. Set before the first read, so
    // that a write-ahead log is indexed in memory rather than in a "-shm" file.
    sqlite3_exec(db_, "PRAGMA locking_mode = EXCLUSIVE", nullptr, nullptr, nullptr);
}

bool SqliteDb::exec(const char* sql)
{
    return db_ && sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

bool SqliteDb::hasTables(const std::vector<const char*>& tables)
{
    SqliteStatement query(db_, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?1");
    if (!query.valid())
        return false; // not a database, or one that cannot be read
    for (const char* table : tables) {
        query.reset();
        query.bind(1, table);
        if (query.step() != SQLITE_ROW)
            return false;
    }
    return true;
}

bool SqliteDb::hasColumn(const char* table, const char* column)
{
    SqliteStatement query(db_, "SELECT 1 FROM pragma_table_info(?1) WHERE name = ?2");
    if (!query.valid())
        return false;
    query.bind(1, table);
    query.bind(2, column);
    return query.step() == SQLITE_ROW;
}

} // namespace aw
