#include "ui/display/FieldSelection.h"

#include "core/documents/SettingsApply.h"
#include "core/language/LanguageTable.h"
#include "ui/display/DisplayHost.h"
#include "ui/display/DisplayParts.h"
#include "ui/display/FieldDisplay.h"
#include "ui/display/HalfSwap.h"
#include "ui/display/LightDarkField.h"
#include "ui/language/ActionRegistry.h"
#include "ui/widgets/ColourPanel.h"
#include "ui/widgets/StaticText.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSignalBlocker>

namespace
{

// In field order: big, right, left, centre.
constexpr PerField<Txt> statusTexts{
    {Txt::statusBigSelected, Txt::statusRightSelected, Txt::statusLeftSelected, Txt::statusCentreSelected}};

} // namespace

FieldSelection::FieldSelection(DisplayHost& host, Widgets widgets, DisplayParts& parts)
    : m_host(host), m_w(widgets), m_parts(parts)
{
}

void FieldSelection::connectWidgets()
{
    connectFieldClicks();
    connectRadioButtons();
    connectValueTexts();
}

void FieldSelection::connectFieldClicks()
{
    auto& w = m_w;
    bindClick(w.fields.Anzeige_Normal, [this] { Anzeige_NormalClick(); });
    // Behind the rows the big field exists only when the row display's marker says so.
    bindClick(w.fields.AnzeigeReihen, [this] {
        if (m_w.fields.AnzeigeReihen->marker() != 0)
            Anzeige_NormalClick();
    });
    bindClick(w.fields.KleinRechts, [this] { KleinRechtsClick(); });
    bindClick(w.fields.KleinLinks, [this] { KleinLinksClick(); });
    bindClick(w.fields.KleinMitte, [this] { KleinMitteClick(); });
    // Left of the row's centre stands for small left, right of it for small
    // right; the centre itself selects nothing.
    for (std::size_t n = 1; n <= 7; ++n)
        bindClick(w.fields.R[n], [this] { KleinLinksClick(); });
    bindClick(w.fields.R[8], {});
    for (std::size_t n = 9; n <= 15; ++n)
        bindClick(w.fields.R[n], [this] { KleinRechtsClick(); });
    connectFixedClicks();
}

// The right half shares the single display's handlers; the left half has its own.
void FieldSelection::connectFixedClicks()
{
    auto& w = m_w;
    bindClick(w.fields.FixedRechts, [this] { Anzeige_NormalClick(); });
    bindClick(w.fields.FixedRechtsReihen, [this] { Anzeige_NormalClick(); });
    bindClick(w.fields.FixedKleinRechts, [this] { KleinRechtsClick(); });
    bindClick(w.fields.FixedKleinLinks, [this] { KleinLinksClick(); });
    bindClick(w.fields.FixedKleinMitte, [this] { KleinMitteClick(); });
    bindClick(w.fields.FixedLinks, [this] { FixedLinksClick(); });
    bindClick(w.fields.FixedLinksReihen, [this] { FixedLinksClick(); });
    bindClick(w.fields.FixedLinksKleinRechts, [this] { FixedLinksKleinRechtsClick(); });
    bindClick(w.fields.FixedLinksKleinLinks, [this] { FixedLinksKleinLinksClick(); });
    bindClick(w.fields.FixedLinksKleinMitte, [this] { FixedLinksKleinMitteClick(); });
    for (std::size_t n = 1; n <= 7; ++n) {
        bindClick(w.fields.RRe[n], [this] { KleinLinksClick(); });
        bindClick(w.fields.RLi[n], [this] { FixedLinksKleinLinksClick(); });
    }
    bindClick(w.fields.RRe[8], {});
    bindClick(w.fields.RLi[8], {});
    for (std::size_t n = 9; n <= 15; ++n) {
        bindClick(w.fields.RRe[n], [this] { KleinRechtsClick(); });
        bindClick(w.fields.RLi[n], [this] { FixedLinksKleinRechtsClick(); });
    }
}

void FieldSelection::triggerClick(const QWidget* field)
{
    const auto it = m_klicks.find(field);
    if (it != m_klicks.end() && it->second) {
        const ColourDocument::Operation choice(m_host.colourDocument(), StepKind::fieldSelection);
        it->second();
    }
}

void FieldSelection::bindClick(QWidget* field, std::function<void()> handler)
{
    // A field that selects takes the keyboard's focus; Space or Enter there is its click.
    if (handler)
        field->setFocusPolicy(Qt::StrongFocus);
    m_klicks[field] = std::move(handler);
    field->installEventFilter(this);
}

