#include "ui/soak/RandomSession.h"

#include "ui/shell/VerlaufAktionen.h"

#include <QAbstractItemView>
#include <QUndoStack>

#include "platform/desktop/FileDialogs.h"
#include "support/ModalGuard.h"
#include "ui/shell/ColourSettingsFile.h"

#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include <sys/stat.h>

#include <array>
#include <utility>

// Answers the next open or save dialog with the path the session chose.
class SitzungsDialoge : public FileDialogs
{
public:
    std::optional<QString> oeffnen(QWidget*, const QString&) override { return std::exchange(antwort, {}); }
    std::optional<QString> speichern(QWidget*, const QString&, const QString&) override
    {
        return std::exchange(antwort, {});
    }
    std::optional<Ziel> speichernMitFilter(QWidget*, const QString&, const QString&, QWidget*) override
    {
        const std::optional<QString> pfad = std::exchange(antwort, {});
        return pfad ? std::optional<Ziel>(Ziel{*pfad, {}}) : std::nullopt;
    }
    std::optional<QString> antwort;
};

namespace
{

DateiStand dateiStand(const QStringList& pfade)
{
    DateiStand d;
    for (const QString& p : pfade) {
        struct stat st = {};
        if (::stat(QFile::encodeName(p).constData(), &st) == 0)
            d.insert(p, {st.st_ino,
                         static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec});
    }
    return d;
}

} // namespace

ModalBeantworter::ModalBeantworter()
{
    QObject::connect(&m_takt, &QTimer::timeout, [this] { pruefen(); });
    m_takt.start(2);
}

void ModalBeantworter::pruefen()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (box && box->icon() == QMessageBox::Question) {
        QTest::mouseClick(box->button(jaAntworten ? QMessageBox::Yes : QMessageBox::No), Qt::LeftButton);
        return;
    }
    if (box && box->icon() == QMessageBox::Information) {
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        return;
    }
    unerwartet << (box ? box->text() : QString::fromLatin1(modal->metaObject()->className()));
    closeModal(modal);
}

ZufallsSitzung::ZufallsSitzung(std::uint32_t seed) : m_zufall(seed)
{
    for (const char* name : {"sitzung1.tnfx", "sitzung2.tnfx", "sitzung3.tnfx"})
        m_dateien << m_dir.filePath(QString::fromLatin1(name));
    auto d = std::make_unique<SitzungsDialoge>();
    m_dialoge = d.get();
    m_f.form->datei().setDialogs(std::move(d));
}

ZufallsSitzung::~ZufallsSitzung() = default;

int ZufallsSitzung::zahl(int von, int bis)
{
    return std::uniform_int_distribution<int>(von, bis)(m_zufall);
}

QPoint ZufallsSitzung::punktIn(const QWidget* w)
{
    return {zahl(0, std::max(0, w->width() - 1)), zahl(0, std::max(0, w->height() - 1))};
}

void ZufallsSitzung::aktivieren()
{
    if (m_f.form->isActiveWindow())
        return;
    m_f.form->activateWindow();
    if (!QTest::qWaitForWindowActive(m_f.form.get()))
        m_extraFehler << QStringLiteral("the window could not be activated for a key");
}

void ZufallsSitzung::taste(Qt::Key key, Qt::KeyboardModifiers mods)
{
    aktivieren();
    QTest::keyClick(m_f.form.get(), key, mods);
}

// The click lands on whatever the user would hit at that point.
void ZufallsSitzung::klickDurchFenster(QWidget* ziel, QPoint p)
{
    QWidget* form = m_f.form.get();
    const QPoint imFenster = ziel->mapTo(form, p);
    QWidget* getroffen = form->childAt(imFenster);
    if (!getroffen)
        getroffen = form;
    const QPoint lokal = getroffen->mapFrom(form, imFenster);
    notiere(QStringLiteral("click %1 at (%2, %3) -> %4")
                .arg(ziel->objectName())
                .arg(p.x())
                .arg(p.y())
                .arg(getroffen->objectName().isEmpty()
                         ? QString::fromLatin1(getroffen->metaObject()->className())
                         : getroffen->objectName()));
    klick(getroffen, lokal);
}

void ZufallsSitzung::bandKlick()
{
    PictureBox* band = m_f.w().Image2->isVisibleTo(m_f.form.get()) ? m_f.w().Image2 : m_f.w().Image1;
    const QPoint p(zahl(0, band->width() - 1), zahl(0, band->height() - 1));
    notiere(QStringLiteral("band click at %1").arg(p.x()));
    klick(band, p);
}

