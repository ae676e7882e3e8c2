#pragma once
// The programs behind the browser groups of the trace tree: the image names their processes
// run under. Pure data.
#include <string_view>
#include <vector>

namespace aw {

struct BrowserProcesses {
    std::string_view Group;                // the group's text in the trace tree
    std::vector<std::string_view> Images;  // executable file names, compared ignoring case
};

// One row per browser group, in tree order; the groups that are no browser have none.
const std::vector<BrowserProcesses>& BrowserProcessTable();

} // namespace aw
