#pragma once
// A picture control (graphic: painted by its parent) showing a JPEG picture.
#include "ui/control.h"
#include "ui/jpeg_decoder.h"

namespace aw::ui {

class Image : public Control {
public:
    explicit Image(std::string name) : Control(std::move(name), "TImage") {}

    // Loads JPEG data; false when it cannot be decoded (the image then stays empty).
    bool LoadJpeg(const std::uint8_t* data, std::size_t size);
    // Loads a JPEG picture from the executable's RCDATA resource of that name.
    bool LoadJpegResource(const char* resourceName);
    const DecodedPicture& Picture() const { return picture_; }

    HCURSOR HandCursor = nullptr;
    bool IsGraphic() const override { return true; }
    void PaintOn(HDC dc) override;
    HCURSOR Cursor() const override { return HandCursor; }

private:
    DecodedPicture picture_;
};

} // namespace aw::ui
