#include "core/prefs/RegistryForm.h"
#include "core/language/LanguageTable.h"
#include "core/prefs/MemoryPreferenceStore.h"
#include "core/prefs/SettingsPreferenceStore.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace
{

// The holder owns its store; the test keeps a view on the fake.
struct Holder {
    MemoryPreferenceStore* store;
    std::unique_ptr<TfRegistryForm> form;
};

Holder holderOver(std::unique_ptr<MemoryPreferenceStore> store)
{
    MemoryPreferenceStore* view = store.get();
    return {view, std::make_unique<TfRegistryForm>(std::move(store))};
}

std::unique_ptr<MemoryPreferenceStore> storeOfAnEarlierRun()
{
    auto store = std::make_unique<MemoryPreferenceStore>();
    store->setRaw("cURL", QStringLiteral("/home/u/tutorial/index.html"));
    store->setRaw("cFullscrn", 0);
    store->setRaw("cHinweisPipette", 0);
    store->setRaw("appTop", 40);
    store->setRaw("appLeft", 50);
    store->setRaw("appHeight", 600);
    store->setRaw("appWidth", 800);
    store->setRaw("cbBgBrightness", 3);
    store->setRaw("TNVersion", 7);
    return store;
}

} // namespace

TEST(TfRegistryForm, ANewUserGetsTheDefaults)
{
    Holder h = holderOver(std::make_unique<MemoryPreferenceStore>());
    EXPECT_EQ(h.form->tutorialPfad, QStringLiteral(" "));
    EXPECT_TRUE(h.form->fensterMaximiert);
    EXPECT_TRUE(h.form->zeigeHinweisPipette);
    EXPECT_EQ(h.form->fensterOben, 0);
    EXPECT_EQ(h.form->fensterLinks, 0);
    EXPECT_EQ(h.form->fensterHoehe, 728);
    EXPECT_EQ(h.form->fensterBreite, 988);
    EXPECT_EQ(h.form->hintergrundIndex, 0);
    EXPECT_EQ(h.form->sprachVersion, 11);
}

TEST(TfRegistryForm, ReadsEveryStoredValue)
{
    Holder h = holderOver(storeOfAnEarlierRun());
    EXPECT_EQ(h.form->tutorialPfad, QStringLiteral("/home/u/tutorial/index.html"));
    EXPECT_FALSE(h.form->fensterMaximiert);
    EXPECT_FALSE(h.form->zeigeHinweisPipette);
    EXPECT_EQ(h.form->fensterOben, 40);
    EXPECT_EQ(h.form->fensterLinks, 50);
    EXPECT_EQ(h.form->fensterHoehe, 600);
    EXPECT_EQ(h.form->fensterBreite, 800);
    EXPECT_EQ(h.form->hintergrundIndex, 3);
    EXPECT_EQ(h.form->sprachVersion, 7);
}

TEST(TfRegistryForm, WithoutAStoredLanguageTheSessionsLocaleChooses)
{
    const auto spracheBei = [](std::unique_ptr<MemoryPreferenceStore> store, const char* localeName) {
        const TfRegistryForm f(std::move(store), QString::fromLatin1(localeName));
        return LanguageTable::forVersion(f.sprachVersion).uiLanguage();
    };
    for (const char* german : {"de_DE", "de_AT.UTF-8", "de_CH@euro", "de", "DE_de"})
        EXPECT_EQ(spracheBei(std::make_unique<MemoryPreferenceStore>(), german), Language::german) << german;
    for (const char* andere : {"en_US", "C", "", "fr_FR", "dsb_DE", "nl_BE"})
        EXPECT_EQ(spracheBei(std::make_unique<MemoryPreferenceStore>(), andere), Language::english) << andere;

    // A stored value wins either way, and the program never writes it.
    auto english = std::make_unique<MemoryPreferenceStore>();
    english->setRaw("TNVersion", 11);
    EXPECT_EQ(spracheBei(std::move(english), "de_DE"), Language::english);
    Holder h = holderOver(storeOfAnEarlierRun()); // 7, in a test process pinned to an English locale
    EXPECT_EQ(LanguageTable::forVersion(h.form->sprachVersion).uiLanguage(), Language::german);
    auto blank = std::make_unique<MemoryPreferenceStore>();
    MemoryPreferenceStore* blick = blank.get();
    TfRegistryForm neu(std::move(blank), QStringLiteral("de_DE"));
    neu.speicherDaten();
    EXPECT_TRUE(blick->writes().isEmpty());
}

