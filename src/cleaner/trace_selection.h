#pragma once
// The selection: which trace categories are ticked. A plain value the program owns; the tree
// shows and edits it, Traces.ini keeps it, the scan sets it, and Clean, Preview and the
// running-browser question read it.
#include "cleaner/trace_categories.h"

#include <initializer_list>
#include <string_view>
#include <utility>
#include <vector>

namespace aw {

class TraceSelection {
public:
    TraceSelection();

    // The categories these (group, category) texts name; texts no category has are left out.
    static TraceSelection Named(std::initializer_list<std::pair<std::string_view, std::string_view>> names);

    bool Contains(CategoryId id) const { return ticked_[IndexOf(id)]; }
    void Set(CategoryId id, bool ticked) { ticked_[IndexOf(id)] = ticked; }
    void Tick(CategoryId id) { Set(id, true); }
    void Untick(CategoryId id) { Set(id, false); }
    void Flip(CategoryId id) { Set(id, !Contains(id)); }
    // Ticks the category these texts name; false, changing nothing, for texts no category has.
    bool TickNamed(std::string_view group, std::string_view category);
    // Every category, or every category of one group, ticked or not.
    void SetAll(bool ticked);
    void SetGroup(std::string_view group, bool ticked);

    bool Empty() const;
    // True when a category of the group is ticked.
    bool AnyInGroup(std::string_view group) const;
    // The ticked categories in tree order.
    std::vector<CategoryId> Ticked() const;

    friend bool operator==(const TraceSelection& a, const TraceSelection& b) { return a.ticked_ == b.ticked_; }
    friend bool operator!=(const TraceSelection& a, const TraceSelection& b) { return !(a == b); }

private:
    std::vector<bool> ticked_;
};

} // namespace aw
