#include "ui/shell/ColourVisionActions.h"

#include "core/colour/Contrast.h"
#include "core/documents/ContrastTable.h"
#include "core/documents/Palette.h"
#include "core/language/LanguageTable.h"
#include "ui/display/DisplayHost.h"
#include "ui/documents/ContrastWindow.h"
#include "ui/language/ActionRegistry.h"
#include "ui/widgets/ColourVisionFilter.h"
#include "ui/widgets/MainWidgets.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QStatusBar>
#include <QTextEdit>

#include <array>
#include <utility>

namespace
{

constexpr std::array<std::pair<ActionId, ColourVisionKind>, 5> kindTable{{
    {ActionId::colourVisionNormal, ColourVisionKind::normal},
    {ActionId::colourVisionProtanopia, ColourVisionKind::protanopia},
    {ActionId::colourVisionDeuteranopia, ColourVisionKind::deuteranopia},
    {ActionId::colourVisionTritanopia, ColourVisionKind::tritanopia},
    {ActionId::colourVisionAchromatopsia, ColourVisionKind::achromatopsia},
}};

std::array<QTextEdit*, 6> richEdits(FieldWidgets& w)
{
    return {w.RichEdit1, w.RichEdit2, w.RichEdit3, w.RichEdit4, w.RichEdit5, w.RichEdit6};
}

} // namespace

ColourVisionActions::ColourVisionActions(DisplayHost& form, FieldWidgets& fields, FurnitureWidgets& furniture)
    : m_form(form), m_fields(fields)
{
    m_status = new QLabel(furniture.StatusBar1);
    m_status->setObjectName(QStringLiteral("statusFarbsehen"));
    furniture.StatusBar1->addPermanentWidget(m_status);
    m_status->hide();
    // Not stored: every window starts seeing normally.
    ColourVisionFilter::sharedFilter().setKind(ColourVisionKind::normal);
}

ColourVisionActions::~ColourVisionActions() = default;

void ColourVisionActions::connectActions()
{
    const ActionRegistry& reg = m_form.actions();
    for (const auto& [actionItem, variety] : kindTable) {
        QAction& a = reg.action(actionItem);
        connect(&a, &QAction::triggered, this, [this, variety] { visionChosen(variety); });
        a.setEnabled(true);
    }
    QAction& contrast = reg.action(ActionId::contrast);
    connect(&contrast, &QAction::triggered, this, &ColourVisionActions::contrastExecute);
    contrast.setEnabled(true);
    // The language switch renames every action; the texts made here follow it.
    connect(&contrast, &QAction::changed, this, &ColourVisionActions::setTexts);
    for (QTextEdit* e : richEdits(m_fields)) {
        e->installEventFilter(this);
        setNote(e);
    }
}

void ColourVisionActions::visionChosen(ColourVisionKind variety)
{
    ColourVisionFilter::sharedFilter().setKind(variety);
    updateStatus();
}

void ColourVisionActions::updateStatus()
{
    const ColourVisionKind variety = ColourVisionFilter::sharedFilter().variety();
    m_status->setVisible(variety != ColourVisionKind::normal);
    for (const auto& [actionItem, a] : kindTable)
        if (a == variety)
            m_status->setText(m_form.uiLanguage()
                                  .text(Txt::colourVisionStatus)
                                  .arg(withoutAccelerator(m_form.actions().action(actionItem).text())));
}

void ColourVisionActions::contrastExecute()
{
    if (!m_fenster) {
        m_fenster = std::make_unique<ContrastWindow>(
            m_form.uiLanguage(),
            [this] {
                const QVector<QRgb> c = paletteColours(shownFields(m_form.state(), m_form.uiLanguage()));
                return std::vector<QRgb>(c.begin(), c.end());
            },
            &m_form.mainWindow());
        connect(&m_form.colourDocument(), &ColourDocument::modified, m_fenster.get(),
                &ContrastWindow::refreshLater);
    }
    m_fenster->show();
    m_fenster->raise();
    m_fenster->activateWindow();
}

void ColourVisionActions::setTexts()
{
    updateStatus();
    if (m_fenster)
        m_fenster->setTexts();
    for (QTextEdit* e : richEdits(m_fields))
        setNote(e);
}

bool ColourVisionActions::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::PaletteChange)
        if (auto* e = qobject_cast<QTextEdit*>(watched))
            setNote(e);
    return QObject::eventFilter(watched, event);
}

// The text view draws its text in the field's colour on the big field.
void ColourVisionActions::setNote(QTextEdit* edit) const
{
    const QPalette p = edit->palette();
    const QRgb text = p.color(QPalette::Text).rgb();
    const QRgb field = p.color(QPalette::Base).rgb();
    const LanguageTable& t = m_form.uiLanguage();
    const QChar decimal = t.decimalSeparator();
    edit->setToolTip(
        t.text(Txt::contrastNote)
            .arg(ratioText(contrastRatio(text, field), decimal), lcText(apcaLc(text, field), decimal)));
}
