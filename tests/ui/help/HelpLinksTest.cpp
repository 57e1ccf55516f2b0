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
const QString daten = QStringLiteral(TINCTORA_PROGRAM_DATA);

QString lies(const QString& pfad)
{
    QFile f(pfad);
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
void pruefeSeiten(const QString& wurzel, const std::function<QString(const QString&)>& umlenken, int& seiten)
{
    QDirIterator it(wurzel, {QStringLiteral("*.htm"), QStringLiteral("*.html")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString seite = it.next();
        ++seiten;
        const QString html = lies(seite);
        EXPECT_FALSE(html.isEmpty()) << seite.toStdString();
        EXPECT_TRUE(html.contains(QStringLiteral("<title>"))) << seite.toStdString();
        for (const QString& v : verweise(html)) {
            const std::string wo = seite.toStdString() + " -> " + v.toStdString();
            EXPECT_FALSE(v.isEmpty()) << wo;
            if (v.startsWith(QStringLiteral("http://")) || v.startsWith(QStringLiteral("https://")) ||
                v.startsWith(QStringLiteral("mailto:")))
                continue;
            EXPECT_FALSE(v.contains(QLatin1Char('\\'))) << wo;
            const qsizetype raute = v.indexOf(QLatin1Char('#'));
            const QString datei = raute < 0 ? v : v.left(raute);
            const QString anker = raute < 0 ? QString() : v.mid(raute + 1);
            QString ziel = datei.isEmpty() ? seite : QFileInfo(seite).dir().filePath(datei);
            ziel = umlenken(QDir::cleanPath(ziel));
            ASSERT_TRUE(QFileInfo::exists(ziel)) << "dead link: " << wo;
            if (!anker.isEmpty()) {
                EXPECT_TRUE(hatAnker(lies(ziel), anker)) << "missing anchor: " << wo;
            }
        }
    }
}

} // namespace

TEST(HelpLinks, EveryHelpPageLinksOnlyToPagesAndPicturesThatExist)
{
    for (const QString& lang : {QStringLiteral("de"), QStringLiteral("en")}) {
        const QString html = resourcen + QStringLiteral("/help/") + lang + QStringLiteral("/HTML");
        int seiten = 0;
        pruefeSeiten(
            html,
            [&](const QString& p) {
                return p == html + QStringLiteral("/help.css") ? resourcen + QStringLiteral("/help/help.css") : p;
            },
            seiten);
        EXPECT_GE(seiten, 19) << lang.toStdString();
    }
}

TEST(HelpLinks, EveryHelpFileIsPartOfTheCompiledHelp)
{
    for (const QString& lang : {QStringLiteral("de"), QStringLiteral("en")}) {
        const QString ordner = resourcen + QStringLiteral("/help/") + lang;
        const QString qhp = lies(ordner + QStringLiteral("/manual-") + lang + QStringLiteral(".qhp"));
        ASSERT_FALSE(qhp.isEmpty());
        QSet<QString> gelistet;
        static const QRegularExpression datei(QStringLiteral("<file>([^<]*)</file>"));
        for (auto it = datei.globalMatch(qhp); it.hasNext();)
            gelistet.insert(it.next().captured(1));
        QDirIterator dateien(ordner + QStringLiteral("/HTML"), QDir::Files, QDirIterator::Subdirectories);
        while (dateien.hasNext()) {
            const QString relativ = QDir(ordner).relativeFilePath(dateien.next());
            EXPECT_TRUE(gelistet.contains(relativ)) << relativ.toStdString();
        }
        // Contents and index point at pages that exist.
        static const QRegularExpression ref(QStringLiteral("ref=\"([^\"#]*)"));
        for (auto it = ref.globalMatch(qhp); it.hasNext();) {
            const QString r = it.next().captured(1);
            EXPECT_TRUE(QFileInfo::exists(ordner + QStringLiteral("/") + r)) << r.toStdString();
        }
        EXPECT_TRUE(QFileInfo::exists(daten + QStringLiteral("/manual-") + lang + QStringLiteral(".qch")));
    }
}

TEST(HelpLinks, EveryTutorialPageLinksOnlyToPagesAndPicturesThatExist)
{
    int seiten = 0;
    pruefeSeiten(resourcen + QStringLiteral("/tutorial"), [](const QString& p) { return p; }, seiten);
    EXPECT_GE(seiten, 37);
}

TEST(HelpLinks, EveryTutorialMenuPageExistsInBothLanguagesAndInTheBuildTree)
{
    for (Sprache s : {Sprache::deutsch, Sprache::englisch}) {
        const LanguageTable texte = LanguageTable::forLanguage(s);
        for (const QString& seite : texte.tutorialSeiten()) {
            const QString relativ = tutorialSeiteRelativ(seite);
            EXPECT_TRUE(QFileInfo::exists(resourcen + QStringLiteral("/tutorial/") + relativ)) << relativ.toStdString();
            EXPECT_TRUE(QFileInfo::exists(daten + QStringLiteral("/tutorial/") + relativ)) << relativ.toStdString();
        }
    }
}

TEST(HelpLinks, TheStartPageLinksEveryTutorialPageOfBothLanguages)
{
    const QString start = lies(resourcen + QStringLiteral("/tutorial/index.html"));
    const QStringList links = verweise(start);
    for (Sprache s : {Sprache::deutsch, Sprache::englisch}) {
        const LanguageTable texte = LanguageTable::forLanguage(s);
        for (int i = 1; i < tutorialSeitenAnzahl; ++i) {
            const QString relativ = tutorialSeiteRelativ(texte.tutorialSeite(i));
            const bool verlinkt = std::any_of(links.begin(), links.end(), [&](const QString& l) {
                return l == relativ || l.startsWith(relativ + QLatin1Char('#'));
            });
            EXPECT_TRUE(verlinkt) << relativ.toStdString();
        }
    }
}
