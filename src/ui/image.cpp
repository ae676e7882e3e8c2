#include "ui/image.h"

namespace aw::ui {

bool Image::LoadJpeg(const std::uint8_t* data, std::size_t size)
{
    bool ok = DecodeJpeg(data, size, picture_);
    Invalidate();
    return ok;
}

bool Image::LoadJpegResource(const char* resourceName)
{
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC resource = FindResourceA(module, resourceName, MAKEINTRESOURCEA(10)); // RT_RCDATA
    if (!resource)
        return false;
    HGLOBAL loaded = LoadResource(module, resource);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data)
        return false;
    return LoadJpeg(static_cast<const std::uint8_t*>(data), SizeofResource(module, resource));
}

void Image::PaintOn(HDC dc)
{
    if (picture_.Pixels.empty())
        return;
    BITMAPINFO info = DibInfo(picture_.Width, -picture_.Height, 24); // top-down rows
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, bounds_.Left, bounds_.Top, bounds_.Width, bounds_.Height, 0, 0, picture_.Width,
                  picture_.Height, picture_.Pixels.data(), &info, DIB_RGB_COLORS, SRCCOPY);
}

} // namespace aw::ui
