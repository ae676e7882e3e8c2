#pragma once
// A thin owner of one SQLite connection and its statements, for cleaning browser databases in
// place. Paths are UTF-8 of any length, as everywhere in the cleaner, which is what SQLite
// takes; long ones are opened in the "\\?\" form through SQLite's long-path file system.
#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <vector>

namespace aw {

class SqliteStatement {
public:
    SqliteStatement(sqlite3* db, const char* sql);
    ~SqliteStatement() { sqlite3_finalize(statement_); }
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    bool valid() const { return statement_ != nullptr; }
    // SQLITE_ROW, SQLITE_DONE or an error code.
    int step() { return statement_ ? sqlite3_step(statement_) : SQLITE_MISUSE; }
    std::string text(int column) const;
    std::int64_t integer(int column) const { return sqlite3_column_int64(statement_, column); }
    void bind(int index, const std::string& value);
    void reset() { sqlite3_reset(statement_); }

private:
    sqlite3_stmt* statement_ = nullptr;
};

class SqliteDb {
public:
    // Opens an existing database (a file that starts like one, see LooksLikeSqliteDatabase) for reading and writing, in exclusive locking mode; never
    // creates one. The connection gives up at once on a lock another connection or process
    // holds.
    explicit SqliteDb(const std::string& path);
    ~SqliteDb() { sqlite3_close_v2(db_); }
    SqliteDb(const SqliteDb&) = delete;
    SqliteDb& operator=(const SqliteDb&) = delete;

    bool open() const { return db_ != nullptr; }
    sqlite3* get() const { return db_; }

    // Runs one or more statements; false on any error.
    bool exec(const char* sql);
    // True when the file is a database whose schema lists every one of these tables.
    bool hasTables(const std::vector<const char*>& tables);
    bool hasColumn(const char* table, const char* column);
    int totalChanges() const { return db_ ? sqlite3_total_changes(db_) : 0; }

private:
    sqlite3* db_ = nullptr;
};

// True for a file of at least one page that starts with SQLite's header text. Anything else
// is never handed to SQLite.
bool LooksLikeSqliteDatabase(const std::string& path);

// True when the database passes SQLite's quick integrity check, read as an unchanging file (no
// lock taken, nothing written, no "-wal" or "-shm" opened or created). A damaged database is
// never opened for writing: SQLite would fold or drop the write-ahead log beside it.
bool IsSoundDatabase(const std::string& path);

// Whether a database may be opened for an in-place clean: sound; held by another program that
// does not let it be written; not to be changed by this user; or not sound (damaged, or no
// database at all).
enum class DatabaseHealth { Sound, InUse, Denied, NotSound };
DatabaseHealth CheckDatabaseHealth(const std::string& path);

// The name SQLite is given for a database file: the path in the form the system's wide calls
// take it ("\\?\" when it is long); empty when it names nothing.
std::string SqliteFileName(const std::string& path);

} // namespace aw
