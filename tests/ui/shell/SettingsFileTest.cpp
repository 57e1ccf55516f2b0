#include "support/InteractionFixture.h"
#include "support/ModalGuard.h"

#include "platform/desktop/FileDialogs.h"
#include "core/documents/SettingsApply.h"
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

QByteArray le(std::initializer_list<int> werte)
{
    QByteArray b;
    for (int w : werte)
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

QByteArray lesen(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void schreibe(const QString& pfad, const QByteArray& bytes)
{
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Answers the next message box by clicking one of its buttons; keeps its text.
void antworte(QString& text, QMessageBox::StandardButton knopf)
{
    onNextModal<QMessageBox>([&text, knopf](QMessageBox& box) {
        text = box.text();
        klick(box.button(knopf));
    });
}

// Answers the next message boxes in turn, one button each; keeps their texts.
void antworteFolge(QStringList& texte, std::vector<QMessageBox::StandardButton> knoepfe)
{
    if (knoepfe.empty())
        return;
    const QMessageBox::StandardButton knopf = knoepfe.front();
    knoepfe.erase(knoepfe.begin());
    onNextModal<QMessageBox>([&texte, knopf, rest = std::move(knoepfe)](QMessageBox& box) {
        texte << box.text();
        klick(box.button(knopf));
        antworteFolge(texte, rest);
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
        dialoge = d.get();
        form->datei().setDialogs(std::move(d));
    }
    QString pfad(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    void speichernUnter(const QString& p)
    {
        dialoge->antworte(p);
        form->aktion("dateiSpeichernUnter")->trigger();
    }
    void oeffnen(const QString& p)
    {
        dialoge->antworte(p);
        form->aktion("dateiOeffnen")->trigger();
    }
    bool geaendert() const { return form->actions().action(Aktion::dateiSpeichern).isEnabled(); }
    void bandKlick(int x) { klick(w().Image2, {x, 30}); }

    QTemporaryDir dir;
    ScriptedFileDialogs* dialoge = nullptr;
};

} // namespace

TEST(SettingsFileWindow, SaveWithoutAFileAsksForANameAndTheStartStateIs222Bytes)
{
    DateiFenster f;
    ASSERT_EQ(f.form->windowTitle(), englischerTitel);
    f.dialoge->antworte(f.pfad("farben"));
    f.form->aktion("ShortCutStrgS")->trigger();

    ASSERT_EQ(f.dialoge->aufrufe().size(), 1);
    EXPECT_TRUE(f.dialoge->aufrufe().at(0).speichern);
    EXPECT_EQ(f.dialoge->aufrufe().at(0).filter, QStringLiteral("Tinctora File (*.tnfx);;All Files (*.*)"));
    EXPECT_EQ(f.dialoge->aufrufe().at(0).name, QString());
    const QByteArray start1 =
        le({1, 0, 0, 1, 40, 34, 0, 0, 255, 0, 255, 0, 255, 0, 255, 0, 339, 413, 67, 3, 0, 0, 218, 37, 29}) +
        "#DA251D" + le({0});
    const QByteArray start2 =
        le({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 218, 37, 29}) + "#DA251D" +
        le({0});
    EXPECT_EQ(lesen(f.pfad("farben.tnfx")), start1 + start2);
    EXPECT_EQ(f.form->windowTitle(), f.pfad("farben.tnfx"));
    EXPECT_FALSE(f.geaendert());
    f.bandKlick(300);
    EXPECT_TRUE(f.geaendert());
}

TEST(SettingsFileWindow, SaveAsChangesTheExtensionAndAsksBeforeReplacing)
{
    DateiFenster f;
    f.speichernUnter(f.pfad("farben.txt"));
    const QByteArray alt = lesen(f.pfad("farben.tnfx"));
    ASSERT_EQ(alt.size(), 222);
    EXPECT_FALSE(QFile::exists(f.pfad("farben.txt")));

    f.bandKlick(300);
    QString frage;
    antworte(frage, QMessageBox::No);
    f.speichernUnter(f.pfad("farben"));
    EXPECT_EQ(frage, QStringLiteral("The file does already exist, should it be replaced?"));
    EXPECT_EQ(f.dialoge->aufrufe().last().name, f.pfad("farben.tnfx"));
    EXPECT_EQ(lesen(f.pfad("farben.tnfx")), alt);
    EXPECT_TRUE(f.geaendert());

    antworte(frage, QMessageBox::Yes);
    f.speichernUnter(f.pfad("farben"));
    EXPECT_EQ(lesen(f.pfad("farben.tnfx")).mid(8, 4), le({300}));
    EXPECT_FALSE(f.geaendert());
}

TEST(SettingsFileWindow, WebSafeTakeOverIsAskedBeforeTheDialogAndAgainBeforeWriting)
{
    DateiFenster f;
    f.d().websicherZugewiesen();
    QString frage;
    antworte(frage, QMessageBox::No);
    f.form->aktion("dateiSpeichern")->setEnabled(true);
    f.form->aktion("dateiSpeichern")->trigger();
    EXPECT_TRUE(frage.startsWith(QStringLiteral("You´ve adjusted individual web safe colors.")));
    EXPECT_TRUE(f.dialoge->aufrufe().isEmpty());

    ModalZaehler zaehler; // answers No to the second question
    f.dialoge->antworte(f.pfad("w"));
    onNextModal<QMessageBox>([](QMessageBox& box) { klick(box.button(QMessageBox::Yes)); });
    f.form->aktion("ShortCutStrgS")->trigger();
    EXPECT_EQ(f.dialoge->aufrufe().size(), 1);
    EXPECT_FALSE(QFile::exists(f.pfad("w.tnfx")));
}

TEST(SettingsFileWindow, AFixedDisplaySavesTheSameWhicheverHalfIsEditedAndReopensAsSaved)
{
    DateiFenster f;
    MainWidgets& w = f.w();
    f.modus("dreierHarmonien");
    f.bandKlick(500);
    f.form->aktion("fixieren")->trigger();
    klick(w.FixedLinksKleinRechts);
    f.modus("zweierHarmonien");
    f.bandKlick(100);
    ASSERT_TRUE(f.s().fixLinksAktiv);
    f.speichernUnter(f.pfad("links"));
    klick(w.FixedKleinRechts);
    ASSERT_FALSE(f.s().fixLinksAktiv);
    f.speichernUnter(f.pfad("rechts"));

    const QByteArray links = lesen(f.pfad("links.tnfx"));
    EXPECT_EQ(links, lesen(f.pfad("rechts.tnfx")));
    ASSERT_EQ(links.size(), 222);
    EXPECT_EQ(links.mid(4, 8), le({1, 500}));
    EXPECT_EQ(links.mid(111 + 4, 8), le({0, 100}));
    EXPECT_EQ(links.mid(107, 4), le({1}));
    EXPECT_EQ(links.mid(218, 4), le({1}));

    DateiFenster g;
    g.oeffnen(f.pfad("links.tnfx"));
    EXPECT_TRUE(g.s().fixiert);
    EXPECT_FALSE(g.s().fixLinksAktiv);
    EXPECT_EQ(g.w().FixedRechts->colour(), bandFarbe(500));
    EXPECT_EQ(g.w().FixedLinks->colour(), bandFarbe(100));
    EXPECT_EQ(g.form->windowTitle(), f.pfad("links.tnfx"));
    EXPECT_FALSE(g.geaendert());
}

TEST(SettingsFileWindow, SlotTwentySevenDecidesWhetherAFileOpensFixed)
{
    DateiFenster f;
    MainWidgets& w = f.w();
    schreibe(f.pfad("offen.tnfx"), block1 + le({0}) + block2 + le({0}));
    f.oeffnen(f.pfad("offen.tnfx"));
    EXPECT_FALSE(f.s().fixiert);
    EXPECT_TRUE(f.form->aktion("dreierHarmonien")->isChecked());
    EXPECT_EQ(w.KleinRechts->colour(), bandFarbe(121));
    EXPECT_EQ(w.KleinLinks->colour(), bandFarbe(201));
    EXPECT_EQ(f.s().hdPunktGrossX(), 64);
    EXPECT_EQ(f.s().hdPunktGrossY(), 100);
    EXPECT_TRUE(f.s().hdZielGross());

    schreibe(f.pfad("fix.tnfx"), block1 + le({1}) + block2 + le({0}));
    f.oeffnen(f.pfad("fix.tnfx"));
    EXPECT_TRUE(f.s().fixiert);
    EXPECT_FALSE(f.s().fixLinksAktiv);
    EXPECT_EQ(w.FixedKleinRechts->colour(), bandFarbe(121));
    EXPECT_EQ(w.FixedLinksKleinRechts->colour(), bandFarbe(439));
    EXPECT_EQ(f.form->windowTitle(), f.pfad("fix.tnfx"));

    // The reader puts the texts as the file keeps them, not as computed; colour rows take none.
    f.form->datei().datenEinlesen(f.pfad("offen.tnfx"));
    EXPECT_EQ(w.SGrObR->text(), QStringLiteral("1"));
    EXPECT_EQ(w.SGrObHex->text(), QStringLiteral("#010203"));
    QByteArray reihe = block1 + le({0});
    reihe.replace(4, 4, le({4}));
    schreibe(f.pfad("reihe.tnfx"), reihe);
    f.form->datei().datenEinlesen(f.pfad("reihe.tnfx"));
    EXPECT_TRUE(f.form->aktion("farbreihen")->isChecked());
    EXPECT_NE(w.SGrObHex->text(), QStringLiteral("#010203"));

    // Another extension holds one block: the fixed flag is not read.
    schreibe(f.pfad("fix.dat"), block1 + le({1}) + block2 + le({0}));
    f.oeffnen(f.pfad("fix.dat"));
    EXPECT_FALSE(f.s().fixiert);
    EXPECT_EQ(f.form->windowTitle(), f.pfad("fix.dat"));
}

TEST(SettingsFileWindow, OpenAndCloseAskAboutChangesOnlyForAModifiedCurrentFile)
{
    DateiFenster f;
    schreibe(f.pfad("a.tnfx"), block1 + le({0}) + block2 + le({0}));
    f.bandKlick(10);
    {
        ModalZaehler zaehler;
        f.oeffnen(f.pfad("a.tnfx")); // no current file yet
        f.oeffnen(f.pfad("a.tnfx")); // unmodified
        EXPECT_EQ(zaehler.anzahl, 0);
    }
    f.bandKlick(250);
    QString frage;
    antworte(frage, QMessageBox::Yes);
    f.form->close();
    EXPECT_EQ(frage, QStringLiteral("Save changed datas in a.tnfx?"));
    EXPECT_EQ(lesen(f.pfad("a.tnfx")).mid(8, 4), le({250}));

    DateiFenster g;
    g.bandKlick(250);
    ModalZaehler zaehler;
    g.form->close();
    EXPECT_EQ(zaehler.anzahl, 0);
}

TEST(SettingsFileWindow, AFailedWriteKeepsTheOldFileThePathAndTheModifiedState)
{
    DateiFenster f;
    f.speichernUnter(f.pfad("alt"));
    const QByteArray alt = lesen(f.pfad("alt.tnfx"));
    f.bandKlick(400);

    QString meldung;
    antworte(meldung, QMessageBox::Ok);
    f.speichernUnter(f.pfad("fehlt/neu"));
    EXPECT_EQ(meldung, QStringLiteral("The file couldn´t be created!"));
    EXPECT_EQ(f.form->windowTitle(), f.pfad("fehlt/neu.tnfx"));
    EXPECT_TRUE(f.geaendert());

    // The file system refuses every byte past the 100th.
    f.form->setWindowTitle(f.pfad("alt.tnfx"));
    const auto alterSignalweg = std::signal(SIGXFSZ, SIG_IGN);
    rlimit vorher{};
    getrlimit(RLIMIT_FSIZE, &vorher);
    rlimit knapp = vorher;
    knapp.rlim_cur = 100;
    setrlimit(RLIMIT_FSIZE, &knapp);
    meldung.clear();
    antworte(meldung, QMessageBox::Ok);
    f.form->aktion("dateiSpeichern")->trigger();
    setrlimit(RLIMIT_FSIZE, &vorher);
    std::signal(SIGXFSZ, alterSignalweg);
    EXPECT_EQ(meldung, QStringLiteral("The file couldn´t be created!"));
    EXPECT_EQ(lesen(f.pfad("alt.tnfx")), alt);
    EXPECT_EQ(QDir(f.dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("alt.tnfx")});
    EXPECT_TRUE(f.geaendert());
}

TEST(SettingsFileWindow, AFileThatCannotBeReadWholeReportsItsFullPathAndChangesNothing)
{
    DateiFenster f;
    MainWidgets& w = f.w();
    schreibe(f.pfad("gut.tnfx"), block1 + le({1}) + block2 + le({0}));
    f.oeffnen(f.pfad("gut.tnfx"));
    f.form->aktion("farbenSeparatEinstellen")->trigger();
    f.bandKlick(300);
    ASSERT_TRUE(f.s().fixiert && f.s().separatModus && f.geaendert());
    const QColor rechts = w.FixedRechts->colour(), links = w.FixedLinks->colour();

    const QByteArray voll = block1 + le({1}) + block2 + le({1});
    const std::pair<const char*, qsizetype> faelle[] = {
        {"leer.tnfx", 0}, {"fuenfzig.tnfx", 50}, {"kurz.tnfx", 110}, {"ohne2.tnfx", 200}};
    for (const auto& [name, laenge] : faelle)
        schreibe(f.pfad(name), voll.left(laenge));
    const QStringList namen{"leer.tnfx", "fuenfzig.tnfx", "kurz.tnfx", "ohne2.tnfx", "gibtsnicht.tnfx"};
    for (const QString& name : namen) {
        QStringList texte; // keep the changes? No; then the message
        antworteFolge(texte, {QMessageBox::No, QMessageBox::Ok});
        f.oeffnen(f.dir.filePath(name));
        ASSERT_EQ(texte.size(), 2);
        EXPECT_EQ(texte.at(1), QStringLiteral("The file \"%1\" couldn´t be read!").arg(f.dir.filePath(name)));
        EXPECT_EQ(f.form->windowTitle(), f.pfad("gut.tnfx")) << name.toStdString();
        EXPECT_TRUE(f.s().fixiert && f.s().separatModus && f.geaendert()) << name.toStdString();
        EXPECT_EQ(w.FixedRechts->colour(), rechts) << name.toStdString();
        EXPECT_EQ(w.FixedLinks->colour(), links) << name.toStdString();
    }
}

TEST(SettingsFileWindow, ASaveThatFailedKeepsTheWindowOpenAndStopsTheOpen)
{
    DateiFenster f;
    QDir(f.dir.path()).mkdir(QStringLiteral("weg"));
    f.speichernUnter(f.pfad("weg/a"));
    f.bandKlick(400);
    const QColor geaendert = f.w().Anzeige_Normal->colour();
    QDir(f.pfad("weg")).removeRecursively();

    QStringList texte;
    antworteFolge(texte, {QMessageBox::Yes, QMessageBox::Ok});
    f.form->close();
    ASSERT_EQ(texte.size(), 2);
    EXPECT_EQ(texte.at(1), QStringLiteral("The file couldn´t be created!"));
    EXPECT_TRUE(f.form->isVisible());
    EXPECT_TRUE(f.geaendert());

    schreibe(f.pfad("b.tnfx"), block1 + le({0}) + block2 + le({0}));
    antworteFolge(texte, {QMessageBox::Yes, QMessageBox::Ok});
    f.oeffnen(f.pfad("b.tnfx"));
    EXPECT_EQ(texte.size(), 4);
    EXPECT_EQ(f.form->windowTitle(), f.pfad("weg/a.tnfx"));
    EXPECT_EQ(f.w().Anzeige_Normal->colour(), geaendert);

    // A No to the web-safe question is the user's choice: closing goes on.
    f.d().websicherZugewiesen();
    antworteFolge(texte, {QMessageBox::Yes, QMessageBox::No});
    f.form->close();
    EXPECT_FALSE(f.form->isVisible());
}

// Folders that take no new files: root ignores permissions, so the folder is made immutable.
class VerriegelterOrdner
{
public:
    explicit VerriegelterOrdner(const QString& pfad) : m_pfad(pfad)
    {
        if (geteuid() == 0)
            m_chattr = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), pfad}) == 0;
        else
            QFile::setPermissions(pfad, QFile::ReadOwner | QFile::ExeOwner);
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
    f.speichernUnter(f.pfad("fest/a"));
    f.bandKlick(400);
    const VerriegelterOrdner ordner(f.pfad("fest"));
    if (!ordner.nimmtNichts())
        GTEST_SKIP() << "this machine cannot make a folder refuse new files";
    ModalZaehler zaehler;
    f.form->aktion("dateiSpeichern")->trigger();
    EXPECT_EQ(zaehler.anzahl, 0);
    EXPECT_FALSE(f.geaendert());
    EXPECT_EQ(lesen(f.pfad("fest/a.tnfx")).mid(8, 4), le({400}));
}

TEST(SettingsFileWindow, AFixedColourRowsBackgroundTakesNoClickYetAFixedRowFileReopensAsSaved)
{
    DateiFenster f;
    MainWidgets& w = f.w();
    f.modus("farbreihen");
    f.bandKlick(100);
    f.form->aktion("fixieren")->trigger();
    klick(w.RLi[1]);
    f.bandKlick(500);
    ASSERT_TRUE(f.s().fixLinksAktiv);
    klick(w.FixedRechtsReihen, {2, 2});
    EXPECT_TRUE(f.s().fixLinksAktiv);
    const QColor links1 = w.RLi[1]->colour(), rechts1 = w.RRe[1]->colour();
    ASSERT_NE(links1, rechts1);
    f.speichernUnter(f.pfad("reihen"));

    DateiFenster g;
    g.oeffnen(f.pfad("reihen.tnfx"));
    EXPECT_TRUE(g.s().fixiert);
    EXPECT_FALSE(g.s().fixLinksAktiv);
    EXPECT_EQ(g.w().RLi[1]->colour(), links1);
    EXPECT_EQ(g.w().RRe[1]->colour(), rechts1);
}

TEST(SettingsFileWindow, RandomFilesOfEveryLengthLeaveEveryValueInRange)
{
    DateiFenster f;
    MainWidgets& w = f.w();
    std::mt19937 zufall(4711);
    std::uniform_int_distribution<int> klein(-20, 700);
    std::uniform_int_distribution<int> gross(std::numeric_limits<int>::min(),
                                             std::numeric_limits<int>::max());
    ModalZaehler zaehler;
    for (int laenge = 0; laenge <= 300; ++laenge) {
        QByteArray bytes;
        while (bytes.size() < laenge)
            bytes += le({zufall() % 3 == 0 ? gross(zufall)
                         : zufall() % 2    ? klein(zufall) % 6
                                           : klein(zufall)});
        schreibe(f.pfad("z.tnfx"), bytes.left(laenge));
        f.oeffnen(f.pfad("z.tnfx"));
        const MainState& s = f.s();
        for (int p : {s.posGross(), s.posRechts(), s.posLinks(), s.posMitte()})
            ASSERT_TRUE(p >= 0 && p <= 677) << laenge << " " << p;
        for (int k : {s.hdPunktGrossX(), s.hdPunktGrossY(), s.hdPunktRechtsX(), s.hdPunktRechtsY(),
                      s.hdPunktLinksX(), s.hdPunktLinksY(), s.hdPunktMitteX(), s.hdPunktMitteY()})
            ASSERT_TRUE(k >= 0 && k <= 256) << laenge << " " << k;
        ASSERT_TRUE(w.ComboBox1->currentIndex() >= 0 && w.ComboBox1->currentIndex() <= 6) << laenge;
        ASSERT_TRUE(w.ComboBox3->currentIndex() >= 0 && w.ComboBox3->currentIndex() <= 1) << laenge;
        ASSERT_TRUE(w.TrackBar2->value() >= 0 && w.TrackBar2->value() <= 117) << laenge;
    }
    EXPECT_GE(zaehler.anzahl, 100); // the short ones
}

// The core's application without a window (what fuzz/SettingsFileFuzz.cpp
// drives) gives the values the window takes from the same block.
TEST(SettingsFileWindow, TheWindowAndTheCoreWithoutAWindowTakeTheSameValuesFromABlock)
{
    struct Fall {
        int modus, winkeltyp, stufenIndex;
    };
    for (const Fall fall :
         {Fall{0, 1, 3}, Fall{1, 1, 3}, Fall{2, 1, 3}, Fall{2, 2, 3}, Fall{3, 1, 6}, Fall{4, 1, 1}}) {
        SCOPED_TRACE(fall.modus * 10 + fall.winkeltyp);
        QByteArray bytes =
            le({0,   fall.modus, 250, fall.winkeltyp,   70, 20, 0, 64, 100, 30, 200, 90, 40, 128, 128, 250,
                300, 500,        600, fall.stufenIndex, 0,  0,  1, 2,  3}) +
            "#010203" + le({0});
        DateiFenster f;
        schreibe(f.pfad("f.tnfx"), bytes);
        f.oeffnen(f.pfad("f.tnfx"));
        const MainState& w = f.s();

        QBuffer puffer(&bytes);
        puffer.open(QIODevice::ReadOnly);
        const GeleseneDatei d = ::lesen(puffer, true);
        ASSERT_TRUE(d.block1);
        MainState k;
        einstellungAnwenden(k, dateiEinstellung(*d.block1));

        EXPECT_EQ(k.modus(), w.modus());
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
        if (fall.modus != 4) {
            EXPECT_EQ((std::array{k.hdZielGross(), k.hdZielRechts(), k.hdZielLinks(), k.hdZielMitte()}),
                      (std::array{w.hdZielGross(), w.hdZielRechts(), w.hdZielLinks(), w.hdZielMitte()}));
        }
        if (fall.modus != 0) {
            EXPECT_EQ(k.abstand1(), w.abstand1());
        }
        if (fall.modus == 2) {
            EXPECT_EQ(k.winkeltyp2, w.winkeltyp2);
        }
        // Base colours of the fields the mode shows; of a row, its active rings
        // too (the others keep what the window held before).
        const int ringe = fall.stufenIndex;
        const int von = fall.modus == 4 ? slot::basisRechts : slot::basisGross;
        const int bis = fall.modus >= 3   ? slot::basisReihe + 6 * ringe - 1
                        : fall.modus == 2 ? slot::basisMitte + 2
                        : fall.modus == 1 ? slot::basisLinks + 2
                                          : slot::basisRechts + 2;
        for (int i = von; i <= bis; ++i)
            EXPECT_EQ(k.farbWerte[i], w.farbWerte[i]) << i;
        if (fall.modus >= 3) {
            EXPECT_EQ(k.stufenAnzahl, w.stufenAnzahl);
            EXPECT_EQ(k.stufeAktiv, w.stufeAktiv);
            for (int i = 1; i <= 2 * ringe + 1; ++i)
                EXPECT_EQ(std::pair(k.dunkelReihe(i), k.hellReihe(i)),
                          std::pair(w.dunkelReihe(i), w.hellReihe(i)))
                    << i;
            for (int i = 1; i <= 48; ++i) {
                if (i <= 6 * ringe || i >= (fall.modus == 4 ? 40 : 37)) {
                    EXPECT_EQ(k.endFarben[i], w.endFarben[i]) << i;
                }
            }
        }
    }
}

TEST(SettingsFileWindow, AFirstStartWithAPathShowsThatFilesColoursAndPath)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("start.tnfx"));
    schreibe(pfad, block1 + le({0}) + block2 + le({0}));
    WindowFixture f;
    f.form->setCommandLineFile(pfad);
    f.form->show();
    EXPECT_EQ(f.form->windowTitle(), pfad);
    EXPECT_EQ(f.w().Anzeige_Normal->colour(), gemischt(bandFarbe(500), 64, 155));
    EXPECT_EQ(f.w().KleinLinks->colour(), bandFarbe(201));
    EXPECT_FALSE(f.form->actions().action(Aktion::dateiSpeichern).isEnabled());
}

