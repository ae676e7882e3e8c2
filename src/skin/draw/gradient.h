#pragma once
// Two-colour gradients as lists of line colours, and the small ring cache that keeps the
// last sixteen of them: toolbar and background gradients are repainted far more often than
// they change.

#include <array>
#include <vector>

#include "skin/draw/colour.h"

namespace aw::skin {

// The colours of `lines` lines from `from` to `to` (plain colours). Line i is
// from + i·Δ/(lines − 1) per channel, rounded to nearest with halves away from zero, so the
// first line is exactly `from` and the last exactly `to` in either direction. A single line is
// from + Δ/2. No lines for a count below 1.
std::vector<Colour> GradientColours(Colour from, Colour to, int lines);

class GradientCache {
public:
    static constexpr int kSlots = 16;

    // The line colours for this request, computed into the next ring slot on a miss.
    // Entries are tagged with the requested ends and length, so a request hits whatever its
    // rounding produced (a one-line gradient's only colour is neither end).
    const std::vector<Colour>& Colours(Colour from, Colour to, int lines);

    // How many requests had to be computed; lets callers and tests see hits and evictions.
    int Computations() const { return computations_; }

private:
    struct Entry {
        bool used = false;
        int lines = 0;
        Colour from = 0;
        Colour to = 0;
        std::vector<Colour> colours;
    };
    std::array<Entry, kSlots> entries_;
    int next_ = 0;
    int computations_ = 0;
};

}  // namespace aw::skin
