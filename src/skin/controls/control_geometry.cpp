#include "skin/controls/control_geometry.h"

#include <algorithm>

#include "skin/controls/scroll_geometry.h"

namespace aw::skin {

int FourStateFrame(ControlState state, int frameCount)
{
    switch (state) {
    case ControlState::Pressed: return 2;
    case ControlState::Disabled: return 3;
    case ControlState::Hot: return 4;
    case ControlState::Focused: return frameCount >= 5 ? 5 : 1;
    default: return 1;
    }
}

int ToolButtonFrame(bool enabled, bool pressed, bool checked, bool hot, int frameCount)
{
    if (!enabled) return FourStateFrame(ControlState::Disabled, frameCount);
    if (pressed) return FourStateFrame(ControlState::Pressed, frameCount);
    if (checked) return frameCount >= 5 ? 5 : FourStateFrame(ControlState::Pressed, frameCount);
    if (hot) return FourStateFrame(ControlState::Hot, frameCount);
    return 0;
}

unsigned PlayerButtonSet(const std::string& published)
{
    static const char* const kNames[kPlayerButtonCount] = {"btplay", "btpause", "btstop", "btnext", "btprev",
                                                           "btstep", "btback",  "btrecord", "bteject"};
    unsigned set = 0;
    std::string name;
    auto flush = [&] {
        for (int i = 0; i < kPlayerButtonCount; ++i)
            if (name == kNames[i]) set |= 1u << i;
        name.clear();
    };
    if (published.empty()) return (1u << kPlayerButtonCount) - 1;
    for (char ch : published) {
        if ((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z')) {
            name += static_cast<char>(ch | 0x20);
        } else {
            flush();
        }
    }
    flush();
    return set;
}

std::vector<Rect> LayOutPlayerButtons(int width, int height, int count)
{
    std::vector<Rect> buttons;
    for (int i = 0; i < count; ++i) buttons.push_back(Rect{i * width / count, 0, (i + 1) * width / count, height});
    return buttons;
}

ComboLayout LayOutCombo(int width, int height, int buttonWidth)
{
    constexpr int kEdge = 2;
    ComboLayout layout;
    layout.edge = Rect{0, 0, width, height};
    const int right = width - kEdge;
    const int button = std::clamp(buttonWidth, 0, std::max(0, right - kEdge));
    layout.button = Rect{right - button, kEdge, right, height - kEdge};
    layout.text = Rect{kEdge + 1, kEdge, right - button, height - kEdge};
    return layout;
}

std::vector<Rect> ProgressChunks(const Rect& inner, bool vertical, int position, int minimum, int maximum,
                                 int chunkLength)
{
    std::vector<Rect> chunks;
    const int length = vertical ? inner.Height() : inner.Width();
    if (length <= 0 || chunkLength <= 0 || maximum <= minimum) return chunks;
    const int at = std::clamp(position, minimum, maximum);
    const int filled = MulDivRound(length, at - minimum, maximum - minimum);
    for (int offset = 0; offset < filled; offset += chunkLength) {
        const int end = std::min(offset + chunkLength, filled);
        chunks.push_back(vertical ? Rect{inner.left, inner.bottom - end, inner.right, inner.bottom - offset}
                                  : Rect{inner.left + offset, inner.top, inner.left + end, inner.bottom});
    }
    return chunks;
}

int TrackThumbStart(int channelStart, int channelEnd, int position, int minimum, int maximum, int imageLength,
                    int controlLength)
{
    int centre = channelStart;
    if (maximum > minimum) {
        const int at = std::clamp(position, minimum, maximum);
        centre += MulDivRound(channelEnd - channelStart, at - minimum, maximum - minimum);
    }
    const int start = centre - imageLength / 2;
    return std::max(0, std::min(start, controlLength - imageLength));
}

std::vector<ThumbImage> TrackThumbImages(bool vertical, bool ticksBothSides, bool ticksTopOrLeft)
{
    if (vertical) {
        if (ticksBothSides) return {ThumbImage::Vert};
        return {ticksTopOrLeft ? ThumbImage::Left : ThumbImage::Right, ThumbImage::Vert};
    }
    if (ticksBothSides) return {ThumbImage::Horz};
    return {ticksTopOrLeft ? ThumbImage::Up : ThumbImage::Down, ThumbImage::Horz};
}

UpDownLayout LayOutUpDown(int width, int height, bool horizontal)
{
    if (horizontal) {
        const int half = width / 2;
        return {Rect{0, 0, half, height}, Rect{half, 0, width, height}};
    }
    const int half = height / 2;
    return {Rect{0, 0, width, half}, Rect{0, half, width, height}};
}

int UpDownFrame(bool secondButton, ControlState state)
{
    return FourStateFrame(state == ControlState::Focused ? ControlState::Normal : state, 4) + (secondButton ? 4 : 0);
}

std::vector<Rect> HeaderSections(const std::vector<Rect>& items, int width, int height)
{
    std::vector<Rect> sections = items;
    const int last = items.empty() ? 0 : items.back().right;
    if (last < width) sections.push_back(Rect{last, 0, width, height});
    return sections;
}

int HeaderFrame(ControlState state, bool sorted, int frameCount)
{
    if (sorted && frameCount >= 5 && (state == ControlState::Normal || state == ControlState::Focused)) return 5;
    return FourStateFrame(state == ControlState::Focused ? ControlState::Normal : state, frameCount);
}

}  // namespace aw::skin