void ZufallsSitzung::bandZiehen()
{
    PictureBox* band = m_f.w().Image2->isVisibleTo(m_f.form.get()) ? m_f.w().Image2 : m_f.w().Image1;
    QString weg = QString::number(zahl(0, band->width() - 1));
    QPoint p(weg.toInt(), zahl(0, band->height() - 1));
    drueck(band, p);
    for (int n = zahl(1, 5); n > 0; --n) {
        p = {zahl(-60, band->width() + 60), zahl(-20, band->height() + 20)};
        weg += QStringLiteral(" > %1").arg(p.x());
        zieh(band, p);
    }
    loslass(band, p);
    notiere(QStringLiteral("band drag %1").arg(weg));
}

void ZufallsSitzung::hdZiehen()
{
    PictureBox* feld = m_f.w().PaintBox3;
    QPoint p = punktIn(feld);
    QString weg = QStringLiteral("(%1, %2)").arg(p.x()).arg(p.y());
    drueck(feld, p);
    for (int n = zahl(0, 4); n > 0; --n) {
        p = {zahl(-40, feld->width() + 40), zahl(-40, feld->height() + 40)};
        weg += QStringLiteral(" > (%1, %2)").arg(p.x()).arg(p.y());
        zieh(feld, p);
    }
    loslass(feld, p);
    notiere(QStringLiteral("light/dark drag %1").arg(weg));
}

void ZufallsSitzung::modusWechseln()
{
    static constexpr std::array<std::pair<Qt::Key, ::Aktion>, 5> modi{
        {{Qt::Key_F2, ::Aktion::zweierHarmonien},
         {Qt::Key_F3, ::Aktion::dreierHarmonien},
         {Qt::Key_F4, ::Aktion::viererHarmonien},
         {Qt::Key_F5, ::Aktion::auffaecherungen},
         {Qt::Key_F6, ::Aktion::farbreihen}}};
    const auto [key, aktion] = modi[static_cast<std::size_t>(zahl(0, 4))];
    if (muenze()) {
        notiere(QStringLiteral("mode key F%1").arg(key - Qt::Key_F1 + 1));
        taste(key);
    } else {
        notiere(QStringLiteral("mode tool button F%1").arg(key - Qt::Key_F1 + 1));
        werkzeug(m_f, aktion);
    }
}

void ZufallsSitzung::bandTyp()
{
    const bool luminoes = muenze();
    notiere(luminoes ? QStringLiteral("luminous band") : QStringLiteral("realistic band"));
    werkzeug(m_f, luminoes ? ::Aktion::luminoes : ::Aktion::realistisch);
}

void ZufallsSitzung::stufen()
{
    const int index = zahl(0, 6);
    notiere(QStringLiteral("steps list to item %1").arg(index));
    waehleEintrag(m_f.w().ComboBox1, index);
}

void ZufallsSitzung::winkelRegler()
{
    static constexpr std::array tasten{Qt::Key_Left,     Qt::Key_Right, Qt::Key_PageUp,
                                       Qt::Key_PageDown, Qt::Key_Home,  Qt::Key_End};
    QSlider* regler = muenze() ? m_f.w().TrackBar2 : m_f.w().TrackBar3;
    const int n = zahl(1, 3);
    const Qt::Key key = tasten[static_cast<std::size_t>(zahl(0, 5))];
    notiere(
        QStringLiteral("%1: key %2 x%3").arg(regler->objectName()).arg(static_cast<int>(key), 0, 16).arg(n));
    for (int i = 0; i < n; ++i)
        QTest::keyClick(regler, key);
}

void ZufallsSitzung::winkelTyp()
{
    const int index = zahl(0, 1);
    notiere(QStringLiteral("angle type item %1").arg(index));
    waehleEintrag(m_f.w().ComboBox3, index);
}

void ZufallsSitzung::fixieren()
{
    notiere(QStringLiteral("fix tool button"));
    m_haelftenNeu = true;
    werkzeug(m_f, ::Aktion::fixieren);
}

void ZufallsSitzung::feldKlick()
{
    std::vector<QWidget*> felder;
    for (QWidget* feld : m_f.w().klickbareFelder())
        if (feld->isVisibleTo(m_f.form.get()))
            felder.push_back(feld);
    if (felder.empty()) {
        notiere(QStringLiteral("field click: no field visible"));
        return;
    }
    QWidget* feld = felder[static_cast<std::size_t>(zahl(0, static_cast<int>(felder.size()) - 1))];
    klickDurchFenster(feld, punktIn(feld));
}

