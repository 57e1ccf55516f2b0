#include "platform/print/ProfileFolders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{

const QString ghostscript = QStringLiteral("/usr/share/color/icc/ghostscript/");

void place(const QString& from, const QString& to, qsizetype keep = 1 << 30)
{
    QFile source(from);
    ASSERT_TRUE(source.open(QIODevice::ReadOnly)) << qPrintable(from) << ": install libgs-common";
    QDir().mkpath(to.section(QLatin1Char('/'), 0, -2));
    QFile target(to);
    ASSERT_TRUE(target.open(QIODevice::WriteOnly));
    target.write(source.readAll().left(keep));
}

} // namespace

// A fake pair of ICC folders: only readable CMYK output profiles with an ICC
// file name are offered, each once, by description, from every depth.
TEST(ProfileFolders, OffersTheCmykOutputProfilesOfEveryFolderDepthOnce)
{
    QTemporaryDir system, user;
    const QString s = system.path(), u = user.path();
    place(ghostscript + QStringLiteral("default_cmyk.icc"), s + QStringLiteral("/vendor/press.icc"));
    place(ghostscript + QStringLiteral("ps_cmyk.icc"), u + QStringLiteral("/a/b/PS.ICM"));
    place(ghostscript + QStringLiteral("srgb.icc"), s + QStringLiteral("/display.icc"));
    place(ghostscript + QStringLiteral("default_cmyk.icc"), s + QStringLiteral("/broken.icc"), 4000);
    place(ghostscript + QStringLiteral("default_cmyk.icc"), u + QStringLiteral("/press.txt"));
    ASSERT_TRUE(QFile::link(s + QStringLiteral("/vendor/press.icc"), u + QStringLiteral("/again.icc")));

    const QVector<FoundProfile> found = cmykProfilesIn({s, u, s + QStringLiteral("/missing")});
    ASSERT_EQ(found.size(), 2);
    EXPECT_EQ(found[0].description, QStringLiteral("Artifex CMYK SWOP Profile"));
    EXPECT_EQ(found[0].path, s + QStringLiteral("/vendor/press.icc"));
    EXPECT_EQ(found[1].description, QStringLiteral("Artifex PS CMYK Profile"));
    EXPECT_EQ(found[1].path, u + QStringLiteral("/a/b/PS.ICM"));
}
