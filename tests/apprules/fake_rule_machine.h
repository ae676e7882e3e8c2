#pragma once
// A made-up machine for the application rules: its special folders, and the folders, files
// and registry keys that exist on it.
#include "apprules/rule_folders.h"
#include "apprules/rule_machine.h"
#include "cleaner/path_rules.h"
#include "platform/text.h"

#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace aw::test {

// A 64-bit machine: both program-files folders.
inline RuleFolders MachineFolders()
{
    RuleFolders folders;
    folders.Set(FolderVariable::AppData, {"C:\\Users\\anna\\AppData\\Roaming"});
    folders.Set(FolderVariable::LocalAppData, {"C:\\Users\\anna\\AppData\\Local\\"});
    folders.Set(FolderVariable::LocalLowAppData, {"C:\\Users\\anna\\AppData\\LocalLow"});
    folders.Set(FolderVariable::ProgramData, {"C:\\ProgramData"});
    folders.Set(FolderVariable::ProgramFiles, {"C:\\Program Files (x86)", "C:\\Program Files"});
    folders.Set(FolderVariable::CommonProgramFiles,
                {"C:\\Program Files (x86)\\Common Files", "C:\\Program Files\\Common Files"});
    folders.Set(FolderVariable::UserProfile, {"C:\\Users\\anna"});
    folders.Set(FolderVariable::Public, {"C:\\Users\\Public"});
    folders.Set(FolderVariable::SystemDrive, {"C:"});
    folders.Set(FolderVariable::WinDir, {"C:\\Windows"});
    folders.Set(FolderVariable::Documents, {"C:\\Users\\anna\\Documents"});
    return folders;
}

class FakeRuleMachine final : public RuleMachine {
public:
    // A folder, and every folder holding it.
    void AddFolder(const std::string& path)
    {
        for (std::size_t at = path.find('\\', 3); at != std::string::npos; at = path.find('\\', at + 1))
            folders_.emplace(AsciiLower(path.substr(0, at)), path.substr(0, at));
        folders_.emplace(AsciiLower(path), path);
    }
    void AddFile(const std::string& path)
    {
        AddFolder(path.substr(0, path.rfind('\\')));
        files_.push_back(path);
    }
    void AddKey(const std::string& text) { keys_.insert(AsciiLower(text)); }

    std::vector<std::string> SubfolderNames(const std::string& folder) const override
    {
        ++listings;
        std::vector<std::string> names;
        for (const auto& [lower, path] : folders_)
            if (IsChildOf(path, folder))
                names.push_back(path.substr(path.rfind('\\') + 1));
        return names;
    }

    bool HasEntryMatching(const std::string& folder, std::string_view mask) const override
    {
        std::vector<std::string> entries = files_;
        for (const auto& [lower, path] : folders_)
            entries.push_back(path);
        for (const std::string& path : entries)
            if (IsChildOf(path, folder) && MatchesMask(path.substr(path.rfind('\\') + 1), mask))
                return true;
        return false;
    }

    bool KeyExists(const RegistryPath& key) const override
    {
        const char* hives[] = {"hkcu", "hklm", "hkcr", "hku"};
        std::string text = hives[static_cast<int>(key.Hive)];
        if (!key.Key.empty())
            text += "\\" + AsciiLower(key.Key);
        return keys_.count(text) > 0;
    }

    mutable int listings = 0;

private:
    static bool IsChildOf(const std::string& path, const std::string& folder)
    {
        const std::string base = folder.back() == '\\' ? folder : folder + '\\';
        return path.size() > base.size() && EqualsIgnoringCase(path.substr(0, base.size()), base) &&
               path.find('\\', base.size()) == std::string::npos;
    }

    std::map<std::string, std::string> folders_; // lower case -> as added
    std::vector<std::string> files_;
    std::set<std::string> keys_;
};

// The rule file written for these tests, from the source tree.
inline std::string ReadTestRules()
{
    std::string root = AW_SOURCE_ROOT;
    if (const char* given = std::getenv("AW_SOURCE_DIR"); given && *given)
        root = given;
    if (root.back() != '\\' && root.back() != '/')
        root += '/';
    std::ifstream in(root + "tests/apprules/winapp2_test.ini", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The 1-based number of the first line that is exactly `line`; 0 when there is none.
inline std::size_t LineOf(const std::string& text, std::string_view line)
{
    std::size_t number = 1;
    for (std::size_t start = 0; start < text.size(); ++number) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        if (std::string_view(text).substr(start, end - start) == line)
            return number;
        start = end + 1;
    }
    return 0;
}

} // namespace aw::test
