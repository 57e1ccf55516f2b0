#include "cli/ArgumentBytes.h"

namespace
{

constexpr char16_t escapeBase = 0xDC00;

// Bytes of the UTF-8 sequence a lead byte opens; 0 for a byte that opens none.
int sequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if ((lead & 0xF8) == 0xF0)
        return 4;
    return 0;
}

bool isValidUtf8(const QByteArray& bytes)
{
    return QString::fromUtf8(bytes).toUtf8() == bytes;
}

} // namespace

QString argumentText(const QByteArray& bytes)
{
    if (isValidUtf8(bytes))
        return QString::fromUtf8(bytes);
    QString text;
    for (qsizetype i = 0; i < bytes.size();) {
        const int length = sequenceLength(static_cast<unsigned char>(bytes[i]));
        const QByteArray sequence = bytes.mid(i, length);
        if (length > 0 && sequence.size() == length && isValidUtf8(sequence)) {
            text += QString::fromUtf8(sequence);
            i += length;
        } else {
            text += QChar(static_cast<char16_t>(escapeBase + static_cast<unsigned char>(bytes[i])));
            ++i;
        }
    }
    return text;
}

QByteArray argumentBytes(const QString& text)
{
    QByteArray bytes;
    qsizetype from = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        // A low surrogate after a high one is half of a real character, not a byte.
        const bool escaped = i < text.size() && text[i].unicode() >= escapeBase + 0x80 &&
                             text[i].unicode() <= escapeBase + 0xFF &&
                             (i == 0 || !text[i - 1].isHighSurrogate());
        if (!escaped && i < text.size())
            continue;
        bytes += QStringView(text).mid(from, i - from).toUtf8();
        if (escaped)
            bytes += static_cast<char>(text[i].unicode() - escapeBase);
        from = i + 1;
    }
    return bytes;
}

QStringList argumentTexts(int argc, char** argv)
{
    QStringList texts;
    for (int i = 0; i < argc; ++i)
        texts << argumentText(QByteArray(argv[i]));
    return texts;
}
