#include "support/InteractionFixture.h"
#include "support/ModalGuard.h"

#include "core/documents/SettingsApply.h"
#include "platform/desktop/FileDialogs.h"
#include "ui/language/ActionRegistry.h"
#include "ui/shell/ColourSettingsFile.h"

#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <random>
#include <sys/resource.h>
#include <unistd.h>

namespace
{

QByteArray le(std::initializer_list<int> valueSet)
{
    QByteArray b;
    for (int w : valueSet)
        for (int k = 0; k < 4; ++k)
            b.append(static_cast<char>((static_cast<unsigned>(w) >> (8 * k)) & 0xFFu));
    return b;
}

const QString englischerTitel = QStringLiteral("Tinctora for Zevediz Adirevivo 3.25");

// 3-colour at 500 (small right 121, left 201), big cross-hair at (64, 100).
const QByteArray block1 =
    le({1, 1, 500, 1, 40, 34, 0, 64, 100, 0, 255, 0, 255, 0, 255, 500, 121, 201, 67, 3, 0, 0, 1, 2, 3}) +
    "#010203";
// 2-colour at 100 (small right 439).
const QByteArray block2 =
    le({1, 0, 100, 1, 40, 34, 0, 0, 255, 0, 255, 0, 255, 0, 255, 100, 439, 413, 67, 3, 0, 0, 9, 9, 9}) +
    "#090909";

QByteArray readIn(const QString& pathName)
{
    QFile f(pathName);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void schreibe(const QString& pathName, const QByteArray& bytes)
{
    QFile f(pathName);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Answers the next message box by clicking one of its buttons; keeps its text.
void queueAnswer(QString& text, QMessageBox::StandardButton button)
{
    onNextModal<QMessageBox>([&text, button](QMessageBox& box) {
        text = box.text();
        klick(box.button(button));
    });
}

// Answers the next message boxes in turn, one button each; keeps their texts.
void antworteFolge(QStringList& textSet, std::vector<QMessageBox::StandardButton> knoepfe)
{
    if (knoepfe.empty())
        return;
    const QMessageBox::StandardButton button = knoepfe.front();
    knoepfe.erase(knoepfe.begin());
    onNextModal<QMessageBox>([&textSet, button, rest = std::move(knoepfe)](QMessageBox& box) {
        textSet << box.text();
        klick(box.button(button));
        antworteFolge(textSet, rest);
    });
}

// Closes every modal window while it lives and counts them.
class ModalZaehler
{
public:
    ModalZaehler()
    {
        QObject::connect(&m_takt, &QTimer::timeout, [this] {
            if (QWidget* m = QApplication::activeModalWidget()) {
                ++anzahl;
                closeModal(m);
            }
        });
        m_takt.start(2);
    }
    int anzahl = 0;

private:
    QTimer m_takt;
};

struct DateiFenster : ShownWindow {
    DateiFenster()
    {
        auto d = std::make_unique<ScriptedFileDialogs>();
        dialogs = d.get();
        form->fileItem().setDialogs(std::move(d));
    }
    QString pathName(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    void speichernUnter(const QString& p)
    {
        dialogs->queueAnswer(p);
        form->actionItem("dateiSpeichernUnter")->trigger();
    }
    void tryOpen(const QString& p)
    {
        dialogs->queueAnswer(p);
        form->actionItem("dateiOeffnen")->trigger();
    }
    bool modified() const { return form->actions().action(ActionId::dateiSpeichern).isEnabled(); }
    void bandClick(int x) { klick(w().band.Image2, {x, 30}); }

    QTemporaryDir dir;
    ScriptedFileDialogs* dialogs = nullptr;
};

} // namespace

TEST(SettingsFileWindow, SaveWithoutAFileAsksForANameAndTheStartStateIs222Bytes)
{
    DateiFenster f;
    ASSERT_EQ(f.form->windowTitle(), englischerTitel);
    f.dialogs->queueAnswer(f.pathName("farben"));
    f.form->actionItem("ShortCutStrgS")->trigger();

    ASSERT_EQ(f.dialogs->recordedCalls().size(), 1);
    EXPECT_TRUE(f.dialogs->recordedCalls().at(0).chooseSaveFile);
    EXPECT_EQ(f.dialogs->recordedCalls().at(0).filter,
              QStringLiteral("Tinctora File (*.tnfx);;All Files (*.*)"));
    EXPECT_EQ(f.dialogs->recordedCalls().at(0).name, QString());
    const QByteArray start1 =
        le({1, 0, 0, 1, 40, 34, 0, 0, 255, 0, 255, 0, 255, 0, 255, 0, 339, 413, 67, 3, 0, 0, 218, 37, 29}) +
        "#DA251D" + le({0});
    const QByteArray start2 =
        le({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 218, 37, 29}) + "#DA251D" +
        le({0});
    EXPECT_EQ(readIn(f.pathName("farben.tnfx")), start1 + start2);
    EXPECT_EQ(f.form->windowTitle(), f.pathName("farben.tnfx"));
    EXPECT_FALSE(f.modified());
    f.bandClick(300);
    EXPECT_TRUE(f.modified());
}

TEST(SettingsFileWindow, SaveAsChangesTheExtensionAndAsksBeforeReplacing)
{
    DateiFenster f;
    f.speichernUnter(f.pathName("farben.txt"));
    const QByteArray alt = readIn(f.pathName("farben.tnfx"));
    ASSERT_EQ(alt.size(), 222);
    EXPECT_FALSE(QFile::exists(f.pathName("farben.txt")));

    f.bandClick(300);
    QString questionBox;
    queueAnswer(questionBox, QMessageBox::No);
    f.speichernUnter(f.pathName("farben"));
    EXPECT_EQ(questionBox, QStringLiteral("The file does already exist, should it be replaced?"));
    EXPECT_EQ(f.dialogs->recordedCalls().last().name, f.pathName("farben.tnfx"));
    EXPECT_EQ(readIn(f.pathName("farben.tnfx")), alt);
    EXPECT_TRUE(f.modified());

    queueAnswer(questionBox, QMessageBox::Yes);
    f.speichernUnter(f.pathName("farben"));
    EXPECT_EQ(readIn(f.pathName("farben.tnfx")).mid(8, 4), le({300}));
    EXPECT_FALSE(f.modified());
}

TEST(SettingsFileWindow, WebSafeTakeOverIsAskedBeforeTheDialogAndAgainBeforeWriting)
{
    DateiFenster f;
    f.d().webSafeAssigned();
    QString questionBox;
    queueAnswer(questionBox, QMessageBox::No);
    f.form->actionItem("dateiSpeichern")->setEnabled(true);
    f.form->actionItem("dateiSpeichern")->trigger();
    EXPECT_TRUE(questionBox.startsWith(QStringLiteral("You´ve adjusted individual web safe colors.")));
    EXPECT_TRUE(f.dialogs->recordedCalls().isEmpty());

    ModalZaehler zaehler; // answers No to the second question
    f.dialogs->queueAnswer(f.pathName("w"));
    onNextModal<QMessageBox>([](QMessageBox& box) { klick(box.button(QMessageBox::Yes)); });
    f.form->actionItem("ShortCutStrgS")->trigger();
    EXPECT_EQ(f.dialogs->recordedCalls().size(), 1);
    EXPECT_FALSE(QFile::exists(f.pathName("w.tnfx")));
}

TEST(SettingsFileWindow, AFixedDisplaySavesTheSameWhicheverHalfIsEditedAndReopensAsSaved)
{
    DateiFenster f;
    MainWidgets& w = f.w();
    f.harmonyMode("dreierHarmonien");
    f.bandClick(500);
    f.form->actionItem("fixieren")->trigger();
    klick(w.fields.FixedLinksKleinRechts);
    f.harmonyMode("zweierHarmonien");
    f.bandClick(100);
    ASSERT_TRUE(f.s().fixLinksAktiv);
    f.speichernUnter(f.pathName("links"));
    klick(w.fields.FixedKleinRechts);
    ASSERT_FALSE(f.s().fixLinksAktiv);
    f.speichernUnter(f.pathName("rechts"));

    const QByteArray left = readIn(f.pathName("links.tnfx"));
    EXPECT_EQ(left, readIn(f.pathName("rechts.tnfx")));
    ASSERT_EQ(left.size(), 222);
    EXPECT_EQ(left.mid(4, 8), le({1, 500}));
    EXPECT_EQ(left.mid(111 + 4, 8), le({0, 100}));
    EXPECT_EQ(left.mid(107, 4), le({1}));
    EXPECT_EQ(left.mid(218, 4), le({1}));

    DateiFenster g;
    g.tryOpen(f.pathName("links.tnfx"));
    EXPECT_TRUE(g.s().fixiert);
    EXPECT_FALSE(g.s().fixLinksAktiv);
    EXPECT_EQ(g.w().fields.FixedRechts->colour(), bandFarbe(500));
    EXPECT_EQ(g.w().fields.FixedLinks->colour(), bandFarbe(100));
    EXPECT_EQ(g.form->windowTitle(), f.pathName("links.tnfx"));
    EXPECT_FALSE(g.modified());
}

TEST(SettingsFileWindow, SlotTwentySevenDecidesWhetherAFileOpensFixed)
{
    DateiFenster f;
    MainWidgets& w = f.w();
    schreibe(f.pathName("offen.tnfx"), block1 + le({0}) + block2 + le({0}));
    f.tryOpen(f.pathName("offen.tnfx"));
    EXPECT_FALSE(f.s().fixiert);
    EXPECT_TRUE(f.form->actionItem("dreierHarmonien")->isChecked());
    EXPECT_EQ(w.fields.KleinRechts->colour(), bandFarbe(121));
    EXPECT_EQ(w.fields.KleinLinks->colour(), bandFarbe(201));
    EXPECT_EQ(f.s().hdPunktGrossX(), 64);
    EXPECT_EQ(f.s().hdPunktGrossY(), 100);
    EXPECT_TRUE(f.s().hdZielGross());

    schreibe(f.pathName("fix.tnfx"), block1 + le({1}) + block2 + le({0}));
    f.tryOpen(f.pathName("fix.tnfx"));
    EXPECT_TRUE(f.s().fixiert);
    EXPECT_FALSE(f.s().fixLinksAktiv);
    EXPECT_EQ(w.fields.FixedKleinRechts->colour(), bandFarbe(121));
    EXPECT_EQ(w.fields.FixedLinksKleinRechts->colour(), bandFarbe(439));
    EXPECT_EQ(f.form->windowTitle(), f.pathName("fix.tnfx"));

    // The reader puts the texts as the file keeps them, not as computed; colour rows take none.
    f.form->fileItem().datenEinlesen(f.pathName("offen.tnfx"));
    EXPECT_EQ(w.values.SGrObR->text(), QStringLiteral("1"));
    EXPECT_EQ(w.values.SGrObHex->text(), QStringLiteral("#010203"));
    QByteArray row = block1 + le({0});
    row.replace(4, 4, le({4}));
    schreibe(f.pathName("reihe.tnfx"), row);
    f.form->fileItem().datenEinlesen(f.pathName("reihe.tnfx"));
    EXPECT_TRUE(f.form->actionItem("farbreihen")->isChecked());
    EXPECT_NE(w.values.SGrObHex->text(), QStringLiteral("#010203"));

    // Another extension holds one block: the fixed flag is not read.
    schreibe(f.pathName("fix.dat"), block1 + le({1}) + block2 + le({0}));
    f.tryOpen(f.pathName("fix.dat"));
    EXPECT_FALSE(f.s().fixiert);
    EXPECT_EQ(f.form->windowTitle(), f.pathName("fix.dat"));
}

TEST(SettingsFileWindow, OpenAndCloseAskAboutChangesOnlyForAModifiedCurrentFile)
{
    DateiFenster f;
    schreibe(f.pathName("a.tnfx"), block1 + le({0}) + block2 + le({0}));
    f.bandClick(10);
    {
        ModalZaehler zaehler;
        f.tryOpen(f.pathName("a.tnfx")); // no current file yet
        f.tryOpen(f.pathName("a.tnfx")); // unmodified
        EXPECT_EQ(zaehler.anzahl, 0);
    }
    f.bandClick(250);
    QString questionBox;
    queueAnswer(questionBox, QMessageBox::Yes);
    f.form->close();
    EXPECT_EQ(questionBox, QStringLiteral("Save changed datas in a.tnfx?"));
    EXPECT_EQ(readIn(f.pathName("a.tnfx")).mid(8, 4), le({250}));

    DateiFenster g;
    g.bandClick(250);
    ModalZaehler zaehler;
    g.form->close();
    EXPECT_EQ(zaehler.anzahl, 0);
}

TEST(SettingsFileWindow, AFailedWriteKeepsTheOldFileThePathAndTheModifiedState)
{
    DateiFenster f;
    f.speichernUnter(f.pathName("alt"));
    const QByteArray alt = readIn(f.pathName("alt.tnfx"));
    f.bandClick(400);

    QString meldung;
    queueAnswer(meldung, QMessageBox::Ok);
    f.speichernUnter(f.pathName("fehlt/neu"));
    EXPECT_EQ(meldung, QStringLiteral("The file couldn´t be created!"));
    EXPECT_EQ(f.form->windowTitle(), f.pathName("fehlt/neu.tnfx"));
    EXPECT_TRUE(f.modified());

    // The file system refuses every byte past the 100th.
    f.form->setWindowTitle(f.pathName("alt.tnfx"));
    const auto alterSignalweg = std::signal(SIGXFSZ, SIG_IGN);
    rlimit vorher{};
    getrlimit(RLIMIT_FSIZE, &vorher);
    rlimit knapp = vorher;
    knapp.rlim_cur = 100;
    setrlimit(RLIMIT_FSIZE, &knapp);
    meldung.clear();
    queueAnswer(meldung, QMessageBox::Ok);
    f.form->actionItem("dateiSpeichern")->trigger();
    setrlimit(RLIMIT_FSIZE, &vorher);
    std::signal(SIGXFSZ, alterSignalweg);
    EXPECT_EQ(meldung, QStringLiteral("The file couldn´t be created!"));
    EXPECT_EQ(readIn(f.pathName("alt.tnfx")), alt);
    EXPECT_EQ(QDir(f.dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("alt.tnfx")});
    EXPECT_TRUE(f.modified());
}

TEST(SettingsFileWindow, AFileThatCannotBeReadWholeReportsItsFullPathAndChangesNothing)
{
    DateiFenster f;
    MainWidgets& w = f.w();
    schreibe(f.pathName("gut.tnfx"), block1 + le({1}) + block2 + le({0}));
    f.tryOpen(f.pathName("gut.tnfx"));
    f.form->actionItem("farbenSeparatEinstellen")->trigger();
    f.bandClick(300);
    ASSERT_TRUE(f.s().fixiert && f.s().separatModus && f.modified());
    const QColor right = w.fields.FixedRechts->colour(), left = w.fields.FixedLinks->colour();

    const QByteArray voll = block1 + le({1}) + block2 + le({1});
    const std::pair<const char*, qsizetype> faelle[] = {
        {"leer.tnfx", 0}, {"fuenfzig.tnfx", 50}, {"kurz.tnfx", 110}, {"ohne2.tnfx", 200}};
    for (const auto& [name, laenge] : faelle)
        schreibe(f.pathName(name), voll.left(laenge));
    const QStringList names{"leer.tnfx", "fuenfzig.tnfx", "kurz.tnfx", "ohne2.tnfx", "gibtsnicht.tnfx"};
    for (const QString& name : names) {
        QStringList textSet; // keep the changes? No; then the message
        antworteFolge(textSet, {QMessageBox::No, QMessageBox::Ok});
        f.tryOpen(f.dir.filePath(name));
        ASSERT_EQ(textSet.size(), 2);
        EXPECT_EQ(textSet.at(1),
                  QStringLiteral("The file \"%1\" couldn´t be read!").arg(f.dir.filePath(name)));
        EXPECT_EQ(f.form->windowTitle(), f.pathName("gut.tnfx")) << name.toStdString();
        EXPECT_TRUE(f.s().fixiert && f.s().separatModus && f.modified()) << name.toStdString();
        EXPECT_EQ(w.fields.FixedRechts->colour(), right) << name.toStdString();
        EXPECT_EQ(w.fields.FixedLinks->colour(), left) << name.toStdString();
    }
}

TEST(SettingsFileWindow, ASaveThatFailedKeepsTheWindowOpenAndStopsTheOpen)
{
    DateiFenster f;
    QDir(f.dir.path()).mkdir(QStringLiteral("weg"));
    f.speichernUnter(f.pathName("weg/a"));
    f.bandClick(400);
    const QColor modified = f.w().fields.Anzeige_Normal->colour();
    QDir(f.pathName("weg")).removeRecursively();

    QStringList textSet;
    antworteFolge(textSet, {QMessageBox::Yes, QMessageBox::Ok});
    f.form->close();
    ASSERT_EQ(textSet.size(), 2);
    EXPECT_EQ(textSet.at(1), QStringLiteral("The file couldn´t be created!"));
    EXPECT_TRUE(f.form->isVisible());
    EXPECT_TRUE(f.modified());

    schreibe(f.pathName("b.tnfx"), block1 + le({0}) + block2 + le({0}));
    antworteFolge(textSet, {QMessageBox::Yes, QMessageBox::Ok});
    f.tryOpen(f.pathName("b.tnfx"));
    EXPECT_EQ(textSet.size(), 4);
    EXPECT_EQ(f.form->windowTitle(), f.pathName("weg/a.tnfx"));
    EXPECT_EQ(f.w().fields.Anzeige_Normal->colour(), modified);

    // A No to the web-safe question is the user's choice: closing goes on.
    f.d().webSafeAssigned();
    antworteFolge(textSet, {QMessageBox::Yes, QMessageBox::No});
    f.form->close();
    EXPECT_FALSE(f.form->isVisible());
}

// Folders that take no new files: root ignores permissions, so the folder is made immutable.
class VerriegelterOrdner
{
public:
    explicit VerriegelterOrdner(const QString& pathName) : m_pfad(pathName)
    {
        if (geteuid() == 0)
            m_chattr = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), pathName}) == 0;
        else
            QFile::setPermissions(pathName, QFile::ReadOwner | QFile::ExeOwner);
    }
    ~VerriegelterOrdner()
    {
        if (m_chattr)
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), m_pfad});
        QFile::setPermissions(m_pfad, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    bool nimmtNichts() const
    {
        QFile probe(m_pfad + QStringLiteral("/probe"));
        return !probe.open(QIODevice::WriteOnly);
    }

private:
    QString m_pfad;
    bool m_chattr = false;
};

