// make_app_rules: writes a synthetic community rule file for the benchmarks.
//
// Usage: make_app_rules <output file> [entries = 4000] [seed = 1]
//   The start-up benchmark puts the file beside the program as winapp2.ini.
#include "rules_generator.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_app_rules <output file> [entries] [seed]\n");
        return 2;
    }
    const std::size_t entries = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 4000;
    const auto seed = static_cast<std::uint32_t>(argc > 3 ? std::strtoul(argv[3], nullptr, 10) : 1);
    const std::string text = aw::tools::GenerateAppRules(entries, seed);
    std::ofstream out(argv[1], std::ios::binary);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("%zu entries, %zu bytes written to %s\n", entries, text.size(), argv[1]);
    return 0;
}
