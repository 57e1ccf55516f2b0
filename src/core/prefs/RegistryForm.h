#pragma once

#include "core/prefs/PreferenceKeys.h"

#include <QLocale>

#include <memory>

// The preferences the program holds while it runs, each starting at its stored default.
struct HeldPreferences {
    QString tutorialPfad = QString::fromLatin1(pref::cURL.fallback); // " " = not set
    bool fensterMaximiert = pref::cFullscrn.fallback;
    bool zeigeHinweisPipette = pref::cPipetteHint.fallback;
    int fensterOben = pref::appTop.fallback; // placement of the window in its normal state
    int fensterLinks = pref::appLeft.fallback;
    int fensterHoehe = pref::appHeight.fallback;
    int fensterBreite = pref::appWidth.fallback;
    int hintergrundIndex = pref::cbBgBrightness.fallback; // 0 standard, 1 white, 2 gray, 3 black
    int sprachVersion = pref::TNVersion.fallback;         // 11 English, anything else German
    // The stored choice; sprachVersion follows it from the next start on.
    pref::LanguageChoice languageChoice = pref::LanguageChoice::desktop;
    QString printProfilePath;                      // empty: no profile
    int printIntent = pref::cPrintIntent.fallback; // as PrintIntent numbers it

    bool tutorialPathSet() const { return tutorialPfad != QString::fromLatin1(pref::cURL.fallback); }

    bool operator==(const HeldPreferences&) const = default;
};

// The tutorial's start page in the first program data folder that has it (the
// program's own folder when none has), with native separators: what the settings
// dialog offers while no path is set.
QString defaultTutorialPath();

// The language a start uses: the user's choice, else a stored "TNVersion", else the locale.
int languageVersionFor(pref::LanguageChoice selection, std::optional<int> tnVersion,
                       const QString& localeName);

// "TNVersion" for a session whose locale is named `localeName` ("de_DE", "en_GB.UTF-8", "C"):
// German for any German locale, English otherwise, as the installer that stored it chose.
int languageVersionForSession(const QString& localeName);

// The hidden preferences holder. Reads the stored preferences once when created; the
// windows read and change the held values directly; speicherDaten() writes back, once,
// only what differs from what was read.
class TfRegistryForm : public HeldPreferences
{
public:
    // Reads at once (FormCreate). `localeName` chooses the language while none is stored.
    explicit TfRegistryForm(std::unique_ptr<PreferenceStore> store,
                            QString localeName = QLocale::system().name());

    void FormCreate();
    // Called by the main window's close handler. A window closed maximised keeps the
    // normal placement stored earlier; values that cannot be written are skipped silently.
    void speicherDaten();

    // The values as read at start-up (or as last written).
    const HeldPreferences& initialValues() const { return m_gelesen; }

private:
    void saveWindowPlacement();

    std::unique_ptr<PreferenceStore> m_store;
    QString m_gebietsschema;
    HeldPreferences m_gelesen;
};
