#include "core/prefs/RegistryForm.h"

#include "core/prefs/ProgramFolders.h"

#include <QDir>

namespace
{

// Writes a value that differs from its copy and, when the store took it, updates the copy.
template <typename Key, typename T>
void writeIfChanged(PreferenceStore& store, const Key& key, const T& value, T& copy)
{
    if (value != copy && pref::write(store, key, value))
        copy = value;
}

} // namespace

int languageVersionForSession(const QString& localeName)
{
    // The language code ends where the territory, encoding or modifier begins.
    const bool german = localeName.startsWith(QLatin1String("de"), Qt::CaseInsensitive) &&
                        (localeName.size() == 2 || !localeName.at(2).isLetter());
    return german ? pref::languageVersionGerman : pref::languageVersionEnglish;
}

int languageVersionFor(pref::LanguageChoice selection, std::optional<int> tnVersion,
                       const QString& localeName)
{
    switch (selection) {
    case pref::LanguageChoice::german:
        return pref::languageVersionGerman;
    case pref::LanguageChoice::english:
        return pref::languageVersionEnglish;
    case pref::LanguageChoice::desktop:
        break;
    }
    // No installer stores the language here, so a missing value follows the session.
    return tnVersion.value_or(languageVersionForSession(localeName));
}

TfRegistryForm::TfRegistryForm(std::unique_ptr<PreferenceStore> store, QString localeName)
    : m_store(std::move(store)), m_gebietsschema(std::move(localeName))
{
    FormCreate();
}

void TfRegistryForm::FormCreate()
{
    HeldPreferences& held = *this;
    held = HeldPreferences{};
    const PreferenceStore& store = *m_store;
    tutorialPfad = pref::read(store, pref::cURL);
    fensterMaximiert = pref::read(store, pref::cFullscrn);
    zeigeHinweisPipette = pref::read(store, pref::cPipetteHint);
    fensterOben = pref::read(store, pref::appTop);
    fensterLinks = pref::read(store, pref::appLeft);
    fensterHoehe = pref::read(store, pref::appHeight);
    fensterBreite = pref::read(store, pref::appWidth);
    hintergrundIndex = pref::read(store, pref::cbBgBrightness);
    languageChoice = static_cast<pref::LanguageChoice>(pref::read(store, pref::cLanguage));
    sprachVersion =
        languageVersionFor(languageChoice, pref::readStored(store, pref::TNVersion), m_gebietsschema);
    printProfilePath = pref::read(store, pref::cPrintProfile);
    printIntent = pref::read(store, pref::cPrintIntent);
    if (tutorialPfad.isEmpty())
        tutorialPfad = QString::fromLatin1(pref::cURL.fallback);
    m_gelesen = held;
}

void TfRegistryForm::speicherDaten()
{
    PreferenceStore& store = *m_store;
    if (!store.beginWrite())
        return;
    writeIfChanged(store, pref::cURL, tutorialPfad, m_gelesen.tutorialPfad);
    writeIfChanged(store, pref::cFullscrn, fensterMaximiert, m_gelesen.fensterMaximiert);
    writeIfChanged(store, pref::cPipetteHint, zeigeHinweisPipette, m_gelesen.zeigeHinweisPipette);
    if (!fensterMaximiert)
        saveWindowPlacement();
    writeIfChanged(store, pref::cbBgBrightness, hintergrundIndex, m_gelesen.hintergrundIndex);
    if (languageChoice != m_gelesen.languageChoice &&
        pref::write(store, pref::cLanguage, static_cast<int>(languageChoice)))
        m_gelesen.languageChoice = languageChoice;
    writeIfChanged(store, pref::cPrintProfile, printProfilePath, m_gelesen.printProfilePath);
    writeIfChanged(store, pref::cPrintIntent, printIntent, m_gelesen.printIntent);
    store.endWrite();
}

void TfRegistryForm::saveWindowPlacement()
{
    PreferenceStore& store = *m_store;
    writeIfChanged(store, pref::appTop, fensterOben, m_gelesen.fensterOben);
    writeIfChanged(store, pref::appLeft, fensterLinks, m_gelesen.fensterLinks);
    writeIfChanged(store, pref::appHeight, fensterHoehe, m_gelesen.fensterHoehe);
    writeIfChanged(store, pref::appWidth, fensterBreite, m_gelesen.fensterBreite);
}

QString defaultTutorialPath()
{
    const QString start = QStringLiteral("tutorial/index.html");
    const QStringList folder = programDataFolders();
    const QString gefunden = findInFolders(folder, start);
    return QDir::toNativeSeparators(gefunden.isEmpty() ? QDir(folder.first()).filePath(start) : gefunden);
}
