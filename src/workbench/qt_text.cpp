#include "workbench/qt_text.h"

#include "web/encoding.h"

namespace dq {

QString ToQString(std::string_view text) {
    const Bytes utf16 = AnsiToUtf16(text, true);
    QString result(static_cast<qsizetype>(utf16.size() / 2), Qt::Uninitialized);
    for (qsizetype i = 0; i < result.size(); ++i) {
        const auto low = static_cast<unsigned char>(utf16[static_cast<std::size_t>(2 * i)]);
        const auto high = static_cast<unsigned char>(utf16[static_cast<std::size_t>(2 * i + 1)]);
        result[i] = QChar(static_cast<char16_t>(low | (high << 8)));
    }
    return result;
}

Text TextFromQString(const QString& text) {
    Bytes utf16;
    utf16.reserve(static_cast<std::size_t>(text.size()) * 2);
    for (const QChar unit : text) {
        const char16_t value = unit.unicode();
        utf16.push_back(static_cast<char>(value & 0xFF));
        utf16.push_back(static_cast<char>(value >> 8));
    }
    return Utf16ToAnsi(utf16);
}

}  // namespace dq
