// Reading a community rule file: how long ReadAppRules takes over a whole file, and what it
// keeps. Without a file, a synthetic one of 4,000 entries (tools/apprulesgen) is made first.
//
// Usage: apprules_read_bench [rule file] [rounds = 50]
// Measure an optimised build without sanitizers, e.g.
//   cmake -S . -B build/bench-native -G Ninja -DCMAKE_BUILD_TYPE=Release -DASHWARDEN_SANITIZE=OFF
//         -DASHWARDEN_BENCH=ON -DBUILD_TESTING=OFF
//   cmake --build build/bench-native --target apprules_read_bench
//   build/bench-native/bench/apprules_read_bench

#include "apprules/rules_reader.h"
#include "rules_generator.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    std::string text;
    if (argc > 1) {
        std::ifstream in(argv[1], std::ios::binary);
        text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (text.empty()) {
            std::fprintf(stderr, "cannot read %s\n", argv[1]);
            return 1;
        }
    } else {
        text = aw::tools::GenerateAppRules(4000);
    }
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 50;
    const auto lines = std::count(text.begin(), text.end(), '\n');

    std::vector<double> times;
    std::size_t entries = 0, problems = 0;
    for (int round = 0; round < rounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        const aw::AppRules rules = aw::ReadAppRules(text);
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        entries = rules.Entries.size();
        problems = rules.Problems.Total();
    }
    std::sort(times.begin(), times.end());
    std::printf("rule file: %zu bytes, %ld lines; read: %zu entries kept, %zu problems\n", text.size(),
                static_cast<long>(lines), entries, problems);
    std::printf("reading: median %.2f ms, fastest %.2f ms, slowest %.2f ms over %d rounds (%.0f MB/s at the median)\n",
                times[times.size() / 2], times.front(), times.back(), rounds,
                text.size() / 1e6 / (times[times.size() / 2] / 1000));
    return 0;
}
