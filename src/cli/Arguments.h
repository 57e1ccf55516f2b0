#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Arguments are bytes. As text they are UTF-8 (Qt's local 8-bit encoding),
// and a byte that is no part of valid UTF-8 becomes U+DC80 + byte, a lone
// surrogate no decoded text holds; argumentBytes turns it back, so a file
// name that is not UTF-8 is opened and written exactly as it was given.
QString argumentText(const QByteArray& bytes);
QByteArray argumentBytes(const QString& text);
QStringList argumentTexts(int argc, char** argv);

// How main() goes on, decided from the arguments alone, before anything that
// draws is loaded.
struct StartPlan {
    // An option of the command line or an argument that looks like one but is
    // none: the command line answers (a usage error for the latter), no window.
    bool commandLine = false;
    // Otherwise the window's argv: the program, the files (one that begins
    // with "-" as "./-…", so nothing takes it for an option), then Qt's
    // window options, so a file stays parameter 1 for the running instance.
    QList<QByteArray> windowArguments;
};
StartPlan planStart(int argc, char** argv);