void FieldSelection::connectRadioButtons()
{
    auto& w = m_w;
    const std::pair<QRadioButton*, void (FieldSelection::*)()> knoepfe[] = {
        {w.choice.RadioButton1, &FieldSelection::RadioButton1Click},
        {w.choice.RadioButton2, &FieldSelection::RadioButton2Click},
        {w.choice.RadioButton3, &FieldSelection::RadioButton3Click},
        {w.choice.RadioButton4, &FieldSelection::RadioButton4Click},
    };
    for (const auto& [button, handler] : knoepfe) {
        // Becoming checked runs the handler, whether the user or the program checks it.
        connect(button, &QRadioButton::toggled, this, [this, handler](bool an) {
            const ColourDocument::Operation teilnahme(m_host.colourDocument(), StepKind::separateAdjustment);
            if (an)
                (this->*handler)();
        });
        // A click on the checked button leaves it checked, as radio buttons do;
        // these are not auto-exclusive, so Qt would uncheck it. A button its own
        // handler unchecked again (a field the mode lacks) stays unchecked.
        connect(button, &QRadioButton::pressed, this, [this, button] { m_radioWarAn = button->isChecked(); });
        connect(button, &QRadioButton::clicked, this, [this, button](bool an) {
            if (!an && m_radioWarAn) {
                const QSignalBlocker sperre(button);
                button->setChecked(true);
            }
        });
    }
}

void FieldSelection::connectValueTexts()
{
    auto& w = m_w;
    for (StaticText* text : w.values.valueTexts()) {
        connect(text, &StaticText::pressed, this, [this, text] { StaticTextMouseDown(text); });
        text->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(text, &QWidget::customContextMenuRequested, this,
                [this, text](const QPoint& p) { m_w.furniture.PopupMenu1a->popup(text->mapToGlobal(p)); });
    }
    connect(w.furniture.Kopieren1a, &QAction::triggered, this, &FieldSelection::Kopieren1aExecute);
    if (QAction* copyToClipboard = m_host.actionItem("Action1")) {
        connect(copyToClipboard, &QAction::triggered, this, &FieldSelection::Kopieren1aExecute);
        copyToClipboard->setEnabled(true);
    }
}

void FieldSelection::enableChoice(bool enabled)
{
    for (const Field f : allFields)
        radioButton(f)->setEnabled(enabled);
}

void FieldSelection::checkChoice(Field field)
{
    radioButton(field)->setChecked(true);
    for (const Field f : allFields)
        if (f != field)
            radioButton(f)->setChecked(false);
}

// Switched off, the buttons keep their marks greyed, as switching off leaves them.
void FieldSelection::showChoice()
{
    const MainState& s = m_host.state();
    for (const Field f : allFields) {
        QRadioButton* button = radioButton(f);
        {
            const QSignalBlocker still(button);
            button->setChecked(s.separateChoice == f);
        }
        button->setEnabled(s.separatModus);
    }
}

void FieldSelection::watchBackgrounds(const std::vector<QWidget*>& panels)
{
    for (QWidget* panel : panels) {
        m_hintergruende[panel] = true;
        panel->installEventFilter(this);
    }
}

bool FieldSelection::eventFilter(QObject* watched, QEvent* event)
{
    if (m_klicks.contains(watched))
        return fieldClick(static_cast<QWidget*>(watched), event);
    if (m_hintergruende.contains(watched))
        return backgroundPress(static_cast<QWidget*>(watched), event);
    return QObject::eventFilter(watched, event);
}

// Left button down and up on the same field is a click.
bool FieldSelection::fieldClick(QWidget* field, QEvent* event)
{
    const QEvent::Type typ = event->type();
    if (typ == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        triggerClick(field);
        return true;
    }
    if (typ != QEvent::MouseButtonPress && typ != QEvent::MouseButtonDblClick &&
        typ != QEvent::MouseButtonRelease)
        return false;
    const auto* mouseInput = static_cast<QMouseEvent*>(event);
    if (mouseInput->button() != Qt::LeftButton)
        return false;
    if (typ != QEvent::MouseButtonRelease) {
        m_gedrueckt = field;
        return true;
    }
    const bool geklickt = m_gedrueckt == field && field->rect().contains(mouseInput->position().toPoint());
    m_gedrueckt = nullptr;
    if (geklickt) {
        const auto& handler = m_klicks[field];
        if (handler)
            handler();
    }
    return true;
}

bool FieldSelection::backgroundPress(QWidget* panel, QEvent* event)
{
    if (event->type() != QEvent::MouseButtonPress)
        return false;
    const auto* mouseInput = static_cast<QMouseEvent*>(event);
    // A press that a child ignored travels up to its panel; only a press on
    // the panel's own background counts.
    if (panel->childAt(mouseInput->position().toPoint()) == nullptr)
        FormMouseDown();
    return false;
}

// --- selection operations ---

void FieldSelection::Anzeige_NormalClick2()
{
    choose(Field::big);
}

void FieldSelection::pick(Field field)
{
    choose(field);
}

void FieldSelection::selectInTurn(const std::vector<Field>& fields, Field last)
{
    {
        const auto holdColour = m_parts.lightDark->holdColour();
        for (const Field f : fields)
            choose(f);
    }
    choose(last);
}

void FieldSelection::KleinRechtsClick2()
{
    choose(Field::right);
}

void FieldSelection::KleinLinksClick2()
{
    choose(Field::left);
}

