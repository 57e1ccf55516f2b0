#include "ui/documents/ColourFormatsWindow.h"

#include "core/colour/ColourFormats.h"
#include "core/documents/Palette.h"
#include "core/language/LanguageTable.h"
#include "ui/layout/ScreenFit.h"
#include "ui/widgets/ColourPanel.h"

#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace
{

constexpr int numberOfRows = 9;
constexpr int cmykRow = 4;
constexpr int printRow = numberOfRows; // shown below the naive CMYK

// The text of the field the light/dark field acts on, as the palette names it.
Txt selectedFieldText(const MainState& s)
{
    if (s.hdZielRechts())
        return Txt::smallRightField;
    if (s.hdZielLinks())
        return Txt::smallLeftField;
    if (s.hdZielMitte())
        return Txt::smallCentreField;
    return Txt::bigField;
}

} // namespace

ColourFormatsWindow::ColourFormatsWindow(const MainState& s, const LanguageTable& t, QWidget* parent)
    : QDialog(parent), m_s(s), m_t(t)
{
    setObjectName(QStringLiteral("ColourFormatsWindow"));
    setWindowTitle(t.text(Txt::colourFormatsTitle));
    setModal(false);
    assemble();
}

void ColourFormatsWindow::assemble()
{
    auto* raster = new QGridLayout(this);
    m_feld = new QLabel(this);
    m_feld->setObjectName(QStringLiteral("feld"));
    m_muster = new ColourPanel(this, QStringLiteral("muster"));
    m_muster->setFixedSize(48, 48);
    m_muster->setBevel(ColourPanel::Bevel::lowered);
    m_muster->setGamutMarked(true);
    raster->addWidget(m_feld, 0, 0, 1, 2);
    raster->addWidget(m_muster, 0, 2, Qt::AlignRight);
    const QString copyToClipboard = m_t.text(Txt::colourFormatsCopy);
    for (int i = 0; i <= printRow; ++i) {
        auto* name = new QLabel(this);
        auto* value = new QLabel(this);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        value->setObjectName(QStringLiteral("wert%1").arg(i));
        value->setMinimumWidth(
            value->fontMetrics().horizontalAdvance(QStringLiteral("oklch(0.0000 0.0000 000.00)")));
        auto* button = new QPushButton(copyToClipboard, this);
        button->setObjectName(QStringLiteral("kopieren%1").arg(i));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this,
                [this, i] { QGuiApplication::clipboard()->setText(copyText(i)); });
        const int line = i == printRow ? cmykRow + 2 : i + (i > cmykRow ? 2 : 1);
        raster->addWidget(name, line, 0);
        raster->addWidget(value, line, 1);
        raster->addWidget(button, line, 2);
        m_namen << name;
        m_werte << value;
        m_knoepfe << button;
    }
    m_kopien.resize(printRow + 1);
    for (QWidget* part : {static_cast<QWidget*>(m_namen[printRow]), static_cast<QWidget*>(m_werte[printRow]),
                          static_cast<QWidget*>(m_knoepfe[printRow])})
        part->hide();
}

void ColourFormatsWindow::setPrintConversion(std::optional<PrintConversion> conversion)
{
    m_print = std::move(conversion);
    m_namen[printRow]->setVisible(m_print.has_value());
    m_werte[printRow]->setVisible(m_print.has_value());
    m_knoepfe[printRow]->setVisible(m_print.has_value());
    if (isVisible())
        refresh();
}

void ColourFormatsWindow::updateLater()
{
    if (m_vorgemerkt || !isVisible())
        return;
    m_vorgemerkt = true;
    QTimer::singleShot(0, this, [this] {
        m_vorgemerkt = false;
        refresh();
    });
}

void ColourFormatsWindow::present()
{
    refresh();
    show();
    raise();
    activateWindow();
}

void ColourFormatsWindow::refresh()
{
    const MainState& s = m_s;
    const LanguageTable& t = m_t;
    const QString name = t.text(selectedFieldText(s));
    const QVector<PaletteEntry> fields = combinationColours(s, t);
    // Rows have no big field: their selection is one of the outer fields.
    PaletteEntry chosen = fields.isEmpty() ? PaletteEntry{} : fields.back();
    for (const PaletteEntry& e : fields)
        if (e.name == name)
            chosen = e;
    m_farbe = QColor::fromRgb(chosen.rgb);
    m_feld->setText(t.text(Txt::colourFormatsField) + QLatin1Char(' ') + chosen.name);
    m_muster->setColour(m_farbe);
    const QVector<FormatRow> rowList = colourFormatRows(m_farbe.red(), m_farbe.green(), m_farbe.blue());
    // Read in the interface's decimals; CSS is code and keeps its points.
    const QChar decimal = t.decimalSeparator();
    for (int i = 0; i < numberOfRows && i < rowList.size(); ++i) {
        const QString text = QString(rowList[i].text).replace(QLatin1Char('.'), decimal);
        m_namen[i]->setText(rowList[i].name);
        m_werte[i]->setText(text);
        m_kopien[i] = rowList[i].css.isEmpty() ? text : rowList[i].css;
    }
    showPrintRow();
    // Every button reads "Copy"; a screen reader needs to say what each one copies.
    for (int i = 0; i <= printRow; ++i) {
        const QString row = m_namen[i]->text();
        const QString copyName = row.isEmpty() ? QString() : t.text(Txt::accessibleCopyFormat).arg(row);
        if (m_knoepfe[i]->accessibleName() != copyName)
            m_knoepfe[i]->setAccessibleName(copyName);
    }
    // Longer values (another colour, the other language) widen the window, never hide under a button.
    fitToContent(*this, true);
}

void ColourFormatsWindow::showPrintRow()
{
    if (!m_print) {
        m_kopien[printRow].clear();
        return;
    }
    m_namen[cmykRow]->setText(m_t.text(Txt::formatsCmykNoProfile));
    m_namen[printRow]->setText(m_t.text(Txt::formatsCmykProfile).arg(m_print->profile().description()));
    const Cmyk cmyk = m_print->convert(m_farbe.rgb()).percent;
    QString text =
        QStringLiteral("cmyk(%1% %2% %3% %4%)")
            .arg(percentText(cmyk.c), percentText(cmyk.m), percentText(cmyk.y), percentText(cmyk.k));
    text.replace(QLatin1Char('.'), m_t.decimalSeparator());
    m_werte[printRow]->setText(text);
    m_kopien[printRow] = text;
}

QString ColourFormatsWindow::fieldName() const
{
    return m_feld->text();
}

QColor ColourFormatsWindow::colourValue() const
{
    return m_farbe;
}

QString ColourFormatsWindow::copyText(int rowLine) const
{
    return rowLine >= 0 && rowLine < m_kopien.size() ? m_kopien[rowLine] : QString();
}
