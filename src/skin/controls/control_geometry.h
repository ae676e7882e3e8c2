#pragma once
// Layout and state rules of the painters for combo boxes, progress bars, track bars, up-down
// controls and list headers, as plain functions of what the control reports.

#include <string>
#include <vector>

#include "skin/controls/control_states.h"
#include "skin/draw/rect.h"

namespace aw::skin {

// The four-state elements (combo button and edge, header sections, up-down buttons, tool-bar
// buttons) and the five-frame track-bar thumbs: 1 normal, 2 pressed, 3 disabled, 4 mouse over,
// 5 focused. An element with fewer than five frames shows a focused control as normal.
int FourStateFrame(ControlState state, int frameCount);

// A combo box: the edge over the whole control, the drop-down button `buttonWidth` wide inside
// the edge's right side (at most the control's width less the edge), the text area left of it.
struct ComboLayout {
    Rect edge;
    Rect button;
    Rect text;
};
ComboLayout LayOutCombo(int width, int height, int buttonWidth);

// A progress bar's chunks inside `inner`, filled from the left (from the bottom when vertical)
// in proportion to the position within min..max. Every chunk is `chunkLength` long; the last is
// cut at the filled length, and a position past the range fills the bar, never more.
std::vector<Rect> ProgressChunks(const Rect& inner, bool vertical, int position, int minimum, int maximum,
                                 int chunkLength);

// Where a track bar's thumb image of `imageLength` pixels starts along the axis: centred on the
// point of the channel that the position gives (the channel's start at the minimum, its end at
// the maximum) and kept inside the control's `controlLength`.
int TrackThumbStart(int channelStart, int channelEnd, int position, int minimum, int maximum, int imageLength,
                    int controlLength);

// Which thumb image a track bar uses, most specific first, by orientation and the side its
// ticks are on; the painter takes the first the skin has.
enum class ThumbImage { Horz, Vert, Up, Down, Left, Right };
std::vector<ThumbImage> TrackThumbImages(bool vertical, bool ticksBothSides, bool ticksTopOrLeft);

// An up-down control's two buttons: the first (up, or left when horizontal) and the second.
struct UpDownLayout {
    Rect first;
    Rect second;
};
UpDownLayout LayOutUpDown(int width, int height, bool horizontal);
// Frames 1-4 belong to the first button, 5-8 to the second.
int UpDownFrame(bool secondButton, ControlState state);

// A tool-bar button's frame of a four-state element, 0 for a button at rest (it lies on the
// bar's background): pressed, then checked (the focused frame, or pressed for a four-frame
// element), then mouse over; a disabled button shows the disabled frame.
int ToolButtonFrame(bool enabled, bool pressed, bool checked, bool hot, int frameCount);

// A media player's buttons, in the player's order.
enum class PlayerButton { Play, Pause, Stop, Next, Prev, Step, Back, Record, Eject };
inline constexpr int kPlayerButtonCount = 9;
// The buttons a player's published set names ("[btPlay,btStop]"), bit i for button i; no text at
// all (a player without the property) names all nine.
unsigned PlayerButtonSet(const std::string& published);
// `count` buttons side by side over a `width` x `height` player, each as wide as the next
// within a pixel.
std::vector<Rect> LayOutPlayerButtons(int width, int height, int count);

// A header's sections as the skin draws them: each item's own rectangle, then a filler
// section from the last item's right edge to the header's right edge when room is left.
std::vector<Rect> HeaderSections(const std::vector<Rect>& items, int width, int height);
// Header frames: those of FourStateFrame, with 5 for a sorted section at rest.
int HeaderFrame(ControlState state, bool sorted, int frameCount);

}  // namespace aw::skin
