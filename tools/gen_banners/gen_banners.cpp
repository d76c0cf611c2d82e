// Draws the two title banners of the picture page into data/pictures:
//   weather_banner.png  390 × 52: a teal bar, the title 今日天气 and the word WEATHER;
//   news_banner.png     560 × 46: a teal bar, the title 今日新闻 and the word JOURNALISM.
// Usage: gen_banners [OUTPUT_DIRECTORY]   (default: data/pictures of the source tree)
// Runs on the offscreen platform; needs a font with Chinese glyphs (fonts-wqy-zenhei).
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <cstdio>

namespace {

const QColor kTeal(0x13, 0x8d, 0x90);
const QColor kTitle(0x1d, 0x2b, 0x36);
const QColor kWord(0x6f, 0x8f, 0x99);

QFont Font(int pixels, bool bold) {
    QFont font(QStringLiteral("WenQuanYi Zen Hei"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// A bar from the left edge to the title, the title, and the word in spaced capitals after it.
QImage Banner(int width, int height, const QString& title, const QString& word) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const int barWidth = 32;
    const int barHeight = height * 5 / 8;
    painter.fillRect(QRect(0, (height - barHeight) / 2, barWidth, barHeight), kTeal);
    painter.setPen(kTitle);
    painter.setFont(Font(height * 3 / 5, true));
    const QRect titleBox(barWidth + 10, 0, width, height);
    QRect titleUsed;
    painter.drawText(titleBox, Qt::AlignLeft | Qt::AlignVCenter, title, &titleUsed);
    QFont wordFont = Font(height * 2 / 7, false);
    wordFont.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    painter.setFont(wordFont);
    painter.setPen(kWord);
    painter.drawText(QRect(titleUsed.right() + 14, 0, width, height - height / 8),
                     Qt::AlignLeft | Qt::AlignBottom, word);
    painter.setPen(QPen(kTeal, 2));
    painter.drawLine(titleUsed.right() + 14, height - 4, width - 2, height - 4);
    return image;
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString output = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                    : QStringLiteral(DQ_SOURCE_DIR "/../../data/pictures");
    const bool weather = Banner(390, 52, QStringLiteral("今日天气"), QStringLiteral("WEATHER"))
                             .save(output + "/weather_banner.png");
    const bool news = Banner(560, 46, QStringLiteral("今日新闻"), QStringLiteral("JOURNALISM"))
                          .save(output + "/news_banner.png");
    if (!weather || !news) {
        std::fprintf(stderr, "cannot write the banners into %s\n", qPrintable(output));
        return 1;
    }
    return 0;
}
