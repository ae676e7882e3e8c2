#pragma once
// The application rules as the program shows them: the entries detected on this machine, each
// a category of a group named after its community category, after the program's own groups,
// and which of them are ticked. Nothing is ticked until the user ticks it (or Traces.ini
// does); the scan never does.
#include "apprules/app_rules.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace aw {

// The community's categories have names the program's own groups have too ("Windows"); their
// groups carry this prefix, so that a group, and a section of Traces.ini, always belongs to
// one side.
constexpr char kAppGroupPrefix[] = "Applications: ";

std::string AppGroupText(std::string_view category);

class AppCatalogue {
public:
    AppCatalogue() = default;
    // The detected entries, in the order of the file.
    explicit AppCatalogue(std::vector<AppEntry> entries);

    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    const AppEntry& Entry(std::size_t index) const { return entries_[index]; }
    const std::vector<AppEntry>& Entries() const { return entries_; }
    // The group text of an entry.
    std::string GroupOf(std::size_t index) const { return AppGroupText(entries_[index].Category); }
    // The groups' texts, sorted as the tree shows them (letter case ignored).
    std::vector<std::string> Groups() const;
    // The entry with this group text and name (the name's letter case ignored, as the file's
    // names are unique so); size() when there is none.
    std::size_t Find(std::string_view group, std::string_view name) const;

    bool Ticked(std::size_t index) const { return ticked_[index]; }
    void SetTicked(std::size_t index, bool ticked);
    void UntickAll();
    bool AnyTicked() const;
    std::vector<std::size_t> TickedEntries() const;
    // The entries ticked at some time in this run, or by the file it was loaded from: the ones
    // whose pair Traces.ini must be given on saving (every other one is unticked there too).
    std::vector<std::size_t> EverTicked() const;

private:
    std::vector<AppEntry> entries_;
    std::vector<bool> ticked_;
    std::vector<bool> everTicked_;
};

} // namespace aw
