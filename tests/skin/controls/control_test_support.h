#pragma once
// What the control-skin tests and the contact sheet share: the shipped skin loaded into a
// component, reading what a window shows, and the frames of the skin's elements rendered for
// comparison with it.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "skin/data/skin_data.h"
#include "skin/draw/pixel_image.h"
#include "ui/control.h"

namespace aw::skin::test {

// A component holding the shipped skin, with the switches the main window stores.
std::unique_ptr<TSkinData> ShippedSkinData();

// What the window's client area shows now.
PixelImage Capture(HWND window);

// Which frame of the push-button image the button shows (its border compared with each frame
// drawn as the painter draws it), 0 for none of them.
int ShownButtonFrame(HWND button, const TSkinData& data);

// Which frame of the check-box (or radio) image the box of a check box shows, 0 for none.
int ShownCheckFrame(HWND box, const TSkinData& data, bool radio);

// A picture drawn by `draw` on a DC of a 32-bit DIB of the size.
PixelImage Drawn(int width, int height, const std::function<void(HDC)>& draw);

// Pixels of `area` of `shown` that differ from `expected` (a picture of the area's size); with
// `ring` > 0 only those within that many pixels of the area's edges are compared.
int AreaDifferences(const PixelImage& shown, const RECT& area, const PixelImage& expected, int ring = 0);

// Messages posted as a user's input would arrive, then handled.
void Pump();
void PostClick(HWND window, int x, int y);

// A radio button and a radio group, which the program's windows do not have: their classes
// reach the skin through Skin3rd lines, as another library's controls would.
class RadioButton : public ui::WinControl {
public:
    RadioButton(std::string name, std::string caption);

protected:
    HWND CreateWindowHandle(HWND parent) override;
};

class RadioGroup : public ui::WinControl {
public:
    RadioGroup(std::string name, std::string caption);

protected:
    HWND CreateWindowHandle(HWND parent) override;
};

// Writes the picture as a 24-bit bottom-up BMP; false when the file could not be written.
bool SaveBmp(const PixelImage& image, const std::string& path);

}  // namespace aw::skin::test
