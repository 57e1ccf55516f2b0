#include "core/import/ImportText.h"

namespace
{

// Offset of the first byte that is not part of well-formed UTF-8, or -1.
qsizetype firstInvalidUtf8(const QByteArray& b)
{
    const auto at = [&](qsizetype i) { return static_cast<unsigned char>(b[i]); };
    for (qsizetype i = 0; i < b.size();) {
        const unsigned char lead = at(i);
        int length = 0;
        unsigned minimum = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if ((lead & 0xE0) == 0xC0) {
            length = 2;
            minimum = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            minimum = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            minimum = 0x10000;
        } else {
            return i;
        }
        if (i + length > b.size())
            return i;
        unsigned code = lead & (0x7Fu >> length);
        for (int k = 1; k < length; ++k) {
            if ((at(i + k) & 0xC0) != 0x80)
                return i;
            code = (code << 6) | (at(i + k) & 0x3Fu);
        }
        // Overlong forms, surrogates and code points past Unicode's end.
        if (code < minimum || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
            return i;
        i += length;
    }
    return -1;
}

} // namespace

std::optional<QString> importText(const QByteArray& bytes, ImportError& error)
{
    const qsizetype bom = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    const QByteArray content = bytes.sliced(bom);
    if (const qsizetype bad = firstInvalidUtf8(content); bad >= 0) {
        error = {Txt::importNotUtf8, {}, 0, bad + bom};
        return std::nullopt;
    }
    QString text = QString::fromUtf8(content);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

int lineAt(const QString& text, qsizetype position)
{
    return static_cast<int>(
               QStringView(text).first(std::min(position, text.size())).count(QLatin1Char('\n'))) +
           1;
}
