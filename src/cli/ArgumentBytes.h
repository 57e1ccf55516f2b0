#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Arguments are bytes. As text they are UTF-8 (Qt's local 8-bit encoding),
// and a byte that is no part of valid UTF-8 becomes U+DC80 + byte, a lone
// surrogate no decoded text holds; argumentBytes turns it back, so a file
// name that is not UTF-8 is opened and written exactly as it was given.
QString argumentText(const QByteArray& bytes);
QByteArray argumentBytes(const QString& text);
QStringList argumentTexts(int argc, char** argv);
