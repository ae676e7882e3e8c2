#include "ui/jpeg_decoder.h"

#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE and size_t declared first

#include <jpeglib.h>

namespace aw::ui {

namespace {

// libjpeg's default error manager calls exit(); this one jumps back to the decoder instead.
struct JumpingErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

void OnJpegError(j_common_ptr info)
{
    auto* manager = reinterpret_cast<JumpingErrorManager*>(info->err);
    std::longjmp(manager->jump, 1);
}

void IgnoreJpegMessage(j_common_ptr) {}

// Kept apart from DecodeJpeg so that no object with a destructor lives in the frame that
// setjmp returns into twice.
bool DecodeInto(jpeg_decompress_struct& info, JumpingErrorManager& errors, const std::uint8_t* data,
                std::size_t size, DecodedPicture& picture)
{
    if (setjmp(errors.jump))
        return false;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, const_cast<unsigned char*>(data), static_cast<unsigned long>(size));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK)
        return false;
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    picture.Width = static_cast<int>(info.output_width);
    picture.Height = static_cast<int>(info.output_height);
    picture.Stride = (picture.Width * 3 + 3) & ~3;
    picture.Pixels.assign(static_cast<std::size_t>(picture.Stride) * picture.Height, 0);
    while (info.output_scanline < info.output_height) {
        unsigned char* row = picture.Pixels.data() + static_cast<std::size_t>(info.output_scanline) * picture.Stride;
        JSAMPROW rows[1] = {row};
        jpeg_read_scanlines(&info, rows, 1);
        for (int x = 0; x < picture.Width; ++x) {
            unsigned char red = row[x * 3];
            row[x * 3] = row[x * 3 + 2];
            row[x * 3 + 2] = red;
        }
    }
    jpeg_finish_decompress(&info);
    return true;
}

} // namespace

bool DecodeJpeg(const std::uint8_t* data, std::size_t size, DecodedPicture& picture)
{
    picture = DecodedPicture{};
    if (!data || size == 0)
        return false;
    jpeg_decompress_struct info{};
    JumpingErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = OnJpegError;
    errors.base.output_message = IgnoreJpegMessage;
    bool ok = DecodeInto(info, errors, data, size, picture);
    jpeg_destroy_decompress(&info);
    if (!ok)
        picture = DecodedPicture{};
    return ok;
}

} // namespace aw::ui
