#pragma once
// Helpers for the cleaner's tests under Wine: seeding real files and keys in the prefix's own
// user folders, and removing what a test created. They use the plain Win32 calls, never the
// code under test. Paths and names are UTF-8, as in the program; they reach the system through
// the wide calls (absolute paths of 240 characters or more in the "\\?\" form), so a test can
// seed names the ANSI code page cannot spell and paths of any length.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace aw::test {

// Stops the program unless it runs in the test sandbox: the cleaning code must never see the
// host's files (drive Z: is the host's root in an ordinary Wine prefix).
void RequireSandbox();

// File names the ANSI code page of the test prefix (1252) cannot spell, in UTF-8.
inline const std::string kCyrillicName = "\xD0\xBE\xD1\x82\xD1\x87\xD1\x91\xD1\x82.docx"; // отчёт.docx
inline const std::string kChineseName = "\xE5\xA0\xB1\xE5\x91\x8A.txt";                    // 報告.txt
inline const std::string kEmojiName = "\xF0\x9F\x98\x80 smile.png";                         // U+1F600
inline const std::string kUnspellableNames[] = {kCyrillicName, kChineseName, kEmojiName};

// The UTF-16 form a helper hands to the system.
std::wstring Wide(const std::string& path);
// The "\\?\" form of an absolute path, taken literally by the system whatever its length.
std::wstring ExactPath(const std::string& path);
std::string Utf8(const std::wstring& text);

// A special folder by CSIDL, created when missing; empty if the system has none.
std::string ShellFolder(int csidl);

bool PathExists(const std::string& path);
bool IsFolder(const std::string& path);
std::int64_t SizeOnDisk(const std::string& path);

// Everything a test creates, removed again (files, then folders deepest first, then keys)
// when the tracker goes out of scope or is cleaned.
class Seeds {
public:
    Seeds() = default;
    ~Seeds() { clean(); }
    Seeds(const Seeds&) = delete;
    Seeds& operator=(const Seeds&) = delete;

    // Creates the folder and any missing parents, remembering the ones it created.
    void folder(const std::string& path);
    // Writes a file of the given size (creating its folder) with the given attributes.
    void file(const std::string& path, std::int64_t size, DWORD attributes = FILE_ATTRIBUTE_NORMAL);
    void text(const std::string& path, const std::string& content);
    // Creates the key (and missing parents) under HKEY_CURRENT_USER, with one value.
    void key(const std::string& path);
    void value(const std::string& keyPath, const std::string& name, const std::string& data);

    void clean();

private:
    std::vector<std::string> files_;
    std::vector<std::string> folders_;
    std::vector<std::string> keys_;
};

bool KeyExists(const std::string& path);
bool ValueExists(const std::string& keyPath, const std::string& name);

// Removes a folder and everything below it (test clean-up only; never through links).
void RemoveTree(const std::string& folder);
// Removes everything below a folder, keeping the folder.
void EmptyFolder(const std::string& folder);

// Holds a file open without sharing deletion, so that deleting it fails.
class LockedFile {
public:
    explicit LockedFile(const std::string& path);
    ~LockedFile();
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;
    bool locked() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

// The pending rename/delete operations the system keeps for its next start.
std::vector<std::string> PendingDeletionsAtReboot();
void ClearPendingDeletionsAtReboot();

} // namespace aw::test
