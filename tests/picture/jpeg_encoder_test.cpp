// The encoder's output, read back with libjpeg.
#include <gtest/gtest.h>

#include <vector>

#include "picture/decoded_jpeg.h"
#include "picture/jpeg_encoder.h"

namespace dq {
namespace {

// A raster of width × height in one colour, with rows padded past the last pixel, so a
// stride mistake shows.
struct Raster {
    Raster(int w, int h, unsigned char r, unsigned char g, unsigned char b)
        : width(w), height(h), stride(w * 3 + 5),
          bytes(static_cast<std::size_t>(stride) * h, 0xFF) {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                unsigned char* pixel = &bytes[static_cast<std::size_t>(y) * stride + x * 3];
                pixel[0] = r, pixel[1] = g, pixel[2] = b;
            }
    }
    RgbRaster view() const { return {bytes.data(), width, height, stride}; }
    int width, height, stride;
    std::vector<unsigned char> bytes;
};

TEST(JpegEncoder, WritesABaselineRgbJpegOfTheRaster) {
    const Raster raster(640, 800, 0x12, 0xA4, 0x56);

    const JpegEncoding jpeg = EncodeJpeg(raster.view());

    ASSERT_EQ(jpeg.error, "");
    const testing::DecodedJpeg decoded = testing::DecodeJpeg(jpeg.bytes);
    ASSERT_TRUE(decoded.ok);
    EXPECT_EQ(decoded.width, 640);
    EXPECT_EQ(decoded.height, 800);
    EXPECT_EQ(decoded.components, 3);
    EXPECT_TRUE(decoded.baseline);
    EXPECT_FALSE(decoded.progressive);
    // Quality 75 scales the standard luminance table (DC entry 16) by one half.
    EXPECT_EQ(decoded.luminanceDcQuantiser, 8);
    EXPECT_TRUE(testing::NearColour(decoded.pixel(0, 0), QColor(0x12, 0xA4, 0x56), 4));
    EXPECT_TRUE(testing::NearColour(decoded.pixel(639, 799), QColor(0x12, 0xA4, 0x56), 4));
}

TEST(JpegEncoder, ReportsLibjpegsReasonForARasterItCannotEncode) {
    const JpegEncoding jpeg = EncodeJpeg({nullptr, 0, 0, 0});

    EXPECT_EQ(jpeg.bytes, "");
    EXPECT_NE(jpeg.error, "");
}

}  // namespace
}  // namespace dq
