#include "ui/soak/RandomSession.h"

#include "ui/shell/HistoryActions.h"

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
#include <QTextEdit>

#include <sys/stat.h>

#include <array>
#include <utility>

// Answers the next open or save dialog with the path the session chose.
class SitzungsDialoge : public FileDialogs
{
public:
    std::optional<QString> tryOpen(QWidget*, const QString&) override { return std::exchange(answer, {}); }
    std::optional<QString> chooseSaveFile(QWidget*, const QString&, const QString&) override
    {
        return std::exchange(answer, {});
    }
    std::optional<SaveTarget> chooseSaveFileWithFilter(QWidget*, const QString&, const QString&,
                                                       QWidget*) override
    {
        const std::optional<QString> pathName = std::exchange(answer, {});
        return pathName ? std::optional<SaveTarget>(SaveTarget{*pathName, {}}) : std::nullopt;
    }
    std::optional<QString> answer;
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
    m_f.form->fileItem().setDialogs(std::move(d));
}

ZufallsSitzung::~ZufallsSitzung() = default;

int ZufallsSitzung::numeral(int von, int bis)
{
    return std::uniform_int_distribution<int>(von, bis)(m_zufall);
}

QPoint ZufallsSitzung::punktIn(const QWidget* w)
{
    return {numeral(0, std::max(0, w->width() - 1)), numeral(0, std::max(0, w->height() - 1))};
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
void ZufallsSitzung::klickDurchFenster(QWidget* target, QPoint p)
{
    QWidget* form = m_f.form.get();
    const QPoint imFenster = target->mapTo(form, p);
    QWidget* getroffen = form->childAt(imFenster);
    if (!getroffen)
        getroffen = form;
    const QPoint lokal = getroffen->mapFrom(form, imFenster);
    notiere(QStringLiteral("click %1 at (%2, %3) -> %4")
                .arg(target->objectName())
                .arg(p.x())
                .arg(p.y())
                .arg(getroffen->objectName().isEmpty()
                         ? QString::fromLatin1(getroffen->metaObject()->className())
                         : getroffen->objectName()));
    klick(getroffen, lokal);
}

void ZufallsSitzung::bandClick()
{
    PictureBox* band =
        m_f.w().band.Image2->isVisibleTo(m_f.form.get()) ? m_f.w().band.Image2 : m_f.w().band.Image1;
    const QPoint p(numeral(0, band->width() - 1), numeral(0, band->height() - 1));
    notiere(QStringLiteral("band click at %1").arg(p.x()));
    klick(band, p);
}

// A key as a keyboard user presses it: Tab onwards or back, or a key the
// control with the focus works by (band, field, light/dark field, boxes).
void ZufallsSitzung::keyOnFocus()
{
    static constexpr std::array<Qt::Key, 12> keys{
        Qt::Key_Tab,    Qt::Key_Backtab,  Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,    Qt::Key_Down,
        Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End,   Qt::Key_Space, Qt::Key_Return};
    const Qt::Key key = keys[static_cast<std::size_t>(numeral(0, static_cast<int>(keys.size()) - 1))];
    const Qt::KeyboardModifiers mods = numeral(0, 4) == 0 ? Qt::ControlModifier : Qt::NoModifier;
    aktivieren();
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != m_f.form.get())
        target = m_f.form.get();
    // Typing into the text views is text, not a gesture the other window could repeat;
    // Space and Enter would open a box's list, which the session's clicks do not reach,
    // or the intermediate values' window, which the session does not expect.
    const bool opens = qobject_cast<QComboBox*>(target) || qobject_cast<QPushButton*>(target);
    if (qobject_cast<QTextEdit*>(target) || (opens && (key == Qt::Key_Space || key == Qt::Key_Return))) {
        notiere(QStringLiteral("key skipped on %1").arg(target->objectName()));
        return;
    }
    notiere(QStringLiteral("key %1%2 on %3")
                .arg(mods ? QStringLiteral("Ctrl+") : QString(), QKeySequence(key).toString(),
                     target->objectName()));
    QTest::keyClick(target, key, mods);
}

