#include "apprules/rules_reader.h"

#include "apprules/rule_names.h"
#include "apprules/rule_text.h"
#include "apprules/rule_values.h"
#include "platform/text.h"

#include <cstdint>
#include <optional>
#include <unordered_set>
#include <utility>

namespace aw {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kEntryNameEnd = " *";
constexpr std::string_view kExcludeKeyName = "ExcludeKey";
constexpr int kMaxKeyNumber = 9999;

bool StartsWith(std::string_view text, std::string_view start)
{
    return text.substr(0, start.size()) == start;
}

// UTF-16 and UTF-32 in either byte order; UTF-32 LE starts like UTF-16 LE.
bool HasOtherUnicodeMark(std::string_view text)
{
    return StartsWith(text, "\xFF\xFE") || StartsWith(text, "\xFE\xFF") ||
           StartsWith(text, std::string_view("\0\0\xFE\xFF", 4));
}

// "FileKey12" -> ("FileKey", 12); no digits -> number 0; -1 for digits the file never writes
// (a leading zero, more than four of them).
std::pair<std::string_view, int> SplitKeyNumber(std::string_view key)
{
    std::size_t digits = 0;
    while (digits < key.size() && key[key.size() - 1 - digits] >= '0' && key[key.size() - 1 - digits] <= '9')
        ++digits;
    std::string_view name = key.substr(0, key.size() - digits);
    std::string_view number = key.substr(key.size() - digits);
    if (number.empty())
        return {name, 0};
    if (number.front() == '0' || number.size() > 4)
        return {name, -1};
    int value = 0;
    for (char c : number)
        value = value * 10 + (c - '0');
    return {name, value};
}

bool IsRuleLine(RuleKey key)
{
    return key == RuleKey::Detect || key == RuleKey::DetectFile || key == RuleKey::FileKey ||
           key == RuleKey::RegKey || key == RuleKey::ExcludeKey;
}

class RuleFileReader {
public:
    AppRules Read(std::string_view text);

private:
    void ReadLine(std::string_view line);
    void OpenSection(std::string_view header);
    void CloseSection();
    void ReadKey(std::string_view line);
    void ApplyKey(RuleKey key, std::string_view value);
    void Problem(RuleProblemKind kind);
    void SkipSection(RuleProblemKind kind);

    template <typename T>
    std::optional<T> Take(RuleValue<T> value)
    {
        if (auto* problem = std::get_if<RuleProblemKind>(&value)) {
            Problem(*problem);
            return std::nullopt;
        }
        return std::move(std::get<T>(value));
    }

    AppRules rules_;
    std::size_t lineNumber_ = 0;
    std::unordered_set<std::string> names_; // of every entry opened, in lower case
    std::size_t entriesOpened_ = 0;          // kept or skipped once read

    // The section being read.
    enum class Section { None, Skipped, Entry } section_ = Section::None;
    std::optional<AppEntry> entry_;
    std::unordered_set<std::uint32_t> keysSeen_;
    std::size_t ruleLines_ = 0;
    bool exclusionUnread_ = false;
};

AppRules RuleFileReader::Read(std::string_view text)
{
    if (text.size() > kMaxRuleFileBytes) {
        rules_.Problems.Add(RuleProblemKind::FileTooLarge, 0);
        return std::move(rules_);
    }
    if (HasOtherUnicodeMark(text)) {
        rules_.Problems.Add(RuleProblemKind::NotUtf8, 0);
        return std::move(rules_);
    }
    if (StartsWith(text, kUtf8Mark))
        text.remove_prefix(kUtf8Mark.size());
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        ++lineNumber_;
        ReadLine(line);
    }
    CloseSection();
    return std::move(rules_);
}

void RuleFileReader::ReadLine(std::string_view line)
{
    line = TrimRuleBlanks(line);
    if (line.empty() || line.front() == ';')
        return;
    if (line.front() == '[') {
        // Even a header that cannot be read ends the section before it.
        CloseSection();
        if (line.size() > kMaxRuleLineBytes)
            SkipSection(RuleProblemKind::LineTooLong);
        else
            OpenSection(line);
        return;
    }
    if (section_ == Section::Skipped)
        return;
    if (line.size() > kMaxRuleLineBytes)
        return Problem(RuleProblemKind::LineTooLong);
    if (!IsCleanText(line))
        return Problem(RuleProblemKind::NotText);
    if (section_ == Section::None)
        return Problem(RuleProblemKind::OutsideEntry);
    ReadKey(line);
}

void RuleFileReader::OpenSection(std::string_view header)
{
    std::string_view name;
    if (header.back() == ']')
        name = header.substr(1, header.size() - 2);
    const bool entryForm = name.size() > kEntryNameEnd.size() &&
                           name.substr(name.size() - kEntryNameEnd.size()) == kEntryNameEnd;
    if (entryForm)
        name.remove_suffix(kEntryNameEnd.size());
    if (!entryForm || !IsUsableRuleName(name))
        return SkipSection(RuleProblemKind::MalformedSection);
    // Counted before the name is kept, so that endless sections cannot grow the set of names.
    if (entriesOpened_ >= kMaxRuleEntries)
        return SkipSection(RuleProblemKind::TooManyEntries);
    if (!names_.insert(AsciiLower(name)).second)
        return SkipSection(RuleProblemKind::DuplicateEntry);
    ++entriesOpened_;
    section_ = Section::Entry;
    entry_.emplace();
    entry_->Name = std::string(name);
    entry_->Line = lineNumber_;
}