TEST(SettingsFileWindow, SavesAWritableFileInAFolderThatTakesNoNewFiles)
{
    DateiFenster f;
    QDir(f.dir.path()).mkdir(QStringLiteral("fest"));
    f.speichernUnter(f.pathName("fest/a"));
    f.bandClick(400);
    const VerriegelterOrdner folder(f.pathName("fest"));
    if (!folder.nimmtNichts())
        GTEST_SKIP() << "this machine cannot make a folder refuse new files";
    ModalZaehler zaehler;
    f.form->actionItem("dateiSpeichern")->trigger();
    EXPECT_EQ(zaehler.anzahl, 0);
    EXPECT_FALSE(f.modified());
    EXPECT_EQ(readIn(f.pathName("fest/a.tnfx")).mid(8, 4), le({400}));
}

TEST(SettingsFileWindow, AFixedColourRowsBackgroundTakesNoClickYetAFixedRowFileReopensAsSaved)
{
    DateiFenster f;
    MainWidgets& w = f.w();
    f.harmonyMode("farbreihen");
    f.bandClick(100);
    f.form->actionItem("fixieren")->trigger();
    klick(w.fields.RLi[1]);
    f.bandClick(500);
    ASSERT_TRUE(f.s().fixLinksAktiv);
    klick(w.fields.FixedRechtsReihen, {2, 2});
    EXPECT_TRUE(f.s().fixLinksAktiv);
    const QColor links1 = w.fields.RLi[1]->colour(), rechts1 = w.fields.RRe[1]->colour();
    ASSERT_NE(links1, rechts1);
    f.speichernUnter(f.pathName("reihen"));

    DateiFenster g;
    g.tryOpen(f.pathName("reihen.tnfx"));
    EXPECT_TRUE(g.s().fixiert);
    EXPECT_FALSE(g.s().fixLinksAktiv);
    EXPECT_EQ(g.w().fields.RLi[1]->colour(), links1);
    EXPECT_EQ(g.w().fields.RRe[1]->colour(), rechts1);
}