void ZufallsSitzung::bandZiehen()
{
    PictureBox* band =
        m_f.w().band.Image2->isVisibleTo(m_f.form.get()) ? m_f.w().band.Image2 : m_f.w().band.Image1;
    QString weg = QString::number(numeral(0, band->width() - 1));
    QPoint p(weg.toInt(), numeral(0, band->height() - 1));
    drueck(band, p);
    for (int n = numeral(1, 5); n > 0; --n) {
        p = {numeral(-60, band->width() + 60), numeral(-20, band->height() + 20)};
        weg += QStringLiteral(" > %1").arg(p.x());
        zieh(band, p);
    }
    loslass(band, p);
    notiere(QStringLiteral("band drag %1").arg(weg));
}

void ZufallsSitzung::hdZiehen()
{
    PictureBox* field = m_f.w().lightDark.PaintBox3;
    QPoint p = punktIn(field);
    QString weg = QStringLiteral("(%1, %2)").arg(p.x()).arg(p.y());
    drueck(field, p);
    for (int n = numeral(0, 4); n > 0; --n) {
        p = {numeral(-40, field->width() + 40), numeral(-40, field->height() + 40)};
        weg += QStringLiteral(" > (%1, %2)").arg(p.x()).arg(p.y());
        zieh(field, p);
    }
    loslass(field, p);
    notiere(QStringLiteral("light/dark drag %1").arg(weg));
}

void ZufallsSitzung::switchHarmonyMode()
{
    static constexpr std::array<std::pair<Qt::Key, ::ActionId>, 5> modi{
        {{Qt::Key_F2, ::ActionId::zweierHarmonien},
         {Qt::Key_F3, ::ActionId::dreierHarmonien},
         {Qt::Key_F4, ::ActionId::viererHarmonien},
         {Qt::Key_F5, ::ActionId::auffaecherungen},
         {Qt::Key_F6, ::ActionId::farbreihen}}};
    const auto [key, actionItem] = modi[static_cast<std::size_t>(numeral(0, 4))];
    if (muenze()) {
        notiere(QStringLiteral("mode key F%1").arg(key - Qt::Key_F1 + 1));
        taste(key);
    } else {
        notiere(QStringLiteral("mode tool button F%1").arg(key - Qt::Key_F1 + 1));
        werkzeug(m_f, actionItem);
    }
}

void ZufallsSitzung::bandTyp()
{
    const bool luminoes = muenze();
    notiere(luminoes ? QStringLiteral("luminous band") : QStringLiteral("realistic band"));
    werkzeug(m_f, luminoes ? ::ActionId::luminoes : ::ActionId::realistisch);
}

void ZufallsSitzung::stepCount()
{
    const int index = numeral(0, 6);
    notiere(QStringLiteral("steps list to item %1").arg(index));
    waehleEintrag(m_f.w().rowControls.ComboBox1, index);
}

void ZufallsSitzung::winkelRegler()
{
    static constexpr std::array tasten{Qt::Key_Left,     Qt::Key_Right, Qt::Key_PageUp,
                                       Qt::Key_PageDown, Qt::Key_Home,  Qt::Key_End};
    QSlider* sliders = muenze() ? m_f.w().angle.TrackBar2 : m_f.w().angle.TrackBar3;
    const int n = numeral(1, 3);
    const Qt::Key key = tasten[static_cast<std::size_t>(numeral(0, 5))];
    notiere(
        QStringLiteral("%1: key %2 x%3").arg(sliders->objectName()).arg(static_cast<int>(key), 0, 16).arg(n));
    for (int i = 0; i < n; ++i)
        QTest::keyClick(sliders, key);
}

void ZufallsSitzung::winkelTyp()
{
    const int index = numeral(0, 1);
    notiere(QStringLiteral("angle type item %1").arg(index));
    waehleEintrag(m_f.w().angle.ComboBox3, index);
}

void ZufallsSitzung::fixieren()
{
    notiere(QStringLiteral("fix tool button"));
    m_haelftenNeu = true;
    werkzeug(m_f, ::ActionId::fixieren);
}

void ZufallsSitzung::fieldClick()
{
    std::vector<QWidget*> fields;
    for (QWidget* field : m_f.w().fields.clickableFields())
        if (field->isVisibleTo(m_f.form.get()))
            fields.push_back(field);
    if (fields.empty()) {
        notiere(QStringLiteral("field click: no field visible"));
        return;
    }
    QWidget* field = fields[static_cast<std::size_t>(numeral(0, static_cast<int>(fields.size()) - 1))];
    klickDurchFenster(field, punktIn(field));
}

