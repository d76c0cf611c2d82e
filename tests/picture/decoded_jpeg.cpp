#include "picture/decoded_jpeg.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <jpeglib.h>

namespace dq::testing {
namespace {

struct ErrorManager {
    jpeg_error_mgr base{};
    std::jmp_buf jump{};
};

void JumpOnError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

// The start-of-frame marker (0xC0 baseline, 0xC1 extended, 0xC2 progressive, ...) found
// among the segments before the first scan; 0 when there is none.
int FrameMarker(const std::string& bytes) {
    std::size_t at = 2;  // after SOI
    while (at + 4 <= bytes.size() && static_cast<unsigned char>(bytes[at]) == 0xFF) {
        const int marker = static_cast<unsigned char>(bytes[at + 1]);
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
            return marker;
        if (marker == 0xDA) return 0;  // start of scan
        const std::size_t length = static_cast<unsigned char>(bytes[at + 2]) * 256u +
                                   static_cast<unsigned char>(bytes[at + 3]);
        at += 2 + length;
    }
    return 0;
}

}  // namespace

QColor DecodedJpeg::pixel(int x, int y) const {
    const std::size_t at = (static_cast<std::size_t>(y) * width + x) * 3;
    if (x < 0 || y < 0 || x >= width || y >= height || at + 2 >= rgb.size()) return {};
    return QColor(rgb[at], rgb[at + 1], rgb[at + 2]);
}

DecodedJpeg DecodeJpeg(const std::string& bytes) {
    DecodedJpeg decoded;
    jpeg_decompress_struct info{};
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = JumpOnError;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return DecodedJpeg{};
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    jpeg_read_header(&info, TRUE);
    decoded.width = static_cast<int>(info.image_width);
    decoded.height = static_cast<int>(info.image_height);
    decoded.components = info.num_components;
    decoded.baseline = FrameMarker(bytes) == 0xC0;
    decoded.progressive = info.progressive_mode;
    if (info.quant_tbl_ptrs[0]) decoded.luminanceDcQuantiser = info.quant_tbl_ptrs[0]->quantval[0];
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    decoded.rgb.resize(static_cast<std::size_t>(decoded.width) * decoded.height * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = decoded.rgb.data() + static_cast<std::size_t>(info.output_scanline) *
                                                decoded.width * 3;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    decoded.ok = true;
    return decoded;
}

DecodedJpeg DecodeJpegFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return DecodeJpeg({std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()});
}

bool NearColour(const QColor& a, const QColor& b, int tolerance) {
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

}  // namespace dq::testing
