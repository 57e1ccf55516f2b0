#pragma once

#include "support/InteractionFixture.h"
#include "ui/soak/SameStateWindow.h"
#include "ui/soak/SessionChecks.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdint>
#include <memory>
#include <optional>
#include <random>

class SitzungsDialoge;

// Which files a step wrote (inode and modification time): QSaveFile renames a
// new file over the old one.
using DateiStand = QMap<QString, std::pair<unsigned long, long long>>;

// Answers every message box while a session runs: questions with the answer
// the session drew, anything else is noted as unexpected and closed.
class ModalBeantworter
{
public:
    ModalBeantworter();
    bool jaAntworten = true;
    QStringList unerwartet;

private:
    void pruefen();
    QTimer m_takt;
};

// A seeded sequence of user actions on the real main window. The same seed
// replays the same sequence.
class ZufallsSitzung
{
public:
    explicit ZufallsSitzung(std::uint32_t seed);
    ~ZufallsSitzung();

    // Runs one drawn action and checks the invariants; the failures, if any.
    QStringList step();
    // The actions run so far, one line each.
    const QStringList& protokoll() const { return m_protokoll; }

private:
    using ActionId = void (ZufallsSitzung::*)();
    int numeral(int von, int bis);
    bool muenze() { return numeral(0, 1) == 1; }
    void notiere(const QString& text) { m_protokoll << text; }
    void aktivieren();
    void taste(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier);
    void klickDurchFenster(QWidget* target, QPoint p);
    QPoint punktIn(const QWidget* w);

    void bandClick();
    void keyOnFocus();
    void bandZiehen();
    void hdZiehen();
    void switchHarmonyMode();
    void bandTyp();
    void stepCount();
    void winkelRegler();
    void winkelTyp();
    void fixieren();
    void fieldClick();
    void anzeigeKlick();
    void separate();
    void radioKlick();
    void textInstead();
    void bandVerstecken();
    void backgroundColour();
    void chooseSaveFile();
    void tryOpen();
    void alleKopieren();
    void werteTextKlick();
    void extent();
    void undo();
    void restoreStep();
    void verlaufKlick();

    ActionId ziehen();
    // What the display showed at each step of the history, and the check of a
    // step taken back or brought again against it.
    void verlaufMerken(int indexVorher, bool gewendet);
    QStringList verlaufPruefen();
    QStringList dateienPruefen(const Ansicht& vorher, const DateiStand& dateienVorher, bool geoeffnet);
    QStringList festeHaelftePruefen(const Ansicht& vorher, bool fixiertVorher, bool linksVorher);

    std::mt19937 m_zufall;
    ShownWindow m_f;
    SameStateWindow m_gleich;
    SitzungsDialoge* m_dialoge = nullptr;
    ModalBeantworter m_modale;
    QTemporaryDir m_dir;
    QStringList m_dateien; // the files a session saves to and opens
    QStringList m_protokoll;
    // What the display showed when each file was saved.
    QMap<QString, Ansicht> m_gespeichert;
    QStringList m_extraFehler;
    bool m_haelftenNeu = false;       // the action may legitimately repaint both halves
    QMap<int, Ansicht> m_ansichten;   // by history index
    int m_schritte = 0;               // steps on the history after the last action
    std::optional<int> m_verlaufZiel; // the index an undo, redo or history click goes to
};