void ZufallsSitzung::anzeigeKlick()
{
    klickDurchFenster(m_f.w().Anzeige, punktIn(m_f.w().Anzeige));
}

void ZufallsSitzung::separat()
{
    notiere(QStringLiteral("separate adjustment tool button"));
    werkzeug(m_f, ::Aktion::farbenSeparatEinstellen);
}

void ZufallsSitzung::radioKlick()
{
    const MainWidgets& w = m_f.w();
    const std::array<QRadioButton*, 4> knoepfe{w.RadioButton1, w.RadioButton2, w.RadioButton3,
                                               w.RadioButton4};
    QRadioButton* knopf = knoepfe[static_cast<std::size_t>(zahl(0, 3))];
    notiere(QStringLiteral("click %1").arg(knopf->objectName()));
    if (knopf->isVisibleTo(m_f.form.get()))
        QTest::mouseClick(knopf, Qt::LeftButton);
}

void ZufallsSitzung::textStatt()
{
    notiere(QStringLiteral("text instead of fields tool button"));
    werkzeug(m_f, ::Aktion::TextAnstelleFlaechen);
}

void ZufallsSitzung::bandVerstecken()
{
    notiere(QStringLiteral("F8 (hide band)"));
    taste(Qt::Key_F8);
}

void ZufallsSitzung::hintergrund()
{
    const int index = zahl(0, 3);
    notiere(QStringLiteral("background item %1").arg(index));
    waehleEintrag(m_f.w().ComboBox2, index);
}

void ZufallsSitzung::speichern()
{
    const QString pfad = m_dateien[zahl(0, 2)];
    const bool unter = muenze();
    m_modale.jaAntworten = muenze();
    m_dialoge->antwort = pfad;
    notiere(QStringLiteral("%1 %2, questions answered %3")
                .arg(unter ? QStringLiteral("save as") : QStringLiteral("Ctrl+S"), pfad,
                     m_modale.jaAntworten ? QStringLiteral("Yes") : QStringLiteral("No")));
    if (unter)
        m_f.form->aktion("dateiSpeichernUnter")->trigger();
    else
        taste(Qt::Key_S, Qt::ControlModifier);
    m_dialoge->antwort.reset();
}

void ZufallsSitzung::oeffnen()
{
    const QStringList dateien = m_gespeichert.keys();
    if (dateien.isEmpty()) {
        speichern();
        return;
    }
    const QString pfad = dateien[zahl(0, static_cast<int>(dateien.size()) - 1)];
    m_modale.jaAntworten = muenze();
    m_dialoge->antwort = pfad;
    m_haelftenNeu = true;
    notiere(QStringLiteral("Ctrl+O %1, questions answered %2")
                .arg(pfad, m_modale.jaAntworten ? QStringLiteral("Yes") : QStringLiteral("No")));
    taste(Qt::Key_O, Qt::ControlModifier);
    m_dialoge->antwort.reset();
}

void ZufallsSitzung::alleKopieren()
{
    QGuiApplication::clipboard()->clear();
    const Ansicht vorher = ansichtVon(*m_f.form);
    notiere(QStringLiteral("Alt+C (copy all values)"));
    taste(Qt::Key_C, Qt::AltModifier);
    const QString text = QGuiApplication::clipboard()->text();
    if (text.isEmpty())
        m_extraFehler << QStringLiteral("copying all values left the clipboard empty");
    for (const QString& d : unterschiede(vorher, ansichtVon(*m_f.form)))
        m_extraFehler << QStringLiteral("copying all values changed the display: ") + d;
}

void ZufallsSitzung::werteTextKlick()
{
    const auto texte = m_f.w().werteTexte();
    StaticText* text = texte[static_cast<std::size_t>(zahl(0, 31))];
    notiere(QStringLiteral("click value text %1").arg(text->objectName()));
    if (text->isVisibleTo(m_f.form.get()))
        QTest::mouseClick(text, Qt::LeftButton);
}

void ZufallsSitzung::groesse()
{
    const QSize ziel(zahl(820, 1400), zahl(620, 1000));
    notiere(QStringLiteral("resize to %1 x %2").arg(ziel.width()).arg(ziel.height()));
    m_f.form->resize(ziel);
    if (!QTest::qWaitFor([&] { return m_f.form->size() == ziel; }))
        m_extraFehler << QStringLiteral("the window did not take the size %1 x %2")
                             .arg(ziel.width())
                             .arg(ziel.height());
}