TEST(SettingsFileWindow, SeparateAdjustmentOfTheActiveBlockLeavesTheFixedBlocksColours)
{
    DateiFenster f;
    MainWidgets& w = f.w();
    // Block 1: luminous 3-colour at 662, adjusted separately; block 2: realistic 3-colour at 0.
    const QByteArray aktiv =
        le({0, 1, 662, 1, 40, 34, 1, 0, 255, 0, 255, 0, 255, 0, 255, 662, 186, 266, 68, 3, 0, 0, 0, 0, 0}) +
        "       " + le({1});
    const QByteArray fest =
        le({1, 1, 0, 1, 40, 34, 0, 0, 255, 0, 255, 0, 255, 0, 255, 0, 299, 379, 68, 3, 0, 0, 218, 37, 29}) +
        "#DA251D" + le({1});
    schreibe(f.pfad("separat.tnfx"), aktiv + fest);
    f.oeffnen(f.pfad("separat.tnfx"));
    EXPECT_EQ(w.FixedLinks->colour(), bandFarbe(0));
    EXPECT_EQ(w.FixedLinksKleinRechts->colour(), bandFarbe(299));
    EXPECT_EQ(w.FixedLinksKleinLinks->colour(), bandFarbe(379));
    EXPECT_EQ(w.SGrUnHex->text(), QStringLiteral("#DA251D"));
    EXPECT_EQ(w.FixedRechts->colour(), bandFarbe(662, true));
}