void FieldSelection::KleinMitteClick2()
{
    choose(Field::centre);
}

void FieldSelection::choose(Field field)
{
    m_host.resetStaticText();
    writeStatusText(field);
    m_host.colourDocument().chooseField(field);
    if (m_host.state().separatModus)
        showChoice();
}

void FieldSelection::showSelection()
{
    writeStatusText(m_host.state().lightDarkTarget);
}

// --- click handlers of the panels ---

// Colour rows have no big field behind them: a click there does nothing at all.
void FieldSelection::Anzeige_NormalClick()
{
    const MainState& s = m_host.state();
    const bool grossDa =
        s.fixiert ? m_w.fields.FixedRechtsReihen->marker() != 0 : s.harmonyMode() != HarmonyMode::colourRows;
    if (!grossDa)
        return;
    m_parts.halves->fixiertAuslesenAlle();
    Anzeige_NormalClick2();
}

void FieldSelection::editHalf(bool left)
{
    const ColourPanel* backgroundColour = left ? m_w.fields.FixedLinksReihen : m_w.fields.FixedRechtsReihen;
    const bool grossDa = backgroundColour->marker() != 0;
    if (left)
        m_parts.halves->fixiertAuslesenAlleLi();
    else
        m_parts.halves->fixiertAuslesenAlle();
    if (grossDa)
        Anzeige_NormalClick2();
}

void FieldSelection::KleinRechtsClick()
{
    m_parts.halves->fixiertAuslesenAlle();
    KleinRechtsClick2();
}

void FieldSelection::KleinLinksClick()
{
    m_parts.halves->fixiertAuslesenAlle();
    KleinLinksClick2();
}

void FieldSelection::KleinMitteClick()
{
    m_parts.halves->fixiertAuslesenAlle();
    KleinMitteClick2();
}

void FieldSelection::FixedLinksClick()
{
    if (m_w.fields.FixedLinksReihen->marker() == 0)
        return;
    m_parts.halves->fixiertAuslesenAlleLi();
    Anzeige_NormalClick2();
}

void FieldSelection::FixedLinksKleinRechtsClick()
{
    m_parts.halves->fixiertAuslesenAlleLi();
    KleinRechtsClick2();
}

void FieldSelection::FixedLinksKleinLinksClick()
{
    m_parts.halves->fixiertAuslesenAlleLi();
    KleinLinksClick2();
}

void FieldSelection::FixedLinksKleinMitteClick()
{
    m_parts.halves->fixiertAuslesenAlleLi();
    KleinMitteClick2();
}

// --- radio buttons of separate adjustment ---

void FieldSelection::RadioButton1Click()
{
    takePart(Field::big);
}

void FieldSelection::RadioButton2Click()
{
    takePart(Field::left);
}

void FieldSelection::RadioButton3Click()
{
    takePart(Field::centre);
}

void FieldSelection::RadioButton4Click()
{
    takePart(Field::right);
}

// Runs once a radio button became checked, or when the field taking part takes part again.
void FieldSelection::takePart(Field field)
{
    const MainState& s = m_host.state();
    QRadioButton* button = radioButton(field);
    m_host.resetStaticText();
    writeStatusText(field);
    if (!s.separatModus) {
        button->setEnabled(false);
        return;
    }
    // Fields the mode does not have cannot be chosen.
    if (!modeHasField(s.harmonyMode(), field)) {
        button->setChecked(false);
        return;
    }
    m_host.colourDocument().chooseTakingPart(field);
    showChoice();
}

// --- value texts ---

void FieldSelection::StaticTextMouseDown(StaticText* text)
{
    m_host.resetStaticText();
    QAction* copyToClipboard = m_w.furniture.Kopieren1a;
    const QString value = text->text();
    if (value.isEmpty() || value == QStringLiteral("-")) {
        copyToClipboard->setEnabled(false);
        return;
    }
    const QPalette& palette = m_host.mainWindow().palette();
    text->setColours(palette.color(QPalette::Highlight), palette.color(QPalette::HighlightedText));
    m_kopierWert = value;
    copyToClipboard->setEnabled(true);
}

void FieldSelection::Kopieren1aExecute()
{
    // Nothing picked yet: the clipboard keeps what it has.
    if (m_kopierWert.isEmpty())
        return;
    QGuiApplication::clipboard()->setText(m_kopierWert);
}

void FieldSelection::FormMouseDown()
{
    m_host.resetStaticText();
}

// --- helpers ---

void FieldSelection::writeStatusText(Field field)
{
    QLabel* panel = m_w.furniture.statusPanel1;
    const QString& text = m_host.uiLanguage().text(statusTexts[field]);
    if (panel->text() != text)
        panel->setText(text);
}

QRadioButton* FieldSelection::radioButton(Field field) const
{
    const auto& w = m_w;
    const PerField<QRadioButton*> knoepfe{
        {w.choice.RadioButton1, w.choice.RadioButton4, w.choice.RadioButton2, w.choice.RadioButton3}};
    return knoepfe[field];
}
