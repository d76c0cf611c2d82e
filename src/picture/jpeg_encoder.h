// The JPEG encoding of exported pictures: an RGB raster in memory to the bytes of a baseline
// JPEG file, with libjpeg-turbo.
#pragma once

#include <cstddef>
#include <string>

namespace dq {

// Rows of width RGB triplets (8 bits each), stride bytes apart, top row first.
struct RgbRaster {
    const unsigned char* pixels = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;
};

struct JpegEncoding {
    std::string bytes;  // the JPEG file; empty when encoding failed
    std::string error;  // why it failed (libjpeg's message); empty on success
};

// Quality 75 with baseline-compatible quantisation tables, optimised Huffman tables and
// smoothing factor 10: the settings every exported picture is written with.
JpegEncoding EncodeJpeg(const RgbRaster& raster);

}  // namespace dq
