// Walks every help and tutorial page of both languages: every link, picture and
// stylesheet it references exists, and so does every anchor a link names.

#include "core/language/LanguageTable.h"
#include "core/prefs/ProgramFolders.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace
{

const QString resourcen = QStringLiteral(TINCTORA_RESOURCES);
const QString payload = QStringLiteral(TINCTORA_PROGRAM_DATA);

QString lies(const QString& pathName)
{
    QFile f(pathName);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QStringList verweise(const QString& html)
{
    static const QRegularExpression attribut(QStringLiteral("(?:href|src)\\s*=\\s*\"([^\"]*)\""));
    QStringList r;
    for (auto it = attribut.globalMatch(html); it.hasNext();)
        r << it.next().captured(1);
    return r;
}

bool hatAnker(const QString& html, const QString& anker)
{
    return html.contains(QStringLiteral("id=\"%1\"").arg(anker)) ||
           html.contains(QStringLiteral("name=\"%1\"").arg(anker));
}

// Checks the references of every page below `wurzel`; `umlenken` maps a target
// path that the build puts in place (the help's shared stylesheet) to its source.
void pruefeSeiten(const QString& wurzel, const std::function<QString(const QString&)>& umlenken, int& pages)
{
    QDirIterator it(wurzel, {QStringLiteral("*.htm"), QStringLiteral("*.html")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString page = it.next();
        ++pages;
        const QString html = lies(page);
        EXPECT_FALSE(html.isEmpty()) << page.toStdString();
        EXPECT_TRUE(html.contains(QStringLiteral("<title>"))) << page.toStdString();
        for (const QString& v : verweise(html)) {
            const std::string wo = page.toStdString() + " -> " + v.toStdString();
            EXPECT_FALSE(v.isEmpty()) << wo;
            if (v.startsWith(QStringLiteral("http://")) || v.startsWith(QStringLiteral("https://")) ||
                v.startsWith(QStringLiteral("mailto:")))
                continue;
            EXPECT_FALSE(v.contains(QLatin1Char('\\'))) << wo;
            const qsizetype raute = v.indexOf(QLatin1Char('#'));
            const QString fileItem = raute < 0 ? v : v.left(raute);
            const QString anker = raute < 0 ? QString() : v.mid(raute + 1);
            QString target = fileItem.isEmpty() ? page : QFileInfo(page).dir().filePath(fileItem);
            target = umlenken(QDir::cleanPath(target));
            ASSERT_TRUE(QFileInfo::exists(target)) << "dead link: " << wo;
            if (!anker.isEmpty()) {
                EXPECT_TRUE(hatAnker(lies(target), anker)) << "missing anchor: " << wo;
            }
        }
    }
}

} // namespace

TEST(HelpLinks, EveryHelpPageLinksOnlyToPagesAndPicturesThatExist)
{
    for (const QString& lang : {QStringLiteral("de"), QStringLiteral("en")}) {
        const QString html = resourcen + QStringLiteral("/help/") + lang + QStringLiteral("/HTML");
        int pages = 0;
        pruefeSeiten(
            html,
            [&](const QString& p) {
                return p == html + QStringLiteral("/help.css") ? resourcen + QStringLiteral("/help/help.css")
                                                               : p;
            },
            pages);
        EXPECT_GE(pages, 19) << lang.toStdString();
    }
}

TEST(HelpLinks, EveryHelpFileIsPartOfTheCompiledHelp)
{
    for (const QString& lang : {QStringLiteral("de"), QStringLiteral("en")}) {
        const QString folder = resourcen + QStringLiteral("/help/") + lang;
        const QString qhp = lies(folder + QStringLiteral("/manual-") + lang + QStringLiteral(".qhp"));
        ASSERT_FALSE(qhp.isEmpty());
        QSet<QString> gelistet;
        static const QRegularExpression fileItem(QStringLiteral("<file>([^<]*)</file>"));
        for (auto it = fileItem.globalMatch(qhp); it.hasNext();)
            gelistet.insert(it.next().captured(1));
        QDirIterator dateien(folder + QStringLiteral("/HTML"), QDir::Files, QDirIterator::Subdirectories);
        while (dateien.hasNext()) {
            const QString relative = QDir(folder).relativeFilePath(dateien.next());
            EXPECT_TRUE(gelistet.contains(relative)) << relative.toStdString();
        }
        // Contents and index point at pages that exist.
        static const QRegularExpression ref(QStringLiteral("ref=\"([^\"#]*)"));
        for (auto it = ref.globalMatch(qhp); it.hasNext();) {
            const QString r = it.next().captured(1);
            EXPECT_TRUE(QFileInfo::exists(folder + QStringLiteral("/") + r)) << r.toStdString();
        }
        EXPECT_TRUE(QFileInfo::exists(payload + QStringLiteral("/manual-") + lang + QStringLiteral(".qch")));
    }
}

TEST(HelpLinks, EveryTutorialPageLinksOnlyToPagesAndPicturesThatExist)
{
    int pages = 0;
    pruefeSeiten(
        resourcen + QStringLiteral("/tutorial"), [](const QString& p) { return p; }, pages);
    EXPECT_GE(pages, 37);
}

TEST(HelpLinks, EveryTutorialMenuPageExistsInBothLanguagesAndInTheBuildTree)
{
    for (Language s : {Language::german, Language::english}) {
        const LanguageTable textSet = LanguageTable::forLanguage(s);
        for (const QString& page : textSet.tutorialSeiten()) {
            const QString relative = relativeTutorialPage(page);
            EXPECT_TRUE(QFileInfo::exists(resourcen + QStringLiteral("/tutorial/") + relative))
                << relative.toStdString();
            EXPECT_TRUE(QFileInfo::exists(payload + QStringLiteral("/tutorial/") + relative))
                << relative.toStdString();
        }
    }
}

TEST(HelpLinks, TheStartPageLinksEveryTutorialPageOfBothLanguages)
{
    const QString start = lies(resourcen + QStringLiteral("/tutorial/index.html"));
    const QStringList left = verweise(start);
    for (Language s : {Language::german, Language::english}) {
        const LanguageTable textSet = LanguageTable::forLanguage(s);
        for (int i = 1; i < tutorialPageCount; ++i) {
            const QString relative = relativeTutorialPage(textSet.tutorialPage(i));
            const bool verlinkt = std::any_of(left.begin(), left.end(), [&](const QString& l) {
                return l == relative || l.startsWith(relative + QLatin1Char('#'));
            });
            EXPECT_TRUE(verlinkt) << relative.toStdString();
        }
    }
}
