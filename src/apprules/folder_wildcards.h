#pragma once
// Folder parts with "*" or "?" ("%LocalAppData%\Vendor\*\Cache"), expanded through the
// machine into the real folders they match.
#include "apprules/rule_machine.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace aw {

bool HasWildcard(std::string_view text);

// A full path ("X:\..."), tidied, split into its drive ("X:") and its parts.
struct FolderParts {
    std::string Drive;
    std::vector<std::string> Parts;
};
// Empty Drive when the path is not of that form.
FolderParts SplitFullPath(std::string_view path);

// At most this many folders come from one path; one more and the path names none.
constexpr std::size_t kMaxWildcardFolders = 256;

struct WildcardFolders {
    std::vector<std::string> Folders;
    bool TooMany = false; // the limit was passed: Folders is empty
};

// The existing folders a tidied full path names, its wildcard parts matched (MatchesMask)
// against the real sub-folders the machine lists at that depth; parts without wildcards are
// taken as written, whether they exist or not. A path without wildcards comes back as it is,
// also when it is not a full path (the safety rules judge it); one with wildcards but no
// drive names nothing.
WildcardFolders ExpandFolderWildcards(std::string_view folder, const RuleMachine& machine,
                                      std::size_t limit = kMaxWildcardFolders);

} // namespace aw
