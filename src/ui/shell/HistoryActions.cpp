#include "ui/shell/HistoryActions.h"

#include "core/language/LanguageTable.h"
#include "ui/display/DisplayHost.h"
#include "ui/language/ActionRegistry.h"

#include <QAction>
#include <QUndoView>
#include <QVBoxLayout>
#include <QWidget>

#include <array>
#include <utility>

HistoryActions::HistoryActions(DisplayHost& host) : m_host(host) {}

HistoryActions::~HistoryActions()
{
    delete m_fenster;
}

void HistoryActions::connectActions()
{
    ColourDocument& d = m_host.colourDocument();
    QUndoStack& history = d.history();
    const ActionRegistry& reg = m_host.actions();
    QAction& undo = reg.action(ActionId::undo);
    QAction& redo = reg.action(ActionId::restoreStep);
    QAction& present = reg.action(ActionId::history);
    // A change still waiting to become a step becomes one first.
    connect(&undo, &QAction::triggered, this, [&d, &history] {
        d.finishStep();
        history.undo();
    });
    connect(&redo, &QAction::triggered, this, [&d, &history] {
        d.finishStep();
        history.redo();
    });
    connect(&present, &QAction::triggered, this, [this] { showHistory(); });
    connect(&history, &QUndoStack::canUndoChanged, &undo, &QAction::setEnabled);
    connect(&history, &QUndoStack::canRedoChanged, &redo, &QAction::setEnabled);
    connect(&history, &QUndoStack::undoTextChanged, this, [this] { setTexts(); });
    connect(&history, &QUndoStack::redoTextChanged, this, [this] { setTexts(); });
    // Back at the saved step nothing is to be saved; away from it, something is.
    connect(&history, &QUndoStack::cleanChanged, this,
            [this](bool sauber) { m_host.actions().action(ActionId::dateiSpeichern).setEnabled(!sauber); });
    d.setStepNames([this](StepKind variety) { return stepKindName(variety); });
    undo.setEnabled(history.canUndo());
    redo.setEnabled(history.canRedo());
    present.setEnabled(true);
}

// The entries and their hints name the step they would take back or bring again.
void HistoryActions::setTexts()
{
    const LanguageTable& t = m_host.uiLanguage();
    const QUndoStack& history = m_host.colourDocument().history();
    QAction& undo = m_host.actions().action(ActionId::undo);
    QAction& redo = m_host.actions().action(ActionId::restoreStep);
    undo.setText(history.canUndo() ? t.text(Txt::undoStepText).arg(history.undoText()) : t.text(Txt::undo));
    redo.setText(history.canRedo() ? t.text(Txt::redoStep).arg(history.redoText()) : t.text(Txt::redo));
    undo.setStatusTip(history.canUndo() ? t.text(Txt::undoStatus).arg(history.undoText())
                                        : t.text(Txt::undoHint));
    redo.setStatusTip(history.canRedo() ? t.text(Txt::redoStatus).arg(history.redoText())
                                        : t.text(Txt::redoHint));
    undo.setToolTip(undo.statusTip());
    redo.setToolTip(redo.statusTip());
}

QString HistoryActions::stepKindName(StepKind variety) const
{
    static constexpr std::array<std::pair<StepKind, Txt>, 14> names{{
        {StepKind::harmonyType, Txt::stepHarmonyType},
        {StepKind::bandType, Txt::stepBandType},
        {StepKind::bandPosition, Txt::stepBandPosition},
        {StepKind::lightDark, Txt::stepLightDark},
        {StepKind::angle, Txt::stepAngle},
        {StepKind::angleType, Txt::stepAngleType},
        {StepKind::fieldCount, Txt::stepFieldCount},
        {StepKind::fieldSelection, Txt::stepFieldSelection},
        {StepKind::fixing, Txt::stepFixing},
        {StepKind::separateAdjustment, Txt::stepSeparateAdjustment},
        {StepKind::view, Txt::stepView},
        {StepKind::colourInput, Txt::stepColourInput},
        {StepKind::webSafeColours, Txt::stepWebSafeColours},
        {StepKind::colours, Txt::stepColours},
    }};
    for (const auto& [kind, text] : names)
        if (kind == variety)
            return m_host.uiLanguage().text(text);
    return m_host.uiLanguage().text(Txt::stepColours);
}

void HistoryActions::showHistory()
{
    if (!m_fenster) {
        const LanguageTable& t = m_host.uiLanguage();
        m_fenster = new QWidget(&m_host.mainWindow(), Qt::Tool);
        m_fenster->setObjectName(QStringLiteral("Verlauf"));
        m_fenster->setWindowTitle(t.text(Txt::historyTitle));
        auto* viewOptions = new QUndoView(&m_host.colourDocument().history(), m_fenster);
        viewOptions->setObjectName(QStringLiteral("VerlaufListe"));
        viewOptions->setEmptyLabel(t.text(Txt::historyStart));
        auto* layout = new QVBoxLayout(m_fenster);
        layout->setContentsMargins(4, 4, 4, 4);
        layout->addWidget(viewOptions);
        m_fenster->resize(260, 360);
    }
    m_fenster->show();
    m_fenster->raise();
    m_fenster->activateWindow();
}