// The language chosen in the program, stored under its own key; "as the desktop"
// leaves "TNVersion" first, then the locale.
TEST(TfRegistryForm, TheChosenLanguageDecidesTheNextStart)
{
    const auto spracheBei = [](std::optional<int> selection, std::optional<int> tnVersion,
                               const char* localeName) {
        auto store = std::make_unique<MemoryPreferenceStore>();
        if (selection)
            store->setRaw("cLanguage", *selection);
        if (tnVersion)
            store->setRaw("TNVersion", *tnVersion);
        const TfRegistryForm f(std::move(store), QString::fromLatin1(localeName));
        return LanguageTable::forVersion(f.sprachVersion).uiLanguage();
    };
    EXPECT_EQ(spracheBei(1, 11, "en_US"), Language::german);
    EXPECT_EQ(spracheBei(2, 7, "de_DE"), Language::english);
    EXPECT_EQ(spracheBei(0, 7, "en_US"), Language::german);
    EXPECT_EQ(spracheBei(0, std::nullopt, "de_DE"), Language::german);
    EXPECT_EQ(spracheBei(0, std::nullopt, "en_GB"), Language::english);
    EXPECT_EQ(spracheBei(9, 11, "en_US"), Language::english); // damage reads as "as the desktop"

    Holder h = holderOver(storeOfAnEarlierRun());
    EXPECT_EQ(h.form->languageChoice, pref::LanguageChoice::desktop);
    h.form->languageChoice = pref::LanguageChoice::english;
    h.form->speicherDaten();
    using W = MemoryPreferenceStore::Write;
    EXPECT_EQ(h.store->writes(), (QList<W>{{"cLanguage", 2}}));
    EXPECT_EQ(h.form->sprachVersion, 7); // this run keeps its language
    EXPECT_EQ(h.store->raw("TNVersion"), QVariant(7));
}

TEST(TfRegistryForm, AWrongTypeOnlyCostsThatValue)
{
    auto store = storeOfAnEarlierRun();
    store->setRaw("appTop", QStringLiteral("40"));
    Holder h = holderOver(std::move(store));
    EXPECT_EQ(h.form->fensterOben, 0);
    EXPECT_EQ(h.form->fensterLinks, 50);
    EXPECT_EQ(h.form->fensterHoehe, 600);
}

TEST(TfRegistryForm, AnEmptyTutorialPathMeansNotSet)
{
    auto store = std::make_unique<MemoryPreferenceStore>();
    store->setRaw("cURL", QString());
    Holder h = holderOver(std::move(store));
    EXPECT_EQ(h.form->tutorialPfad, QStringLiteral(" "));
    h.form->speicherDaten();
    EXPECT_TRUE(h.store->writes().isEmpty());
}

TEST(TfRegistryForm, ClosingWithNothingChangedWritesNothing)
{
    for (bool earlierRun : {false, true}) {
        Holder h = holderOver(earlierRun ? storeOfAnEarlierRun() : std::make_unique<MemoryPreferenceStore>());
        h.form->speicherDaten();
        EXPECT_TRUE(h.store->writes().isEmpty()) << earlierRun;
    }
}

TEST(TfRegistryForm, WritesExactlyTheChangedValues)
{
    Holder h = holderOver(storeOfAnEarlierRun());
    h.form->tutorialPfad = QStringLiteral("/home/u/Tutorial/index.html"); // case differs only
    h.form->zeigeHinweisPipette = true;
    h.form->fensterBreite = 1000;
    h.form->hintergrundIndex = 1;
    h.form->sprachVersion = 11; // never written
    h.form->speicherDaten();
    using W = MemoryPreferenceStore::Write;
    EXPECT_EQ(h.store->writes(), (QList<W>{{"cURL", QStringLiteral("/home/u/Tutorial/index.html")},
                                           {"cHinweisPipette", 1},
                                           {"appWidth", 1000},
                                           {"cbBgBrightness", 1}}));
    EXPECT_EQ(h.store->raw("TNVersion"), QVariant(7));

    // Written values are the new start-up copies: closing again writes nothing more.
    h.store->clearWrites();
    h.form->speicherDaten();
    EXPECT_TRUE(h.store->writes().isEmpty());
}