// A fixed half the user is not editing keeps showing its combination; a click
// that swaps the halves repaints neither, so the clicked half, now edited,
// shows what it showed before.
QStringList ZufallsSitzung::festeHaelftePruefen(const Ansicht& vorher, bool fixiertVorher, bool linksVorher)
{
    const MainState& s = m_f.s();
    if (!fixiertVorher || !s.fixiert || m_haelftenNeu)
        return {};
    QList<Haelfte> gleich{s.fixLinksAktiv ? Haelfte::rechts : Haelfte::links};
    if (s.fixLinksAktiv != linksVorher)
        gleich << (s.fixLinksAktiv ? Haelfte::links : Haelfte::rechts);
    QStringList fehler;
    for (Haelfte h : gleich) {
        const Ansicht jetzt = haelfteVon(*m_f.form, h);
        Ansicht damals;
        for (auto it = jetzt.cbegin(); it != jetzt.cend(); ++it)
            damals.insert(it.key(), vorher.value(it.key(), QStringLiteral("(none)")));
        for (const QString& d : unterschiede(damals, jetzt))
            fehler << QStringLiteral("the %1 half changed: ")
                              .arg(h == Haelfte::links ? QStringLiteral("left") : QStringLiteral("right")) +
                          d;
    }
    return fehler;
}

// One action drawn by its weight.
ZufallsSitzung::Aktion ZufallsSitzung::ziehen()
{
    struct Gewicht {
        Aktion aktion;
        int gewicht;
    };
    static constexpr std::array<Gewicht, 24> aktionen{{
        {&ZufallsSitzung::bandKlick, 10},       {&ZufallsSitzung::bandZiehen, 8},
        {&ZufallsSitzung::hdZiehen, 12},        {&ZufallsSitzung::modusWechseln, 7},
        {&ZufallsSitzung::bandTyp, 2},          {&ZufallsSitzung::stufen, 4},
        {&ZufallsSitzung::winkelRegler, 6},     {&ZufallsSitzung::winkelTyp, 3},
        {&ZufallsSitzung::fixieren, 4},         {&ZufallsSitzung::feldKlick, 14},
        {&ZufallsSitzung::anzeigeKlick, 4},     {&ZufallsSitzung::separat, 3},
        {&ZufallsSitzung::radioKlick, 4},       {&ZufallsSitzung::textStatt, 2},
        {&ZufallsSitzung::bandVerstecken, 2},   {&ZufallsSitzung::hintergrund, 2},
        {&ZufallsSitzung::speichern, 3},        {&ZufallsSitzung::oeffnen, 3},
        {&ZufallsSitzung::alleKopieren, 2},     {&ZufallsSitzung::werteTextKlick, 2},
        {&ZufallsSitzung::groesse, 2},          {&ZufallsSitzung::rueckgaengig, 8},
        {&ZufallsSitzung::wiederherstellen, 5}, {&ZufallsSitzung::verlaufKlick, 2},
    }};
    int summe = 0;
    for (const Gewicht& g : aktionen)
        summe += g.gewicht;
    int wurf = zahl(0, summe - 1);
    for (const Gewicht& g : aktionen) {
        if (wurf < g.gewicht)
            return g.aktion;
        wurf -= g.gewicht;
    }
    return aktionen[0].aktion;
}

QStringList ZufallsSitzung::dateienPruefen(const Ansicht& vorher, const DateiStand& dateienVorher,
                                           bool geoeffnet)
{
    // A file written in this step keeps the display the user saw when saving.
    const DateiStand dateienNachher = dateiStand(m_dateien);
    for (auto it = dateienNachher.cbegin(); it != dateienNachher.cend(); ++it)
        if (dateienVorher.value(it.key()) != it.value())
            m_gespeichert.insert(it.key(), vorher);
    QStringList fehler;
    const QString titel = m_f.form->windowTitle();
    if (geoeffnet && m_gespeichert.contains(titel))
        for (const QString& d : unterschiede(m_gespeichert.value(titel), ansichtVon(*m_f.form)))
            fehler << QStringLiteral("reopened file shows another display: ") + d;
    return fehler;
}

