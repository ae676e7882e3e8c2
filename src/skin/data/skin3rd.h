#pragma once
// Skin3rd: lines "class name=kind" that let controls of other component libraries be skinned
// as a kind the engine knows. Kinds compare without regard to letter case.

#include <cstddef>
#include <string>
#include <vector>

namespace aw::skin {

struct Skin3rdEntry {
    const char* className;
    const char* kind;
};

// The list a new TSkinData starts with, in list order. Three classes appear twice, each time
// with the same kind, so the order of the lines never changes a lookup.
extern const Skin3rdEntry kDefaultSkin3rd[];
extern const std::size_t kDefaultSkin3rdCount;

// The default list as the component's string list holds it: "class=kind" per line.
std::vector<std::string> DefaultSkin3rdLines();

}  // namespace aw::skin