void ZufallsSitzung::anzeigeKlick()
{
    klickDurchFenster(m_f.w().fields.Anzeige, punktIn(m_f.w().fields.Anzeige));
}

void ZufallsSitzung::separate()
{
    notiere(QStringLiteral("separate adjustment tool button"));
    werkzeug(m_f, ::ActionId::farbenSeparatEinstellen);
}

void ZufallsSitzung::radioKlick()
{
    const MainWidgets& w = m_f.w();
    const std::array<QRadioButton*, 4> knoepfe{w.choice.RadioButton1, w.choice.RadioButton2,
                                               w.choice.RadioButton3, w.choice.RadioButton4};
    QRadioButton* button = knoepfe[static_cast<std::size_t>(numeral(0, 3))];
    notiere(QStringLiteral("click %1").arg(button->objectName()));
    if (button->isVisibleTo(m_f.form.get()))
        QTest::mouseClick(button, Qt::LeftButton);
}

void ZufallsSitzung::textInstead()
{
    notiere(QStringLiteral("text instead of fields tool button"));
    werkzeug(m_f, ::ActionId::TextAnstelleFlaechen);
}

void ZufallsSitzung::bandVerstecken()
{
    notiere(QStringLiteral("F8 (hide band)"));
    taste(Qt::Key_F8);
}

void ZufallsSitzung::backgroundColour()
{
    const int index = numeral(0, 3);
    notiere(QStringLiteral("background item %1").arg(index));
    waehleEintrag(m_f.w().regions.ComboBox2, index);
}

void ZufallsSitzung::chooseSaveFile()
{
    const QString pathName = m_dateien[numeral(0, 2)];
    const bool unter = muenze();
    m_modale.jaAntworten = muenze();
    m_dialoge->answer = pathName;
    notiere(QStringLiteral("%1 %2, questions answered %3")
                .arg(unter ? QStringLiteral("save as") : QStringLiteral("Ctrl+S"), pathName,
                     m_modale.jaAntworten ? QStringLiteral("Yes") : QStringLiteral("No")));
    if (unter)
        m_f.form->actionItem("dateiSpeichernUnter")->trigger();
    else
        taste(Qt::Key_S, Qt::ControlModifier);
    m_dialoge->answer.reset();
}

void ZufallsSitzung::tryOpen()
{
    const QStringList dateien = m_gespeichert.keys();
    if (dateien.isEmpty()) {
        chooseSaveFile();
        return;
    }
    const QString pathName = dateien[numeral(0, static_cast<int>(dateien.size()) - 1)];
    m_modale.jaAntworten = muenze();
    m_dialoge->answer = pathName;
    m_haelftenNeu = true;
    notiere(QStringLiteral("Ctrl+O %1, questions answered %2")
                .arg(pathName, m_modale.jaAntworten ? QStringLiteral("Yes") : QStringLiteral("No")));
    taste(Qt::Key_O, Qt::ControlModifier);
    m_dialoge->answer.reset();
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
    const auto textSet = m_f.w().values.valueTexts();
    StaticText* text = textSet[static_cast<std::size_t>(numeral(0, 31))];
    notiere(QStringLiteral("click value text %1").arg(text->objectName()));
    if (text->isVisibleTo(m_f.form.get()))
        QTest::mouseClick(text, Qt::LeftButton);
}

void ZufallsSitzung::extent()
{
    const QSize target(numeral(820, 1400), numeral(620, 1000));
    notiere(QStringLiteral("resize to %1 x %2").arg(target.width()).arg(target.height()));
    m_f.form->resize(target);
    if (!QTest::qWaitFor([&] { return m_f.form->size() == target; }))
        m_extraFehler << QStringLiteral("the window did not take the size %1 x %2")
                             .arg(target.width())
                             .arg(target.height());
}

