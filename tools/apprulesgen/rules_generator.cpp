#include "rules_generator.h"

#include <array>
#include <string_view>

namespace aw::tools {

namespace {

// A small deterministic generator: the same file on every machine and compiler.
class Random {
public:
    explicit Random(std::uint32_t seed) : state_(seed * 2654435761u + 1) {}

    std::uint32_t Below(std::uint32_t bound)
    {
        state_ = state_ * 1664525u + 1013904223u;
        return (state_ >> 8) % bound;
    }
    bool Percent(std::uint32_t percent) { return Below(100) < percent; }

    template <typename T, std::size_t N>
    const T& Pick(const std::array<T, N>& items)
    {
        return items[Below(static_cast<std::uint32_t>(N))];
    }

private:
    std::uint32_t state_;
};

constexpr std::array<std::string_view, 24> kVendorWords = {
    "Alder", "Birch", "Cobalt", "Dune", "Ember", "Fjord", "Garnet", "Harbor", "Indigo", "Juniper", "Kestrel", "Lumen",
    "Maple", "Nimbus", "Onyx", "Pebble", "Quill", "Raven", "Sable", "Tinsel", "Umber", "Vesper", "Willow", "Zephyr",
};
constexpr std::array<std::string_view, 16> kProductWords = {
    "Notes", "Player", "Chat", "Studio", "Editor", "Viewer", "Sync", "Reader",
    "Mail", "Paint", "Tunes", "Backup", "Launcher", "Office", "Capture", "Terminal",
};
constexpr std::array<std::string_view, 11> kVariables = {
    "%AppData%", "%LocalAppData%", "%LocalAppData%", "%LocalAppData%", "%ProgramData%", "%ProgramFiles%",
    "%CommonProgramFiles%", "%UserProfile%", "%Documents%", "%LocalLowAppData%", "%WinDir%",
};
constexpr std::array<std::string_view, 12> kFolderWords = {
    "Cache", "Logs", "Temp", "CrashDumps", "Thumbnails", "Updates", "Sessions", "GPUCache", "Code Cache", "History",
    "Recent", "Backups",
};
constexpr std::array<std::string_view, 12> kPatterns = {
    "*.*", "*.log", "*.tmp", "*.dmp", "*.bak", "*.old", "*.etl", "recent.xml", "history.dat", "*.lock", "f_*", "data_?",
};
constexpr std::array<std::string_view, 5> kCategories = {"3021", "3022", "3023", "3024", "3025"};
constexpr std::array<std::string_view, 5> kBrowserNumbers = {"3026", "3027", "3028", "3029", "3030"};
constexpr std::array<std::string_view, 4> kSections = {"Games", "Developer Tools", "Office Tools", "Drivers"};
constexpr std::array<std::string_view, 2> kHives = {"HKCU", "HKLM"};

class FileWriter {
public:
    explicit FileWriter(std::uint32_t seed) : random_(seed) {}

    std::string Write(std::size_t entries)
    {
        Line("; Generated application rules for Ashwarden's benchmarks; every name is made up.");
        Line("; Entries: " + std::to_string(entries));
        Line("");
        for (std::size_t i = 0; i < entries; ++i)
            Entry(i);
        return std::move(text_);
    }

private:
    void Line(std::string_view line)
    {
        text_ += line;
        text_ += "\r\n";
    }

    void Key(std::string_view name, std::size_t number, const std::string& value)
    {
        std::string line(name);
        if (number > 0)
            line += std::to_string(number);
        Line(line + "=" + value);
    }

    // "%LocalAppData%\Vendor\Product\Cache", sometimes with a wildcard part.
    std::string Folder(const std::string& vendor, const std::string& product)
    {
        std::string folder = std::string(random_.Pick(kVariables)) + "\\" + vendor;
        if (random_.Percent(70))
            folder += "\\" + product;
        if (random_.Percent(15))
            folder += random_.Percent(50) ? "\\*" : "*";
        if (random_.Percent(80))
            folder += "\\" + std::string(random_.Pick(kFolderWords));
        return folder;
    }

    std::string Patterns()
    {
        std::string patterns(random_.Pick(kPatterns));
        for (std::uint32_t extra = random_.Below(3); extra > 0; --extra)
            patterns += ";" + std::string(random_.Pick(kPatterns));
        return patterns;
    }

    std::string KeyPath(const std::string& vendor, const std::string& product)
    {
        return std::string(random_.Pick(kHives)) + "\\Software\\" + vendor + "\\" + product;
    }

    void Entry(std::size_t index)
    {
        const std::string vendor = std::string(random_.Pick(kVendorWords)) + "Soft";
        const std::string product = std::string(random_.Pick(kProductWords));
        Line("[" + vendor + " " + product + " " + std::to_string(index) + " *]");

        if (random_.Percent(6))
            Key("Section", 0, std::string(random_.Pick(kSections)));
        else
            Key("LangSecRef", 0, std::string(random_.Percent(10) ? random_.Pick(kBrowserNumbers) : random_.Pick(kCategories)));

        const std::uint32_t detection = random_.Below(100);
        const std::size_t detections = 1 + random_.Below(3);
        for (std::size_t n = 1; n <= detections && detection < 90; ++n) {
            const std::size_t number = detections == 1 ? 0 : n;
            if (detection < 55)
                Key("Detect", number, KeyPath(vendor, product));
            else
                Key("DetectFile", number,
                    "%ProgramFiles%\\" + vendor + "\\" + product + (random_.Percent(30) ? "*" : "\\" + product + ".exe"));
        }
        if (random_.Percent(15))
            Key("Warning", 0, "This also removes the settings " + product + " keeps between sessions.");

        const std::size_t fileKeys = 1 + random_.Below(4) + (random_.Percent(20) ? random_.Below(8) : 0);
        for (std::size_t n = 1; n <= fileKeys; ++n) {
            std::string value = Folder(vendor, product) + "|" + Patterns();
            const std::uint32_t flag = random_.Below(100);
            if (flag < 40)
                value += "|RECURSE";
            else if (flag < 55)
                value += "|REMOVESELF";
            Key("FileKey", n, value);
        }
        const std::size_t regKeys = random_.Percent(30) ? 1 + random_.Below(3) : 0;
        for (std::size_t n = 1; n <= regKeys; ++n)
            Key("RegKey", n, KeyPath(vendor, product) + "\\" + std::string(random_.Pick(kFolderWords)) +
                                 (random_.Percent(30) ? "|LastPath" : ""));
        const std::size_t exclusions = random_.Percent(8) ? 1 + random_.Below(2) : 0;
        for (std::size_t n = 1; n <= exclusions; ++n) {
            switch (random_.Below(3)) {
            case 0: Key("ExcludeKey", n, "FILE|" + Folder(vendor, product) + "\\|settings.ini"); break;
            case 1: Key("ExcludeKey", n, "PATH|" + Folder(vendor, product) + "\\Keep\\|*.*"); break;
            default: Key("ExcludeKey", n, "REG|" + KeyPath(vendor, product) + "\\Keep"); break;
            }
        }
        Line("");
    }

    Random random_;
    std::string text_;
};

} // namespace

std::string GenerateAppRules(std::size_t entries, std::uint32_t seed)
{
    return FileWriter(seed).Write(entries);
}

} // namespace aw::tools
