#include "picture/page_text.h"

#include <QFont>
#include <QString>
#include <QStringList>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>

namespace dq {
namespace {

constexpr double kPointSize = 14;
constexpr double kRaisePoints = 2;

// 宋体 where it is installed, else the CJK faces a Linux desktop carries.
const QStringList& PageFamilies() {
    static const QStringList families = {
        QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("AR PL UMing CN"),
        QStringLiteral("Noto Serif CJK SC"), QStringLiteral("WenQuanYi Zen Hei"),
        QStringLiteral("Noto Sans CJK SC")};
    return families;
}

QTextCharFormat PageFormat() {
    QTextCharFormat format;
    format.setFontFamilies(PageFamilies());
    format.setFontPointSize(kPointSize);
    format.setFontWeight(QFont::Normal);
    format.setFontItalic(false);
    format.setFontUnderline(false);
    format.setFontStrikeOut(false);
    // Qt gives the baseline offset in percent of the font's height.
    format.setBaselineOffset(kRaisePoints / kPointSize * 100);
    format.clearForeground();  // the palette's text colour
    return format;
}

}  // namespace

void SetPageText(QTextEdit& box, const QString& text) {
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QTextCharFormat format = PageFormat();
    box.clear();
    box.setCurrentCharFormat(format);
    QTextCursor cursor(box.document());
    cursor.insertText(lines, format);
}

}  // namespace dq
