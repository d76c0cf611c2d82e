// Colours of text as rendered: the contrast ratio of two colours (WCAG 2's measure) and the
// contrast of the text found in a region of a screenshot.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

namespace dq::testing {

// WCAG 2 relative luminance, 0 (black) to 1 (white).
double RelativeLuminance(const QColor& colour);
// (lighter + 0.05) / (darker + 0.05): 1 for equal colours, 21 for black on white.
double ContrastRatio(const QColor& a, const QColor& b);

struct TextColours {
    QColor text;
    QColor background;  // the background the text stands out least against
    int textPixels = 0;
    double ratio() const { return ContrastRatio(text, background); }
};

// Text drawn as solid blocks (█), found by comparing a screenshot with one of the same
// controls without their text: the pixels that differ are text, their most frequent colour
// is the text colour, and the blank screenshot gives the background behind every text pixel,
// so gradients count where the text lies on them.
TextColours MeasureText(const QImage& shot, const QImage& blank, const QRect& region);

// Text on a plain background, from one screenshot (for controls whose size follows their
// text): the most frequent colour is the background, and the text colour the one of at least
// minimumPixels pixels that stands out most against it.
TextColours MeasureTextOnPlain(const QImage& shot, const QRect& region, int minimumPixels);

}  // namespace dq::testing
