// A JPEG file decoded with libjpeg, for tests that check what an export wrote.
#pragma once

#include <QColor>
#include <string>
#include <vector>

namespace dq::testing {

struct DecodedJpeg {
    bool ok = false;          // libjpeg read the whole file
    int width = 0;
    int height = 0;
    int components = 0;
    bool baseline = false;    // a baseline (SOF0) frame
    bool progressive = false;
    int luminanceDcQuantiser = 0;  // the first entry of quantisation table 0
    std::vector<unsigned char> rgb;  // width * height RGB triplets

    QColor pixel(int x, int y) const;
};

DecodedJpeg DecodeJpeg(const std::string& bytes);
DecodedJpeg DecodeJpegFile(const std::string& path);

// True when every channel of a is within tolerance of b's (JPEG is lossy).
bool NearColour(const QColor& a, const QColor& b, int tolerance = 12);

}  // namespace dq::testing
