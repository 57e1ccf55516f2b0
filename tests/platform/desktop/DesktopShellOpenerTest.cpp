#include "platform/desktop/DesktopShellOpener.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace
{

// A currentState-in for xdg-open that ends with `status` and notes what it was given.
QString opener(const QTemporaryDir& folder, int status)
{
    const QString pathName = folder.filePath(QStringLiteral("open-%1").arg(status));
    QFile fileItem(pathName);
    EXPECT_TRUE(fileItem.open(QIODevice::WriteOnly));
    fileItem.write(
        QStringLiteral("#!/bin/sh\necho \"$1\" > \"%1.arg\"\nexit %2\n").arg(pathName).arg(status).toUtf8());
    fileItem.close();
    fileItem.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return pathName;
}

} // namespace

// A desktop without a browser starts xdg-open, which fails only afterwards; the
// failure reaches the caller.
TEST(DesktopShellOpener, AHelperThatFindsNoBrowserIsReportedAndOneThatShowsThePageIsNot)
{
    QTemporaryDir folder;
    const QUrl page = QUrl::fromLocalFile(folder.filePath(QStringLiteral("tutorial/index.html")));
    for (const auto& [status, gemeldet] : {std::pair{3, true}, {0, false}}) {
        const QString programm = opener(folder, status);
        DesktopShellOpener shell(programm);
        bool errorBox = false;
        shell.openOrReport(page, [&errorBox] { errorBox = true; });
        ASSERT_TRUE(QTest::qWaitFor([&] { return shell.runningTotal() == 0; }));
        EXPECT_EQ(errorBox, gemeldet) << status;
        QFile argument(programm + QStringLiteral(".arg"));
        ASSERT_TRUE(argument.open(QIODevice::ReadOnly));
        EXPECT_EQ(argument.readAll().trimmed(), page.toLocalFile().toUtf8());
    }
    // No helper at all: the system's own way, which cannot open an invalid address either.
    DesktopShellOpener ohne(folder.filePath(QStringLiteral("missing")));
    bool errorBox = false;
    ohne.openOrReport(QUrl(), [&errorBox] { errorBox = true; });
    EXPECT_TRUE(errorBox);
}