TEST(SettingsFileWindow, ASeparatelyAdjustedFieldOpensAtItsOwnPositionWhicheverFieldWasSelected)
{
    DateiFenster f;
    // 2-colour at 330, adjusted separately: small right at 0 instead of the complement 669.
    const QByteArray separat =
        le({1, 0, 330, 1, 40, 34, 1, 0, 255, 0, 255, 0, 255, 0, 255, 330, 0, 413, 67, 3, 0, 0, 1, 2, 3}) +
        "#010203" + le({0});
    schreibe(f.pfad("separat.tnfx"), separat + block2 + le({0}));
    klick(f.w().KleinRechts);
    f.oeffnen(f.pfad("separat.tnfx"));
    EXPECT_TRUE(f.s().separatModus);
    EXPECT_EQ(f.w().KleinRechts->colour(), bandFarbe(0));
    EXPECT_EQ(f.w().Anzeige_Normal->colour(), bandFarbe(330));
}

TEST(SettingsFileWindow, AHalfTurnedToFanningAfterASwapShowsTheListsFieldCountAndReopensSo)
{
    DateiFenster f;
    MainWidgets& w = f.w();
    f.modus("auffaecherungen");
    stufenWaehlen(w, 5);
    f.form->aktion("fixieren")->trigger();
    klick(w.RLi[1]);
    stufenWaehlen(w, 2);
    f.modus("dreierHarmonien");
    klick(w.RRe[1]);
    // Back on the left, its 3-colour harmony leaves the list at the right half's 11 fields.
    klick(w.FixedLinksKleinRechts);
    ASSERT_TRUE(f.s().fixLinksAktiv);
    ASSERT_EQ(w.ComboBox1->currentIndex(), 4);
    f.modus("auffaecherungen");
    EXPECT_EQ(w.RLi[4]->parentWidget(), w.FixedLinksReihen);
    EXPECT_EQ(w.RLi[3]->parentWidget(), w.PanelContainer2);
    const QColor ring4 = w.RLi[4]->colour();
    klick(w.RRe[1]);
    f.speichernUnter(f.pfad("faecher"));

    DateiFenster g;
    g.oeffnen(f.pfad("faecher.tnfx"));
    EXPECT_EQ(g.w().RLi[4]->parentWidget(), g.w().FixedLinksReihen);
    EXPECT_EQ(g.w().RLi[3]->parentWidget(), g.w().PanelContainer2);
    EXPECT_EQ(g.w().RLi[4]->colour(), ring4);
}