TEST(SettingsFileWindow, RandomFilesOfEveryLengthLeaveEveryValueInRange)
{
    DateiFenster f;
    MainWidgets& w = f.w();
    std::mt19937 zufall(4711);
    std::uniform_int_distribution<int> small(-20, 700);
    std::uniform_int_distribution<int> big(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    ModalZaehler zaehler;
    for (int laenge = 0; laenge <= 300; ++laenge) {
        QByteArray bytes;
        while (bytes.size() < laenge)
            bytes += le({zufall() % 3 == 0 ? big(zufall) : zufall() % 2 ? small(zufall) % 6 : small(zufall)});
        schreibe(f.pathName("z.tnfx"), bytes.left(laenge));
        f.tryOpen(f.pathName("z.tnfx"));
        const MainState& s = f.s();
        for (int p : {s.posGross(), s.posRechts(), s.posLinks(), s.posMitte()})
            ASSERT_TRUE(p >= 0 && p <= 677) << laenge << " " << p;
        for (int k : {s.hdPunktGrossX(), s.hdPunktGrossY(), s.hdPunktRechtsX(), s.hdPunktRechtsY(),
                      s.hdPunktLinksX(), s.hdPunktLinksY(), s.hdPunktMitteX(), s.hdPunktMitteY()})
            ASSERT_TRUE(k >= 0 && k <= 256) << laenge << " " << k;
        ASSERT_TRUE(w.rowControls.ComboBox1->currentIndex() >= 0 &&
                    w.rowControls.ComboBox1->currentIndex() <= 6)
            << laenge;
        ASSERT_TRUE(w.angle.ComboBox3->currentIndex() >= 0 && w.angle.ComboBox3->currentIndex() <= 1)
            << laenge;
        ASSERT_TRUE(w.angle.TrackBar2->value() >= 0 && w.angle.TrackBar2->value() <= 117) << laenge;
    }
    EXPECT_GE(zaehler.anzahl, 100); // the short ones
}

// The core's application without a window (what fuzz/SettingsFileFuzz.cpp
// drives) gives the values the window takes from the same block.
TEST(SettingsFileWindow, TheWindowAndTheCoreWithoutAWindowTakeTheSameValuesFromABlock)
{
    struct Fall {
        int harmonyMode, angleTypeNumber, stepIndex;
    };
    for (const Fall fall :
         {Fall{0, 1, 3}, Fall{1, 1, 3}, Fall{2, 1, 3}, Fall{2, 2, 3}, Fall{3, 1, 6}, Fall{4, 1, 1}}) {
        SCOPED_TRACE(fall.harmonyMode * 10 + fall.angleTypeNumber);
        QByteArray bytes = le({0,   fall.harmonyMode,
                               250, fall.angleTypeNumber,
                               70,  20,
                               0,   64,
                               100, 30,
                               200, 90,
                               40,  128,
                               128, 250,
                               300, 500,
                               600, fall.stepIndex,
                               0,   0,
                               1,   2,
                               3}) +
                           "#010203" + le({0});
        DateiFenster f;
        schreibe(f.pathName("f.tnfx"), bytes);
        f.tryOpen(f.pathName("f.tnfx"));
        const MainState& w = f.s();

        QBuffer puffer(&bytes);
        puffer.open(QIODevice::ReadOnly);
        const ParsedFile d = ::readIn(puffer, true);
        ASSERT_TRUE(d.block1);
        MainState k;
        applySetting(k, fileSetting(*d.block1));

        EXPECT_EQ(k.harmonyMode(), w.harmonyMode());
        EXPECT_EQ(k.bandLuminoes, w.bandLuminoes);
        EXPECT_EQ((std::array{k.posGross(), k.posRechts(), k.posLinks(), k.posMitte()}),
                  (std::array{w.posGross(), w.posRechts(), w.posLinks(), w.posMitte()}));
        EXPECT_EQ((std::array{k.hdPunktGrossX(), k.hdPunktGrossY(), k.hdPunktRechtsX(), k.hdPunktRechtsY(),
                              k.hdPunktLinksX(), k.hdPunktLinksY(), k.hdPunktMitteX(), k.hdPunktMitteY()}),
                  (std::array{w.hdPunktGrossX(), w.hdPunktGrossY(), w.hdPunktRechtsX(), w.hdPunktRechtsY(),
                              w.hdPunktLinksX(), w.hdPunktLinksY(), w.hdPunktMitteX(), w.hdPunktMitteY()}));
        EXPECT_EQ((std::array{k.dunkelGross(), k.hellGross(), k.dunkelRechts(), k.hellRechts(),
                              k.dunkelLinks(), k.hellLinks(), k.dunkelMitte(), k.hellMitte()}),
                  (std::array{w.dunkelGross(), w.hellGross(), w.dunkelRechts(), w.hellRechts(),
                              w.dunkelLinks(), w.hellLinks(), w.dunkelMitte(), w.hellMitte()}));
        // After the load the window selects the big field, which colour rows lack.
        if (fall.harmonyMode != 4) {
            EXPECT_EQ((std::array{k.hdZielGross(), k.hdZielRechts(), k.hdZielLinks(), k.hdZielMitte()}),
                      (std::array{w.hdZielGross(), w.hdZielRechts(), w.hdZielLinks(), w.hdZielMitte()}));
        }
        if (fall.harmonyMode != 0) {
            EXPECT_EQ(k.abstand1(), w.abstand1());
        }
        if (fall.harmonyMode == 2) {
            EXPECT_EQ(k.winkeltyp2, w.winkeltyp2);
        }
        // Base colours of the fields the mode shows; of a row, its active rings
        // too (the others keep what the window held before).
        const int ringe = fall.stepIndex;
        const int von = fall.harmonyMode == 4 ? slot::basisRechts : slot::basisGross;
        const int bis = fall.harmonyMode >= 3   ? slot::basisReihe + 6 * ringe - 1
                        : fall.harmonyMode == 2 ? slot::basisMitte + 2
                        : fall.harmonyMode == 1 ? slot::basisLinks + 2
                                                : slot::basisRechts + 2;
        for (int i = von; i <= bis; ++i)
            EXPECT_EQ(k.farbWerte[i], w.farbWerte[i]) << i;
        if (fall.harmonyMode >= 3) {
            EXPECT_EQ(k.stufenAnzahl, w.stufenAnzahl);
            EXPECT_EQ(k.stufeAktiv, w.stufeAktiv);
            for (int i = 1; i <= 2 * ringe + 1; ++i)
                EXPECT_EQ(std::pair(k.dunkelReihe(i), k.hellReihe(i)),
                          std::pair(w.dunkelReihe(i), w.hellReihe(i)))
                    << i;
            for (int i = 1; i <= 48; ++i) {
                if (i <= 6 * ringe || i >= (fall.harmonyMode == 4 ? 40 : 37)) {
                    EXPECT_EQ(k.endFarben[i], w.endFarben[i]) << i;
                }
            }
        }
    }
}

TEST(SettingsFileWindow, AFirstStartWithAPathShowsThatFilesColoursAndPath)
{
    QTemporaryDir dir;
    const QString pathName = dir.filePath(QStringLiteral("start.tnfx"));
    schreibe(pathName, block1 + le({0}) + block2 + le({0}));
    WindowFixture f;
    f.form->setCommandLineFile(pathName);
    f.form->show();
    EXPECT_EQ(f.form->windowTitle(), pathName);
    EXPECT_EQ(f.w().fields.Anzeige_Normal->colour(), mixedColour(bandFarbe(500), 64, 155));
    EXPECT_EQ(f.w().fields.KleinLinks->colour(), bandFarbe(201));
    EXPECT_FALSE(f.form->actions().action(ActionId::dateiSpeichern).isEnabled());
}

TEST(SettingsFileWindow, SeparateAdjustmentOfTheActiveBlockLeavesTheFixedBlocksColours)
{
    DateiFenster f;
    MainWidgets& w = f.w();
    // Block 1: luminous 3-colour at 662, adjusted separately; block 2: realistic 3-colour at 0.
    const QByteArray active =
        le({0, 1, 662, 1, 40, 34, 1, 0, 255, 0, 255, 0, 255, 0, 255, 662, 186, 266, 68, 3, 0, 0, 0, 0, 0}) +
        "       " + le({1});
    const QByteArray fixedDecimal =
        le({1, 1, 0, 1, 40, 34, 0, 0, 255, 0, 255, 0, 255, 0, 255, 0, 299, 379, 68, 3, 0, 0, 218, 37, 29}) +
        "#DA251D" + le({1});
    schreibe(f.pathName("separat.tnfx"), active + fixedDecimal);
    f.tryOpen(f.pathName("separat.tnfx"));
    EXPECT_EQ(w.fields.FixedLinks->colour(), bandFarbe(0));
    EXPECT_EQ(w.fields.FixedLinksKleinRechts->colour(), bandFarbe(299));
    EXPECT_EQ(w.fields.FixedLinksKleinLinks->colour(), bandFarbe(379));
    EXPECT_EQ(w.values.SGrUnHex->text(), QStringLiteral("#DA251D"));
    EXPECT_EQ(w.fields.FixedRechts->colour(), bandFarbe(662, true));
}

TEST(SettingsFileWindow, ASeparatelyAdjustedFieldOpensAtItsOwnPositionWhicheverFieldWasSelected)
{
    DateiFenster f;
    // 2-colour at 330, adjusted separately: small right at 0 instead of the complement 669.
    const QByteArray separate =
        le({1, 0, 330, 1, 40, 34, 1, 0, 255, 0, 255, 0, 255, 0, 255, 330, 0, 413, 67, 3, 0, 0, 1, 2, 3}) +
        "#010203" + le({0});
    schreibe(f.pathName("separat.tnfx"), separate + block2 + le({0}));
    klick(f.w().fields.KleinRechts);
    f.tryOpen(f.pathName("separat.tnfx"));
    EXPECT_TRUE(f.s().separatModus);
    EXPECT_EQ(f.w().fields.KleinRechts->colour(), bandFarbe(0));
    EXPECT_EQ(f.w().fields.Anzeige_Normal->colour(), bandFarbe(330));
}

TEST(SettingsFileWindow, AHalfTurnedToFanningAfterASwapShowsTheListsFieldCountAndReopensSo)
{
    DateiFenster f;
    MainWidgets& w = f.w();
    f.harmonyMode("auffaecherungen");
    stufenWaehlen(w, 5);
    f.form->actionItem("fixieren")->trigger();
    klick(w.fields.RLi[1]);
    stufenWaehlen(w, 2);
    f.harmonyMode("dreierHarmonien");
    klick(w.fields.RRe[1]);
    // Back on the left, its 3-colour harmony leaves the list at the right half's 11 fields.
    klick(w.fields.FixedLinksKleinRechts);
    ASSERT_TRUE(f.s().fixLinksAktiv);
    ASSERT_EQ(w.rowControls.ComboBox1->currentIndex(), 4);
    f.harmonyMode("auffaecherungen");
    EXPECT_EQ(w.fields.RLi[4]->parentWidget(), w.fields.FixedLinksReihen);
    EXPECT_EQ(w.fields.RLi[3]->parentWidget(), w.fields.PanelContainer2);
    const QColor ring4 = w.fields.RLi[4]->colour();
    klick(w.fields.RRe[1]);
    f.speichernUnter(f.pathName("faecher"));

    DateiFenster g;
    g.tryOpen(f.pathName("faecher.tnfx"));
    EXPECT_EQ(g.w().fields.RLi[4]->parentWidget(), g.w().fields.FixedLinksReihen);
    EXPECT_EQ(g.w().fields.RLi[3]->parentWidget(), g.w().fields.PanelContainer2);
    EXPECT_EQ(g.w().fields.RLi[4]->colour(), ring4);
}
