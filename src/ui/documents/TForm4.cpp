#include "ui/documents/TForm4.h"

#include "core/colour/Conversions.h"
#include "core/language/LanguageTable.h"
#include "platform/print/PrinterChooser.h"
#include "ui/documents/Printing.h"
#include "ui/layout/ScreenFit.h"
#include "ui/widgets/ColourPanel.h"
#include "ui/widgets/StaticText.h"

#include <QClipboard>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>

#include <algorithm>

namespace
{

constexpr int fensterBreite = 485;
constexpr int rowX = 16;
constexpr int rowWidth = 453;
constexpr int rowHeight = 19;
constexpr int valueX[] = {273, 308, 343, 378};
constexpr int valueWidth[] = {31, 31, 31, 71};
constexpr int designNameWidth = valueX[0] - 108;
constexpr int frameTop = 8;
constexpr int buttonHeight = 25;

QColor swatchColour(const FieldTexts& w)
{
    return QColor(w.r.toInt(), w.g.toInt(), w.b.toInt());
}

} // namespace

TForm4::TForm4(const MainState& s, const LanguageTable& t, PrinterChooser& printerChooser, int& druckZeile,
               QWidget* parent)
    : QDialog(parent), m_t(t), m_drucker(printerChooser), m_druckZeile(druckZeile)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(t.text(Txt::zwischendaten));
    const int n = stepCountFrom(s.stufeAktiv);
    m_zeilen = intermediateRows(n, s.harmonyMode() != HarmonyMode::colourRows, t);
    m_werte = rowValues(m_zeilen, s.endFarben);

    // The design's measures, widened for the longest name and cut to what the rows and
    // buttons need: the design's heights counted the title bar, which a Qt window does not.
    const IntermediateMetrics masse = intermediateMetrics(n);
    int namenBreite = 0;
    for (const IntermediateRow& z : m_zeilen)
        namenBreite = std::max(namenBreite, fontMetrics().horizontalAdvance(z.label) + 4);
    m_mehrBreite = std::max(0, namenBreite - designNameWidth);
    const int letzteZeile = m_zeilen.empty() ? 0 : m_zeilen.back().y + rowHeight;
    const int frameHeight = std::max(masse.frameHeight, letzteZeile + 3 - frameTop);
    const int buttonTop = std::max(masse.buttonTop, frameTop + frameHeight + 12);
    const int breite = fensterBreite + m_mehrBreite;
    setFixedSize(clampToScreen(*this, QSize(breite, buttonTop + buttonHeight + 12)));
    auto* bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setGeometry(frameTop, frameTop, breite - 2 * frameTop, frameHeight);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    QAction* copyToClipboard = PopupMenu1->addAction(t.text(Txt::copyToClipboard));
    copyToClipboard->setObjectName(QStringLiteral("Kopieren1"));
    connect(copyToClipboard, &QAction::triggered, this, &TForm4::Kopieren1Click);

    buildIntermediateRows();
    buildButtons(buttonTop);
}

void TForm4::buildIntermediateRows()
{
    const QPalette& p = palette();
    for (std::size_t i = 0; i < m_zeilen.size(); ++i) {
        const IntermediateRow& z = m_zeilen[i];
        auto* panel = new QWidget(this);
        panel->setGeometry(rowX, z.y, rowWidth + m_mehrBreite, rowHeight);
        panel->installEventFilter(this);
        auto* swatch = new ColourPanel(panel);
        swatch->setGeometry(1, 1, 96, 17);
        swatch->setColour(swatchColour(m_werte[i]));
        swatch->setBevel(ColourPanel::Bevel::lowered);
        auto* label = new QLabel(z.label, panel);
        label->setGeometry(104, 0, designNameWidth + m_mehrBreite, rowHeight);
        label->installEventFilter(this);
        const QString textSet[] = {m_werte[i].r, m_werte[i].g, m_werte[i].b, m_werte[i].hex};
        for (int k = 0; k < 4; ++k) {
            auto* value = new StaticText(panel, QString(), valueWidth[k]);
            value->setGeometry(valueX[k] + m_mehrBreite, 1, valueWidth[k], rowHeight - 2);
            value->setText(textSet[k]);
            value->setColours(p.color(QPalette::Base), p.color(QPalette::Text));
            value->setContextMenuPolicy(Qt::CustomContextMenu);
            value->installEventFilter(this);
            connect(value, &QWidget::customContextMenuRequested, this,
                    [this, value](QPoint pos) { PopupMenu1->popup(value->mapToGlobal(pos)); });
            m_wertTexte.push_back(value);
        }
        m_zeilenPanels.push_back(panel);
    }
}

void TForm4::buildButtons(int upper)
{
    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(rowX, upper, 75, buttonHeight);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    Button2 = new QPushButton(m_t.text(Txt::printLabel), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(rowX + 85, upper, 100, buttonHeight);
    connect(Button2, &QPushButton::clicked, this, &TForm4::Button2Click);
    Button3 = new QPushButton(m_t.text(Txt::copyAll), this);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button3->setGeometry(rowX + rowWidth + m_mehrBreite - 220, upper, 220, buttonHeight);
    connect(Button3, &QPushButton::clicked, this, &TForm4::Button3Click);
}

StaticText* TForm4::valueText(std::size_t rowLine, int column) const
{
    return m_wertTexte.at(4 * rowLine + static_cast<std::size_t>(column));
}

QString TForm4::werteKopieren() const
{
    return rowTableText(m_werte, m_t.english());
}

void TForm4::werteDrucken(PrintPage& page) const
{
    printRowTable(page, m_werte);
}

void TForm4::Button2Click()
{
    QPagedPaintDevice* printer = m_drucker.setUpPrinter(this);
    if (!printer)
        return;
    PrintPage page{.textSet = {}, .druckZeile = m_druckZeile};
    werteDrucken(page);
    printJob(*printer, page, this, m_t);
    m_druckZeile = printStart;
}

void TForm4::Button3Click()
{
    QGuiApplication::clipboard()->setText(werteKopieren());
}

void TForm4::Kopieren1Click()
{
    QGuiApplication::clipboard()->setText(m_zwischenKopierWert);
}

void TForm4::StaticTextMouseDown(StaticText* text)
{
    resetteStaticText();
    const QPalette& p = palette();
    text->setColours(p.color(QPalette::Highlight), p.color(QPalette::HighlightedText));
    m_zwischenKopierWert = text->text();
}

void TForm4::resetteStaticText()
{
    const QPalette& p = palette();
    for (StaticText* t : m_wertTexte)
        t->setColours(p.color(QPalette::Base), p.color(QPalette::Text));
}

void TForm4::mousePressEvent(QMouseEvent* event)
{
    resetteStaticText();
    QDialog::mousePressEvent(event);
}

// A press on a value selects it and goes no further; presses on a row or a
// label clear the selection as presses on the form do.
bool TForm4::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::MouseButtonPress)
        return QDialog::eventFilter(watched, event);
    if (auto* value = qobject_cast<StaticText*>(watched)) {
        StaticTextMouseDown(value);
        return true;
    }
    resetteStaticText();
    return QDialog::eventFilter(watched, event);
}
