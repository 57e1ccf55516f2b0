#include "core/prefs/MemoryPreferenceStore.h"
#include "core/prefs/PreferenceKeys.h"
#include "core/prefs/SettingsPreferenceStore.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(StoredValues, IntegersAcceptOnlyIntegralValuesInRange)
{
    EXPECT_EQ(storedInt(QVariant(42), StoredTypes::typed), 42);
    EXPECT_EQ(storedInt(QVariant(-3), StoredTypes::typed), -3);
    EXPECT_EQ(storedInt(QVariant(qlonglong(7)), StoredTypes::typed), 7);
    EXPECT_FALSE(storedInt(QVariant(qlonglong(1) << 40), StoredTypes::typed));
    EXPECT_FALSE(storedInt(QVariant(qulonglong(1) << 40), StoredTypes::typed));
    EXPECT_FALSE(storedInt(QVariant(), StoredTypes::typed));
    EXPECT_FALSE(storedInt(QVariant(2.5), StoredTypes::typed));
    EXPECT_FALSE(storedInt(QVariant(QStringList{"1", "2"}), StoredTypes::textOnly));
}

TEST(StoredValues, TextCountsAsANumberOnlyInTextBackends)
{
    // In the registry a string where an integer belongs is the wrong type.
    EXPECT_FALSE(storedInt(QVariant(QStringLiteral("12")), StoredTypes::typed));
    // In an INI file every value is text.
    EXPECT_EQ(storedInt(QVariant(QStringLiteral("12")), StoredTypes::textOnly), 12);
    EXPECT_EQ(storedInt(QVariant(QStringLiteral("-988")), StoredTypes::textOnly), -988);
    for (const char* bad : {"", "abc", "12abc", "1.5", "0x10", "99999999999"})
        EXPECT_FALSE(storedInt(QVariant(QString::fromLatin1(bad)), StoredTypes::textOnly)) << bad;
}

TEST(StoredValues, TextsMustBeTexts)
{
    EXPECT_EQ(storedText(QVariant(QStringLiteral("C:\\t\\index.html"))), QStringLiteral("C:\\t\\index.html"));
    EXPECT_FALSE(storedText(QVariant(5)));
    EXPECT_FALSE(storedText(QVariant(QStringList{"a", "b"})));
    EXPECT_FALSE(storedText(QVariant()));
}

TEST(PreferenceKeys, EachReadFallsBackOnItsOwn)
{
    MemoryPreferenceStore store;
    store.setRaw("appTop", QStringLiteral("oben")); // wrong type
    store.setRaw("appLeft", 17);
    store.setRaw("cbBgBrightness", 9); // out of range
    store.setRaw("appWidth", 0);       // no window is 0 wide
    store.setRaw("cFullscrn", 0);
    store.setRaw("cHinweisPipette", 5); // any non-zero reads as true
    store.setRaw("cURL", 3);            // wrong type
    EXPECT_EQ(pref::read(store, pref::appTop), 0);
    EXPECT_EQ(pref::read(store, pref::appLeft), 17);
    EXPECT_EQ(pref::read(store, pref::cbBgBrightness), 0);
    EXPECT_EQ(pref::read(store, pref::appWidth), 988);
    EXPECT_EQ(pref::read(store, pref::appHeight), 728); // missing
    EXPECT_FALSE(pref::read(store, pref::cFullscrn));
    EXPECT_TRUE(pref::read(store, pref::cPipetteHint));
    EXPECT_EQ(pref::read(store, pref::cURL), QStringLiteral(" "));
    EXPECT_EQ(pref::read(store, pref::TNVersion), 11);
}

TEST(PreferenceKeys, FlagsAreWrittenAsIntegersZeroOrOne)
{
    MemoryPreferenceStore store;
    ASSERT_TRUE(store.beginWrite());
    pref::write(store, pref::cFullscrn, true);
    pref::write(store, pref::cPipetteHint, false);
    store.endWrite();
    EXPECT_EQ(store.raw("cFullscrn"), QVariant(1));
    EXPECT_EQ(store.raw("cHinweisPipette"), QVariant(0));
}

class SettingsFileStore : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString file() const { return dir.filePath("prefs.conf"); }
    void writeFile(const QByteArray& contents) const
    {
        QFile f(file());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(contents);
    }
};

TEST_F(SettingsFileStore, RoundTripsTextsAndIntegers)
{
    const QString path = QStringLiteral("C:\\Tutorial, neu\\Farben ä\\index.html");
    {
        SettingsPreferenceStore store(file());
        ASSERT_TRUE(store.beginWrite());
        EXPECT_TRUE(pref::write(store, pref::cURL, path));
        EXPECT_TRUE(pref::write(store, pref::appTop, -20));
        EXPECT_TRUE(pref::write(store, pref::cFullscrn, false));
        EXPECT_TRUE(pref::write(store, pref::cURL, QStringLiteral(" lead and trail ")));
        EXPECT_TRUE(pref::write(store, pref::cURL, path));
        store.endWrite();
    }
    SettingsPreferenceStore again(file());
    EXPECT_EQ(pref::read(again, pref::cURL), path);
    EXPECT_EQ(pref::read(again, pref::appTop), -20);
    EXPECT_FALSE(pref::read(again, pref::cFullscrn));
    EXPECT_EQ(pref::read(again, pref::appLeft), 0);
}

TEST_F(SettingsFileStore, DamagedValuesReadAsTheirDefaults)
{
    writeFile("[General]\nappTop=abc\nappLeft=33\nappHeight=12.5\nappWidth=\ncURL=a, b\n"
              "cbBgBrightness=2\nTNVersion=7\ncFullscrn=false\n");
    SettingsPreferenceStore store(file());
    EXPECT_EQ(pref::read(store, pref::appTop), 0);
    EXPECT_EQ(pref::read(store, pref::appLeft), 33);
    EXPECT_EQ(pref::read(store, pref::appHeight), 728);
    EXPECT_EQ(pref::read(store, pref::appWidth), 988);
    EXPECT_EQ(pref::read(store, pref::cURL), QStringLiteral(" ")); // read back as a list
    EXPECT_EQ(pref::read(store, pref::cbBgBrightness), 2);
    EXPECT_EQ(pref::read(store, pref::TNVersion), 7);
    EXPECT_TRUE(pref::read(store, pref::cFullscrn)); // "false" is no 32-bit integer
}

TEST_F(SettingsFileStore, AFileThatIsNotAFileYieldsDefaultsAndTakesNoWrites)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("prefs.conf"));
    SettingsPreferenceStore store(file());
    EXPECT_EQ(pref::read(store, pref::appHeight), 728);
    EXPECT_FALSE(store.beginWrite());
}

TEST(UserPreferenceStore, LivesInTheOrganisationFileOfTheConfigFolder)
{
    const SettingsPreferenceStore store;
#if defined(Q_OS_WIN)
    EXPECT_TRUE(store.location().endsWith(QStringLiteral("\\Software\\TinctoraKVB")));
#elif !defined(Q_OS_DARWIN)
    EXPECT_TRUE(store.location().endsWith(QStringLiteral("/TinctoraKVB.conf")))
        << store.location().toStdString();
#endif
}