void RuleFileReader::SkipSection(RuleProblemKind kind)
{
    rules_.Problems.Add(kind, lineNumber_);
    section_ = Section::Skipped;
}

void RuleFileReader::CloseSection()
{
    if (section_ == Section::Entry) {
        AppEntry& entry = *entry_;
        std::optional<RuleProblemKind> skip;
        if (exclusionUnread_)
            skip = RuleProblemKind::ExclusionUnread;
        else if (entry.Category.empty())
            skip = RuleProblemKind::NoCategory;
        else if (entry.Files.empty() && entry.Keys.empty())
            skip = RuleProblemKind::NothingToClean;
        if (skip)
            rules_.Problems.Add(*skip, entry.Line);
        else
            rules_.Entries.push_back(std::move(entry));
    }
    section_ = Section::None;
    entry_.reset();
    keysSeen_.clear();
    ruleLines_ = 0;
    exclusionUnread_ = false;
}

void RuleFileReader::Problem(RuleProblemKind kind)
{
    rules_.Problems.Add(kind, lineNumber_);
    if (section_ == Section::Entry)
        entry_->Problems.Add(kind, lineNumber_);
}

void RuleFileReader::ReadKey(std::string_view line)
{
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return Problem(RuleProblemKind::MalformedLine);
    const std::string_view keyText = TrimRuleBlanks(line.substr(0, equals));
    const std::string_view value = TrimRuleBlanks(line.substr(equals + 1));

    const auto [name, number] = SplitKeyNumber(keyText);
    const auto key = FindRuleKey(name);
    const bool numberFits = number >= 0 && !(key && key->Numbering == KeyNumbering::None && number > 0) &&
                            !(key && key->Numbering == KeyNumbering::Required && number == 0);
    if (!key || !numberFits) {
        // An exclusion this reader cannot name is still an exclusion the entry asked for.
        if (EqualsIgnoringCase(keyText.substr(0, kExcludeKeyName.size()), kExcludeKeyName))
            exclusionUnread_ = true;
        return Problem(RuleProblemKind::UnknownKey);
    }
    const auto lose = [&](RuleProblemKind kind) {
        if (key->Key == RuleKey::ExcludeKey)
            exclusionUnread_ = true;
        Problem(kind);
    };
    const std::uint32_t id = static_cast<std::uint32_t>(key->Key) * (kMaxKeyNumber + 1) + static_cast<std::uint32_t>(number);
    if (!keysSeen_.insert(id).second)
        return lose(RuleProblemKind::DuplicateKey);
    if (IsRuleLine(key->Key)) {
        if (key->Key == RuleKey::Detect || key->Key == RuleKey::DetectFile)
            entry_->Detect.Conditional = true;
        if (++ruleLines_ > kMaxRulesPerEntry)
            return lose(RuleProblemKind::TooManyRules);
    }
    if (value.empty())
        return lose(RuleProblemKind::MalformedValue);
    ApplyKey(key->Key, value);
}

void RuleFileReader::ApplyKey(RuleKey key, std::string_view value)
{
    AppEntry& entry = *entry_;
    const bool hasCategory = !entry.Category.empty();
    switch (key) {
    case RuleKey::LangSecRef:
        if (hasCategory)
            return Problem(RuleProblemKind::DuplicateKey);
        if (auto name = FindCategoryName(value))
            entry.Category = std::string(*name);
        else
            Problem(RuleProblemKind::UnknownCategory);
        return;
    case RuleKey::Section:
        if (hasCategory)
            return Problem(RuleProblemKind::DuplicateKey);
        if (IsUsableRuleName(value))
            entry.Category = std::string(value);
        else
            Problem(RuleProblemKind::MalformedValue);
        return;
    case RuleKey::Warning:
        entry.Warning = std::string(value);
        return;
    case RuleKey::Detect:
        if (auto path = Take(ParseRegistryPath(value)))
            entry.Detect.Keys.push_back(std::move(*path));
        return;
    case RuleKey::DetectFile:
        if (auto path = Take(ParseRulePath(value)))
            entry.Detect.Files.push_back(std::move(*path));
        return;
    case RuleKey::FileKey:
        if (auto rule = Take(ParseFileRule(value))) {
            rule->Line = lineNumber_;
            entry.Files.push_back(std::move(*rule));
        }
        return;
    case RuleKey::RegKey:
        if (auto rule = Take(ParseRegistryRule(value))) {
            rule->Line = lineNumber_;
            entry.Keys.push_back(std::move(*rule));
        }
        return;
    case RuleKey::ExcludeKey:
        if (auto exclusion = Take(ParseExclusion(value))) {
            exclusion->Line = lineNumber_;
            entry.Exclusions.push_back(std::move(*exclusion));
        } else {
            exclusionUnread_ = true;
        }
        return;
    }
}

} // namespace

AppRules ReadAppRules(std::string_view text)
{
    return RuleFileReader().Read(text);
}

} // namespace aw
