#pragma once
// What the reader of the application rules skipped, and why: counted by kind, and the first
// ones recorded with their line numbers for the log and the tree's tool tip.
#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

namespace aw {

enum class RuleProblemKind {
    // The file as a whole: nothing of it is read.
    FileTooLarge,  // more than kMaxRuleFileBytes
    NotUtf8,       // a UTF-16 or UTF-32 byte-order mark
    // One line, skipped.
    LineTooLong,   // more than kMaxRuleLineBytes
    NotText,       // bytes that are not UTF-8, or control characters (NUL included)
    MalformedLine, // neither a section, a comment, a blank line nor "key=value"
    OutsideEntry,  // a key before the first section
    UnknownKey,
    DuplicateKey,  // the same key (and number) twice in one entry: the first one counts
    MalformedValue,
    UnknownVariable, // a "%Name%" the reader does not know, or a "%" inside a path
    UnknownFlag,     // a FileKey flag other than RECURSE and REMOVESELF
    UnknownCategory, // a LangSecRef number the reader does not know
    TooManyRules,    // more than kMaxRulesPerEntry rule lines in one entry
    // One section, skipped with all its lines.
    MalformedSection, // a header that is not "[Name *]" or whose name cannot be used
    DuplicateEntry,   // a name an earlier section already had (letter case ignored)
    TooManyEntries,   // past the kMaxRuleEntries-th entry section
    NoCategory,       // no readable LangSecRef or Section
    NothingToClean,   // no readable FileKey or RegKey
    ExclusionUnread,  // an ExcludeKey that could not be read: its rules could remove what it keeps
};
constexpr std::size_t kRuleProblemKindCount = static_cast<std::size_t>(RuleProblemKind::ExclusionUnread) + 1;

// A few words for the log ("unknown key").
std::string_view RuleProblemName(RuleProblemKind kind);

struct RuleProblem {
    RuleProblemKind Kind;
    std::size_t Line; // 1-based; 0 for the file as a whole

    bool operator==(const RuleProblem& other) const { return Kind == other.Kind && Line == other.Line; }
};

// How many records a log keeps: every problem is counted, the first ones are recorded.
constexpr std::size_t kEntryProblemRecords = 16;
constexpr std::size_t kFileProblemRecords = 1000;

class ProblemLog {
public:
    explicit ProblemLog(std::size_t recordLimit) : recordLimit_(recordLimit) {}

    void Add(RuleProblemKind kind, std::size_t line);

    std::size_t Total() const { return total_; }
    std::size_t Count(RuleProblemKind kind) const { return counts_[static_cast<std::size_t>(kind)]; }
    // The first problems, in the order they were found.
    const std::vector<RuleProblem>& Recorded() const { return recorded_; }

private:
    std::size_t recordLimit_;
    std::size_t total_ = 0;
    std::array<std::size_t, kRuleProblemKindCount> counts_{};
    std::vector<RuleProblem> recorded_;
};

} // namespace aw
