#include "appearance/rendered_text.h"

#include <QHash>

#include <cmath>

namespace dq::testing {
namespace {

double Linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

QRgb Opaque(QRgb pixel) { return pixel | 0xFF000000u; }

// The colour with the most entries in counts.
QRgb MostFrequent(const QHash<QRgb, int>& counts) {
    QRgb colour = 0;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            colour = it.key();
        }
    }
    return colour;
}

}  // namespace

double RelativeLuminance(const QColor& colour) {
    return 0.2126 * Linear(colour.red()) + 0.7152 * Linear(colour.green()) +
           0.0722 * Linear(colour.blue());
}

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TextColours MeasureText(const QImage& shot, const QImage& blank, const QRect& region) {
    const QRect inside = region & shot.rect() & blank.rect();
    QHash<QRgb, int> textCounts;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (Opaque(shot.pixel(x, y)) != Opaque(blank.pixel(x, y))) ++textCounts[Opaque(shot.pixel(x, y))];
        }
    }
    TextColours found;
    if (textCounts.isEmpty()) return found;
    found.text = QColor(MostFrequent(textCounts));
    found.textPixels = textCounts.value(found.text.rgb());
    double worst = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (Opaque(shot.pixel(x, y)) != found.text.rgb()) continue;
            const QColor behind(Opaque(blank.pixel(x, y)));
            const double ratio = ContrastRatio(found.text, behind);
            if (worst == 0 || ratio < worst) {
                worst = ratio;
                found.background = behind;
            }
        }
    }
    return found;
}

TextColours MeasureTextOnPlain(const QImage& shot, const QRect& region, int minimumPixels) {
    QHash<QRgb, int> counts;
    const QRect inside = region & shot.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) ++counts[Opaque(shot.pixel(x, y))];
    }
    TextColours found;
    found.background = QColor(MostFrequent(counts));
    double best = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        const double ratio = ContrastRatio(QColor(it.key()), found.background);
        if (it.value() >= minimumPixels && ratio > best) {
            best = ratio;
            found.text = QColor(it.key());
            found.textPixels = it.value();
        }
    }
    return found;
}

}  // namespace dq::testing
