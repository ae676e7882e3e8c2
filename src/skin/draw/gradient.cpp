#include "skin/draw/gradient.h"

namespace aw::skin {

namespace {

// a / b for b > 0, rounded to nearest with halves away from zero. For a ≥ 0 it is the
// classic (a + b / 2) / b; a descending channel is rounded the same way mirrored, so it still
// ends exactly on its target instead of one short.
int DivideRounded(int a, int b)
{
    const int half = b / 2;
    return a >= 0 ? (a + half) / b : -((-a + half) / b);
}

int ChannelAt(int from, int to, int line, int lines)
{
    const int delta = to - from;
    if (lines == 1) return from + delta / 2;
    return from + DivideRounded(line * delta, lines - 1);
}

}  // namespace

std::vector<Colour> GradientColours(Colour from, Colour to, int lines)
{
    std::vector<Colour> colours;
    if (lines < 1) return colours;
    colours.reserve(static_cast<std::size_t>(lines));
    for (int i = 0; i < lines; ++i) {
        colours.push_back(Rgb(ChannelAt(RedOf(from), RedOf(to), i, lines),
                              ChannelAt(GreenOf(from), GreenOf(to), i, lines),
                              ChannelAt(BlueOf(from), BlueOf(to), i, lines)));
    }
    return colours;
}

const std::vector<Colour>& GradientCache::Colours(Colour from, Colour to, int lines)
{
    for (const Entry& entry : entries_) {
        if (entry.used && entry.lines == lines && entry.from == from && entry.to == to) return entry.colours;
    }
    Entry& slot = entries_[static_cast<std::size_t>(next_)];
    next_ = (next_ + 1) % kSlots;
    slot.used = true;
    slot.lines = lines;
    slot.from = from;
    slot.to = to;
    slot.colours = GradientColours(from, to, lines);
    ++computations_;
    return slot.colours;
}

}  // namespace aw::skin
