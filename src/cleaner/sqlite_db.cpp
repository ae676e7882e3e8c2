#include "cleaner/sqlite_db.h"

#include "platform/handle.h"

#include <windows.h>

#include <cstring>

namespace aw {

std::string AnsiToUtf8(const std::string& ansi)
{
    if (ansi.empty())
        return std::string();
    int wideLength = MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, nullptr, 0);
    if (wideLength <= 0)
        return std::string();
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, &wide[0], wideLength);
    int length = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return std::string();
    std::string utf8(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, &utf8[0], length, nullptr, nullptr);
    utf8.resize(static_cast<std::size_t>(length - 1));
    return utf8;
}

bool LooksLikeSqliteDatabase(const std::string& ansiPath)
{
    static const char kMagic[16] = {'S', 'Q', 'L', 'i', 't', 'e', ' ', 'f', 'o', 'r', 'm', 'a', 't', ' ', '3', '\0'};
    constexpr LONGLONG kSmallestDatabase = 512; // one page of the smallest page size
    UniqueHandle file(CreateFileA(ansiPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.Get(), &size) || size.QuadPart < kSmallestDatabase)
        return false;
    char header[sizeof kMagic] = {};
    DWORD read = 0;
    return ReadFile(file.Get(), header, sizeof header, &read, nullptr) && read == sizeof header &&
           std::memcmp(header, kMagic, sizeof kMagic) == 0;
}

bool IsSoundDatabase(const std::string& ansiPath)
{
    if (!LooksLikeSqliteDatabase(ansiPath))
        return false;
    std::string path = AnsiToUtf8(ansiPath);
    if (path.empty())
        return false;
    std::string uri = "file:///";
    const char* hex = "0123456789ABCDEF";
    for (char c : path) {
        unsigned char u = static_cast<unsigned char>(c);
        if (c == '\\')
            uri += '/';
        else if (u <= ' ' || c == '%' || c == '?' || c == '#' || u >= 0x80)
            uri += std::string{'%', hex[u >> 4], hex[u & 15]};
        else
            uri += c;
    }
    uri += "?immutable=1";
    sqlite3* db = nullptr;
    bool sound = false;
    if (sqlite3_open_v2(uri.c_str(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr) == SQLITE_OK) {
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

SqliteDb::SqliteDb(const std::string& ansiPath)
{
    // SQLite itself would take a file of less than a page for an empty database and delete
    // the write-ahead log beside it.
    if (!LooksLikeSqliteDatabase(ansiPath))
        return;
    std::string path = AnsiToUtf8(ansiPath);
    if (path.empty())
        return;
    if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
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
