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

int sprachVersionFuerSitzung(const QString& gebietsschema)
{
    // The language code ends where the territory, encoding or modifier begins.
    const bool deutsch = gebietsschema.startsWith(QLatin1String("de"), Qt::CaseInsensitive) &&
                         (gebietsschema.size() == 2 || !gebietsschema.at(2).isLetter());
    return deutsch ? pref::sprachVersionDeutsch : pref::sprachVersionEnglisch;
}

int sprachVersionFuer(pref::SprachWahl wahl, std::optional<int> tnVersion, const QString& gebietsschema)
{
    switch (wahl) {
    case pref::SprachWahl::deutsch:
        return pref::sprachVersionDeutsch;
    case pref::SprachWahl::englisch:
        return pref::sprachVersionEnglisch;
    case pref::SprachWahl::desktop:
        break;
    }
    // No installer stores the language here, so a missing value follows the session.
    return tnVersion.value_or(sprachVersionFuerSitzung(gebietsschema));
}

TfRegistryForm::TfRegistryForm(std::unique_ptr<PreferenceStore> store, QString gebietsschema)
    : m_store(std::move(store)), m_gebietsschema(std::move(gebietsschema))
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
    zeigeHinweisPipette = pref::read(store, pref::cHinweisPipette);
    fensterOben = pref::read(store, pref::appTop);
    fensterLinks = pref::read(store, pref::appLeft);
    fensterHoehe = pref::read(store, pref::appHeight);
    fensterBreite = pref::read(store, pref::appWidth);
    hintergrundIndex = pref::read(store, pref::cbBgBrightness);
    sprachWahl = static_cast<pref::SprachWahl>(pref::read(store, pref::cLanguage));
    sprachVersion = sprachVersionFuer(sprachWahl, pref::readStored(store, pref::TNVersion), m_gebietsschema);
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
    writeIfChanged(store, pref::cHinweisPipette, zeigeHinweisPipette, m_gelesen.zeigeHinweisPipette);
    if (!fensterMaximiert)
        speichereFensterLage();
    writeIfChanged(store, pref::cbBgBrightness, hintergrundIndex, m_gelesen.hintergrundIndex);
    if (sprachWahl != m_gelesen.sprachWahl &&
        pref::write(store, pref::cLanguage, static_cast<int>(sprachWahl)))
        m_gelesen.sprachWahl = sprachWahl;
    store.endWrite();
}

void TfRegistryForm::speichereFensterLage()
{
    PreferenceStore& store = *m_store;
    writeIfChanged(store, pref::appTop, fensterOben, m_gelesen.fensterOben);
    writeIfChanged(store, pref::appLeft, fensterLinks, m_gelesen.fensterLinks);
    writeIfChanged(store, pref::appHeight, fensterHoehe, m_gelesen.fensterHoehe);
    writeIfChanged(store, pref::appWidth, fensterBreite, m_gelesen.fensterBreite);
}

QString standardTutorialPfad()
{
    const QString start = QStringLiteral("tutorial/index.html");
    const QStringList ordner = programmDatenOrdner();
    const QString gefunden = findeInOrdnern(ordner, start);
    return QDir::toNativeSeparators(gefunden.isEmpty() ? QDir(ordner.first()).filePath(start) : gefunden);
}