// A fixed half the user is not editing keeps showing its combination; a click
// that swaps the halves repaints neither, so the clicked half, now edited,
// shows what it showed before.
QStringList ZufallsSitzung::festeHaelftePruefen(const Ansicht& vorher, bool fixiertVorher, bool linksVorher)
{
    const MainState& s = m_f.s();
    if (!fixiertVorher || !s.fixiert || m_haelftenNeu)
        return {};
    QList<Half> gleich{s.fixLinksAktiv ? Half::right : Half::left};
    if (s.fixLinksAktiv != linksVorher)
        gleich << (s.fixLinksAktiv ? Half::left : Half::right);
    QStringList errorBox;
    for (Half h : gleich) {
        const Ansicht jetzt = haelfteVon(*m_f.form, h);
        Ansicht damals;
        for (auto it = jetzt.cbegin(); it != jetzt.cend(); ++it)
            damals.insert(it.key(), vorher.value(it.key(), QStringLiteral("(none)")));
        for (const QString& d : unterschiede(damals, jetzt))
            errorBox << QStringLiteral("the %1 half changed: ")
                                .arg(h == Half::left ? QStringLiteral("left") : QStringLiteral("right")) +
                            d;
    }
    return errorBox;
}

// One action drawn by its weight.
ZufallsSitzung::ActionId ZufallsSitzung::ziehen()
{
    struct Gewicht {
        ActionId actionItem;
        int gewicht;
    };
    static constexpr std::array<Gewicht, 25> actionSet{{
        {&ZufallsSitzung::keyOnFocus, 8},
        {&ZufallsSitzung::bandClick, 10},
        {&ZufallsSitzung::bandZiehen, 8},
        {&ZufallsSitzung::hdZiehen, 12},
        {&ZufallsSitzung::switchHarmonyMode, 7},
        {&ZufallsSitzung::bandTyp, 2},
        {&ZufallsSitzung::stepCount, 4},
        {&ZufallsSitzung::winkelRegler, 6},
        {&ZufallsSitzung::winkelTyp, 3},
        {&ZufallsSitzung::fixieren, 4},
        {&ZufallsSitzung::fieldClick, 14},
        {&ZufallsSitzung::anzeigeKlick, 4},
        {&ZufallsSitzung::separate, 3},
        {&ZufallsSitzung::radioKlick, 4},
        {&ZufallsSitzung::textInstead, 2},
        {&ZufallsSitzung::bandVerstecken, 2},
        {&ZufallsSitzung::backgroundColour, 2},
        {&ZufallsSitzung::chooseSaveFile, 3},
        {&ZufallsSitzung::tryOpen, 3},
        {&ZufallsSitzung::alleKopieren, 2},
        {&ZufallsSitzung::werteTextKlick, 2},
        {&ZufallsSitzung::extent, 2},
        {&ZufallsSitzung::undo, 8},
        {&ZufallsSitzung::restoreStep, 5},
        {&ZufallsSitzung::verlaufKlick, 2},
    }};
    int summe = 0;
    for (const Gewicht& g : actionSet)
        summe += g.gewicht;
    int wurf = numeral(0, summe - 1);
    for (const Gewicht& g : actionSet) {
        if (wurf < g.gewicht)
            return g.actionItem;
        wurf -= g.gewicht;
    }
    return actionSet[0].actionItem;
}

QStringList ZufallsSitzung::dateienPruefen(const Ansicht& vorher, const DateiStand& dateienVorher,
                                           bool geoeffnet)
{
    // A file written in this step keeps the display the user saw when saving.
    const DateiStand dateienNachher = dateiStand(m_dateien);
    for (auto it = dateienNachher.cbegin(); it != dateienNachher.cend(); ++it)
        if (dateienVorher.value(it.key()) != it.value())
            m_gespeichert.insert(it.key(), vorher);
    QStringList errorBox;
    const QString titleText = m_f.form->windowTitle();
    if (geoeffnet && m_gespeichert.contains(titleText))
        for (const QString& d : unterschiede(m_gespeichert.value(titleText), ansichtVon(*m_f.form)))
            errorBox << QStringLiteral("reopened file shows another display: ") + d;
    return errorBox;
}

void ZufallsSitzung::undo()
{
    const QUndoStack& history = m_f.form->colourDocument().history();
    notiere(QStringLiteral("undo"));
    m_haelftenNeu = true; // a step may give either half back
    if (history.canUndo())
        m_verlaufZiel = history.index() - 1;
    taste(Qt::Key_Z, Qt::ControlModifier);
}

