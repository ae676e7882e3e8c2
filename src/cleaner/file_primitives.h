#pragma once
// Deleting files and asking about folders. Every operation is silent: a missing location is
// the normal case, a file that cannot be deleted is left and not counted. Paths are UTF-8 of
// any length; a folder may be given with or without its trailing backslash.
#include "cleaner/clean_counters.h"
#include "cleaner/clean_sink.h"

#include <cstdint>
#include <string>

namespace aw {

// An existing file that is the entry its path names, not a link that leads elsewhere. Whatever
// is changed in place (a database cleaned row by row) is checked with it first.
bool IsOwnFile(const std::string& path);

// Size of the first directory entry matching the path, 0 if there is none.
std::int64_t FileSizeOf(const std::string& path);

// Deletes an existing file, read-only, hidden and system ones included. False when there
// is no such file or it could not be deleted (its attributes are then left as they were).
bool DeleteFileNow(const std::string& path, CleanSink& sink = DefaultSink());

// Asks the system to delete an existing file at its next start. False when there is no such
// file or the system refused.
bool DeleteFileAtReboot(const std::string& path);

// Deletes one file and counts it (1 file, its size) when it was deleted; true then.
bool DeleteTraceFile(const std::string& path, CleanCounters& counters, CleanSink& sink = DefaultSink());

// Deletes a database file and counts it; once it is gone, also its "-wal", "-shm" and
// "-journal" companions, each counted. The companions of a database that stays (in use) are
// left: without them its newest rows, or the undoing of a half-written change, would be lost.
void DeleteDatabaseFiles(const std::string& path, CleanCounters& counters, CleanSink& sink = DefaultSink());

// Deletes the files of one folder whose names match the mask, counting each. Sub-folders are
// neither entered nor removed. Does nothing for a folder that is not below a drive or share
// root.
void DeleteFilesInFolder(const std::string& folder, const std::string& mask, CleanCounters& counters,
                         CleanSink& sink = DefaultSink());
// The same, leaving the files whose names also match `keep`.
void DeleteFilesInFolderKeeping(const std::string& folder, const std::string& mask, const std::string& keep,
                                CleanCounters& counters, CleanSink& sink = DefaultSink());

} // namespace aw
