#include "picture/jpeg_encoder.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

namespace dq {
namespace {

constexpr int kQuality = 75;
constexpr int kSmoothingFactor = 10;

// libjpeg reports a fatal error by calling error_exit, which must not return: it jumps back
// to EncodeJpeg with the message kept.
struct ErrorManager {
    jpeg_error_mgr base{};
    std::jmp_buf jump{};
    char message[JMSG_LENGTH_MAX] = {};
};

void JumpOnError(j_common_ptr info) {
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

// The memory destination's buffer, freed on every way out.
struct OutputBuffer {
    unsigned char* data = nullptr;
    unsigned long size = 0;
    ~OutputBuffer() { std::free(data); }
};

}  // namespace

JpegEncoding EncodeJpeg(const RgbRaster& raster) {
    jpeg_compress_struct info{};
    ErrorManager errors;
    OutputBuffer output;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = JumpOnError;
    // Nothing with a destructor lives between setjmp and the jumps.
    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&info);
        return {{}, errors.message};
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &output.data, &output.size);
    info.image_width = static_cast<JDIMENSION>(raster.width);
    info.image_height = static_cast<JDIMENSION>(raster.height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, kQuality, TRUE);
    info.optimize_coding = TRUE;
    info.smoothing_factor = kSmoothingFactor;
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(raster.pixels + info.next_scanline * raster.stride);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return {std::string(reinterpret_cast<const char*>(output.data), output.size), {}};
}

}  // namespace dq