void ZufallsSitzung::restoreStep()
{
    const QUndoStack& history = m_f.form->colourDocument().history();
    const bool y = muenze();
    notiere(y ? QStringLiteral("redo (Ctrl+Y)") : QStringLiteral("redo (Ctrl+Shift+Z)"));
    m_haelftenNeu = true;
    if (history.canRedo())
        m_verlaufZiel = history.index() + 1;
    taste(y ? Qt::Key_Y : Qt::Key_Z, y ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier);
}

// A click on a row of the history window goes to that step's state.
void ZufallsSitzung::verlaufKlick()
{
    m_f.form->actionItem("verlauf")->trigger();
    auto* items = m_f.form->historyActions().topWindow()->findChild<QAbstractItemView*>();
    const int rowLine = numeral(0, items->model()->rowCount() - 1);
    notiere(QStringLiteral("history row %1").arg(rowLine));
    m_haelftenNeu = true;
    m_verlaufZiel = rowLine;
    const QRect r = items->visualRect(items->model()->index(rowLine, 0));
    QTest::mouseClick(items->viewport(), Qt::LeftButton, {}, r.center());
    m_f.form->historyActions().topWindow()->hide();
}

void ZufallsSitzung::verlaufMerken(int indexVorher, bool gewendet)
{
    ColourDocument& d = m_f.form->colourDocument();
    d.finishStep();
    const QUndoStack& history = d.history();
    // An opened file starts anew; a new step drops the steps that could be redone.
    if (history.count() < m_schritte || history.count() == 0)
        m_ansichten.clear();
    m_schritte = history.count();
    // One action may make several steps (two key presses): the ones above where it
    // began are new, and only the last was seen.
    const int neuAb = gewendet || history.index() == indexVorher ? history.count() : indexVorher;
    for (auto it = m_ansichten.begin(); it != m_ansichten.end();)
        it = it.key() > neuAb ? m_ansichten.erase(it) : std::next(it);
    m_ansichten.insert(history.index(), ansichtVon(*m_f.form));
}

QStringList ZufallsSitzung::verlaufPruefen()
{
    QStringList errorBox;
    if (!m_verlaufZiel)
        return errorBox;
    const int target = *m_verlaufZiel;
    m_verlaufZiel.reset();
    if (m_f.form->colourDocument().history().index() != target)
        errorBox << QStringLiteral("the history is at %1, not at %2")
                        .arg(m_f.form->colourDocument().history().index())
                        .arg(target);
    else if (m_ansichten.contains(target))
        for (const QString& d : unterschiede(m_ansichten.value(target), ansichtVon(*m_f.form)))
            errorBox << QStringLiteral("step %1 shows another display: ").arg(target) + d;
    return errorBox;
}

QStringList ZufallsSitzung::step()
{
    const ActionId actionItem = ziehen();
    const Ansicht vorher = ansichtVon(*m_f.form);
    const bool fixiertVorher = m_f.s().fixiert;
    const bool linksVorher = m_f.s().fixLinksAktiv;
    const DateiStand dateienVorher = dateiStand(m_dateien);
    const int indexVorher = m_f.form->colourDocument().history().index();
    m_haelftenNeu = false;
    m_extraFehler.clear();
    m_modale.unerwartet.clear();

    (this->*actionItem)();

    QStringList errorBox = m_extraFehler;
    for (const QString& m : std::as_const(m_modale.unerwartet))
        errorBox << QStringLiteral("unexpected window: ") + m;
    errorBox << dateienPruefen(vorher, dateienVorher, actionItem == &ZufallsSitzung::tryOpen);
    errorBox << festeHaelftePruefen(vorher, fixiertVorher, linksVorher);
    errorBox << invariantenPruefen(*m_f.form);
    const bool gewendet = m_verlaufZiel.has_value();
    errorBox << verlaufPruefen();
    // TINCTORA_SOAK_PIXELS=0 leaves the pictures out (the other checks stay).
    if (qgetenv("TINCTORA_SOAK_PIXELS") != "0")
        errorBox << m_gleich.vergleichen(*m_f.form);
    verlaufMerken(indexVorher, gewendet);
    return errorBox;
}
