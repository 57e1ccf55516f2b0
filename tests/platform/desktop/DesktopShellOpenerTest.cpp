#include "platform/desktop/DesktopShellOpener.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace
{

// A stand-in for xdg-open that ends with `status` and notes what it was given.
QString oeffner(const QTemporaryDir& ordner, int status)
{
    const QString pfad = ordner.filePath(QStringLiteral("open-%1").arg(status));
    QFile datei(pfad);
    EXPECT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write(
        QStringLiteral("#!/bin/sh\necho \"$1\" > \"%1.arg\"\nexit %2\n").arg(pfad).arg(status).toUtf8());
    datei.close();
    datei.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return pfad;
}

} // namespace

// A desktop without a browser starts xdg-open, which fails only afterwards; the
// failure reaches the caller.
TEST(DesktopShellOpener, AHelperThatFindsNoBrowserIsReportedAndOneThatShowsThePageIsNot)
{
    QTemporaryDir ordner;
    const QUrl seite = QUrl::fromLocalFile(ordner.filePath(QStringLiteral("tutorial/index.html")));
    for (const auto& [status, gemeldet] : {std::pair{3, true}, {0, false}}) {
        const QString programm = oeffner(ordner, status);
        DesktopShellOpener shell(programm);
        bool fehler = false;
        shell.oeffnenOderMelden(seite, [&fehler] { fehler = true; });
        ASSERT_TRUE(QTest::qWaitFor([&] { return shell.laufend() == 0; }));
        EXPECT_EQ(fehler, gemeldet) << status;
        QFile argument(programm + QStringLiteral(".arg"));
        ASSERT_TRUE(argument.open(QIODevice::ReadOnly));
        EXPECT_EQ(argument.readAll().trimmed(), seite.toLocalFile().toUtf8());
    }
    // No helper at all: the system's own way, which cannot open an invalid address either.
    DesktopShellOpener ohne(ordner.filePath(QStringLiteral("missing")));
    bool fehler = false;
    ohne.oeffnenOderMelden(QUrl(), [&fehler] { fehler = true; });
    EXPECT_TRUE(fehler);
}