TEST(TfRegistryForm, AMaximisedCloseKeepsTheNormalPlacementStored)
{
    Holder h = holderOver(storeOfAnEarlierRun());
    h.form->fensterMaximiert = true;
    h.form->fensterOben = 0;
    h.form->fensterLinks = 0;
    h.form->fensterHoehe = 1050;
    h.form->fensterBreite = 1680;
    h.form->speicherDaten();
    using W = MemoryPreferenceStore::Write;
    EXPECT_EQ(h.store->writes(), (QList<W>{{"cFullscrn", 1}}));
    EXPECT_EQ(h.store->raw("appTop"), QVariant(40));
    EXPECT_EQ(h.store->raw("appWidth"), QVariant(800));
}

TEST(TfRegistryForm, ANormalCloseStoresThePlacement)
{
    Holder h = holderOver(std::make_unique<MemoryPreferenceStore>());
    h.form->fensterMaximiert = false;
    h.form->fensterOben = 10;
    h.form->fensterLinks = -1900; // second monitor on the left
    h.form->speicherDaten();
    using W = MemoryPreferenceStore::Write;
    EXPECT_EQ(h.store->writes(), (QList<W>{{"cFullscrn", 0}, {"appTop", 10}, {"appLeft", -1900}}));
}

TEST(TfRegistryForm, UnwritableValuesAreSkippedSilently)
{
    Holder h = holderOver(std::make_unique<MemoryPreferenceStore>());
    h.store->failWritesOf("cFullscrn");
    h.form->fensterMaximiert = false;
    h.form->hintergrundIndex = 2;
    h.form->speicherDaten();
    using W = MemoryPreferenceStore::Write;
    EXPECT_EQ(h.store->writes(), (QList<W>{{"cbBgBrightness", 2}}));

    Holder closed = holderOver(std::make_unique<MemoryPreferenceStore>());
    closed.store->setOpenable(false);
    closed.form->hintergrundIndex = 2;
    closed.form->speicherDaten();
    EXPECT_TRUE(closed.store->writes().isEmpty());
}

TEST(TfRegistryForm, RoundTripsThroughASettingsFile)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("TinctoraKVB.conf");
    {
        TfRegistryForm first(std::make_unique<SettingsPreferenceStore>(file));
        first.tutorialPfad = QStringLiteral("C:\\Programme\\Tinctora\\tutorial\\index.html");
        first.fensterMaximiert = false;
        first.zeigeHinweisPipette = false;
        first.fensterOben = 12;
        first.fensterLinks = 34;
        first.fensterHoehe = 567;
        first.fensterBreite = 890;
        first.hintergrundIndex = 2;
        first.speicherDaten();
    }
    TfRegistryForm second(std::make_unique<SettingsPreferenceStore>(file));
    HeldPreferences expected;
    expected.tutorialPfad = QStringLiteral("C:\\Programme\\Tinctora\\tutorial\\index.html");
    expected.fensterMaximiert = false;
    expected.zeigeHinweisPipette = false;
    expected.fensterOben = 12;
    expected.fensterLinks = 34;
    expected.fensterHoehe = 567;
    expected.fensterBreite = 890;
    expected.hintergrundIndex = 2;
    EXPECT_EQ(static_cast<const HeldPreferences&>(second), expected);
}

TEST(TfRegistryForm, ASettingsFileIsNotTouchedWhenNothingChanged)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("TinctoraKVB.conf");
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[General]\nappTop=abc\ncFullscrn=0\nappWidth=800\n");
    }
    const QDateTime before = QFileInfo(file).lastModified();
    QThread::msleep(20);
    {
        TfRegistryForm form(std::make_unique<SettingsPreferenceStore>(file));
        form.speicherDaten();
    }
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("[General]\nappTop=abc\ncFullscrn=0\nappWidth=800\n"));
    EXPECT_EQ(QFileInfo(file).lastModified(), before);

    // And without any file, closing creates none.
    const QString none = dir.filePath("none.conf");
    {
        TfRegistryForm form(std::make_unique<SettingsPreferenceStore>(none));
        form.speicherDaten();
    }
    EXPECT_FALSE(QFile::exists(none));
}