void ZufallsSitzung::rueckgaengig()
{
    const QUndoStack& verlauf = m_f.form->dokument().verlauf();
    notiere(QStringLiteral("undo"));
    m_haelftenNeu = true; // a step may give either half back
    if (verlauf.canUndo())
        m_verlaufZiel = verlauf.index() - 1;
    taste(Qt::Key_Z, Qt::ControlModifier);
}

void ZufallsSitzung::wiederherstellen()
{
    const QUndoStack& verlauf = m_f.form->dokument().verlauf();
    const bool y = muenze();
    notiere(y ? QStringLiteral("redo (Ctrl+Y)") : QStringLiteral("redo (Ctrl+Shift+Z)"));
    m_haelftenNeu = true;
    if (verlauf.canRedo())
        m_verlaufZiel = verlauf.index() + 1;
    taste(y ? Qt::Key_Y : Qt::Key_Z, y ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier);
}

// A click on a row of the history window goes to that step's state.
void ZufallsSitzung::verlaufKlick()
{
    m_f.form->aktion("verlauf")->trigger();
    auto* liste = m_f.form->verlaufAktionen().fenster()->findChild<QAbstractItemView*>();
    const int zeile = zahl(0, liste->model()->rowCount() - 1);
    notiere(QStringLiteral("history row %1").arg(zeile));
    m_haelftenNeu = true;
    m_verlaufZiel = zeile;
    const QRect r = liste->visualRect(liste->model()->index(zeile, 0));
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, r.center());
    m_f.form->verlaufAktionen().fenster()->hide();
}

void ZufallsSitzung::verlaufMerken(int indexVorher, bool gewendet)
{
    ColourDocument& d = m_f.form->dokument();
    d.schrittAbschliessen();
    const QUndoStack& verlauf = d.verlauf();
    // An opened file starts anew; a new step drops the steps that could be redone.
    if (verlauf.count() < m_schritte || verlauf.count() == 0)
        m_ansichten.clear();
    m_schritte = verlauf.count();
    // One action may make several steps (two key presses): the ones above where it
    // began are new, and only the last was seen.
    const int neuAb = gewendet || verlauf.index() == indexVorher ? verlauf.count() : indexVorher;
    for (auto it = m_ansichten.begin(); it != m_ansichten.end();)
        it = it.key() > neuAb ? m_ansichten.erase(it) : std::next(it);
    m_ansichten.insert(verlauf.index(), ansichtVon(*m_f.form));
}

QStringList ZufallsSitzung::verlaufPruefen()
{
    QStringList fehler;
    if (!m_verlaufZiel)
        return fehler;
    const int ziel = *m_verlaufZiel;
    m_verlaufZiel.reset();
    if (m_f.form->dokument().verlauf().index() != ziel)
        fehler << QStringLiteral("the history is at %1, not at %2")
                      .arg(m_f.form->dokument().verlauf().index())
                      .arg(ziel);
    else if (m_ansichten.contains(ziel))
        for (const QString& d : unterschiede(m_ansichten.value(ziel), ansichtVon(*m_f.form)))
            fehler << QStringLiteral("step %1 shows another display: ").arg(ziel) + d;
    return fehler;
}

QStringList ZufallsSitzung::schritt()
{
    const Aktion aktion = ziehen();
    const Ansicht vorher = ansichtVon(*m_f.form);
    const bool fixiertVorher = m_f.s().fixiert;
    const bool linksVorher = m_f.s().fixLinksAktiv;
    const DateiStand dateienVorher = dateiStand(m_dateien);
    const int indexVorher = m_f.form->dokument().verlauf().index();
    m_haelftenNeu = false;
    m_extraFehler.clear();
    m_modale.unerwartet.clear();

    (this->*aktion)();

    QStringList fehler = m_extraFehler;
    for (const QString& m : std::as_const(m_modale.unerwartet))
        fehler << QStringLiteral("unexpected window: ") + m;
    fehler << dateienPruefen(vorher, dateienVorher, aktion == &ZufallsSitzung::oeffnen);
    fehler << festeHaelftePruefen(vorher, fixiertVorher, linksVorher);
    fehler << invariantenPruefen(*m_f.form);
    const bool gewendet = m_verlaufZiel.has_value();
    fehler << verlaufPruefen();
    // TINCTORA_SOAK_PIXELS=0 leaves the pictures out (the other checks stay).
    if (qgetenv("TINCTORA_SOAK_PIXELS") != "0")
        fehler << m_gleich.vergleichen(*m_f.form);
    verlaufMerken(indexVorher, gewendet);
    return fehler;
}
