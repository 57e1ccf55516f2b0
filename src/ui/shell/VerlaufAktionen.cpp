#include "ui/shell/VerlaufAktionen.h"

#include "core/language/LanguageTable.h"
#include "ui/display/DisplayHost.h"
#include "ui/language/ActionRegistry.h"

#include <QAction>
#include <QUndoView>
#include <QVBoxLayout>
#include <QWidget>

#include <array>
#include <utility>

VerlaufAktionen::VerlaufAktionen(DisplayHost& host) : m_host(host) {}

VerlaufAktionen::~VerlaufAktionen()
{
    delete m_fenster;
}

void VerlaufAktionen::connectActions()
{
    ColourDocument& d = m_host.dokument();
    QUndoStack& verlauf = d.verlauf();
    const ActionRegistry& reg = m_host.actions();
    QAction& undo = reg.action(Aktion::rueckgaengig);
    QAction& redo = reg.action(Aktion::wiederherstellen);
    QAction& zeigen = reg.action(Aktion::verlauf);
    // A change still waiting to become a step becomes one first.
    connect(&undo, &QAction::triggered, this, [&d, &verlauf] {
        d.schrittAbschliessen();
        verlauf.undo();
    });
    connect(&redo, &QAction::triggered, this, [&d, &verlauf] {
        d.schrittAbschliessen();
        verlauf.redo();
    });
    connect(&zeigen, &QAction::triggered, this, [this] { verlaufZeigen(); });
    connect(&verlauf, &QUndoStack::canUndoChanged, &undo, &QAction::setEnabled);
    connect(&verlauf, &QUndoStack::canRedoChanged, &redo, &QAction::setEnabled);
    connect(&verlauf, &QUndoStack::undoTextChanged, this, [this] { texteSetzen(); });
    connect(&verlauf, &QUndoStack::redoTextChanged, this, [this] { texteSetzen(); });
    // Back at the saved step nothing is to be saved; away from it, something is.
    connect(&verlauf, &QUndoStack::cleanChanged, this,
            [this](bool sauber) { m_host.actions().action(Aktion::dateiSpeichern).setEnabled(!sauber); });
    d.setSchrittNamen([this](StepKind art) { return schrittName(art); });
    undo.setEnabled(verlauf.canUndo());
    redo.setEnabled(verlauf.canRedo());
    zeigen.setEnabled(true);
}

// The entries and their hints name the step they would take back or bring again.
void VerlaufAktionen::texteSetzen()
{
    const LanguageTable& t = m_host.sprache();
    const QUndoStack& verlauf = m_host.dokument().verlauf();
    QAction& undo = m_host.actions().action(Aktion::rueckgaengig);
    QAction& redo = m_host.actions().action(Aktion::wiederherstellen);
    undo.setText(verlauf.canUndo() ? t.text(Txt::undoSchritt).arg(verlauf.undoText()) : t.text(Txt::undo));
    redo.setText(verlauf.canRedo() ? t.text(Txt::redoSchritt).arg(verlauf.redoText()) : t.text(Txt::redo));
    undo.setStatusTip(verlauf.canUndo() ? t.text(Txt::undoStatus).arg(verlauf.undoText())
                                        : t.text(Txt::undoHint));
    redo.setStatusTip(verlauf.canRedo() ? t.text(Txt::redoStatus).arg(verlauf.redoText())
                                        : t.text(Txt::redoHint));
    undo.setToolTip(undo.statusTip());
    redo.setToolTip(redo.statusTip());
}

QString VerlaufAktionen::schrittName(StepKind art) const
{
    static constexpr std::array<std::pair<StepKind, Txt>, 14> namen{{
        {StepKind::harmonyType, Txt::schrittModus},
        {StepKind::bandType, Txt::schrittBandTyp},
        {StepKind::bandPosition, Txt::schrittBand},
        {StepKind::lightDark, Txt::schrittHellDunkel},
        {StepKind::angle, Txt::schrittWinkel},
        {StepKind::angleType, Txt::schrittWinkelTyp},
        {StepKind::fieldCount, Txt::schrittStufen},
        {StepKind::fieldSelection, Txt::schrittAuswahl},
        {StepKind::fixing, Txt::schrittFixieren},
        {StepKind::separateAdjustment, Txt::schrittSeparat},
        {StepKind::view, Txt::schrittAnsicht},
        {StepKind::colourInput, Txt::schrittEingabe},
        {StepKind::webSafeColours, Txt::schrittWebsicher},
        {StepKind::colours, Txt::schrittFarben},
    }};
    for (const auto& [kind, text] : namen)
        if (kind == art)
            return m_host.sprache().text(text);
    return m_host.sprache().text(Txt::schrittFarben);
}

void VerlaufAktionen::verlaufZeigen()
{
    if (!m_fenster) {
        const LanguageTable& t = m_host.sprache();
        m_fenster = new QWidget(&m_host.hauptfenster(), Qt::Tool);
        m_fenster->setObjectName(QStringLiteral("Verlauf"));
        m_fenster->setWindowTitle(t.text(Txt::verlaufTitel));
        auto* ansicht = new QUndoView(&m_host.dokument().verlauf(), m_fenster);
        ansicht->setObjectName(QStringLiteral("VerlaufListe"));
        ansicht->setEmptyLabel(t.text(Txt::verlaufAnfang));
        auto* layout = new QVBoxLayout(m_fenster);
        layout->setContentsMargins(4, 4, 4, 4);
        layout->addWidget(ansicht);
        m_fenster->resize(260, 360);
    }
    m_fenster->show();
    m_fenster->raise();
    m_fenster->activateWindow();
}
