#include "ui/documents/PaletteWindow.h"

#include "core/colour/Conversions.h"
#include "core/language/LanguageTable.h"

#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QVBoxLayout>

namespace
{

constexpr int swatchSide = 32;
// Where a swatch keeps its colour; headings have none.
constexpr int colourRole = Qt::UserRole + 1;

QIcon swatchIcon(QRgb rgb)
{
    QPixmap p(swatchSide, swatchSide);
    p.fill(QColor::fromRgb(rgb));
    QPainter painter(&p);
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(0, 0, swatchSide - 1, swatchSide - 1);
    // The selected swatch keeps its true colour rather than the style's tint.
    QIcon icon(p);
    icon.addPixmap(p, QIcon::Selected);
    return icon;
}

} // namespace

PaletteWindow::PaletteWindow(ImportedPalette palette, const LanguageTable& t, TakeAsBase takeAsBase,
                             QWidget* parent)
    : QDialog(parent), m_palette(std::move(palette)), m_t(t), m_takeAsBase(std::move(takeAsBase))
{
    setObjectName(QStringLiteral("PaletteWindow"));
    setWindowTitle(m_palette.name.isEmpty()
                       ? t.text(Txt::paletteTitle)
                       : t.text(Txt::paletteTitle) + QStringLiteral(" – ") + m_palette.name);
    setModal(false);
    assemble();
}

void PaletteWindow::assemble()
{
    auto* column = new QVBoxLayout(this);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("swatches"));
    m_list->setIconSize(QSize(swatchSide, swatchSide));
    m_list->setUniformItemSizes(false);
    m_list->setToolTip(m_t.text(Txt::paletteTakeHint));
    column->addWidget(m_list);
    // Headings only where there is more than one group or the one has a name.
    const bool headings = m_palette.groups.size() > 1 ||
                          (m_palette.groups.size() == 1 && !m_palette.groups.front().name.isEmpty());
    for (const ImportedGroup& g : m_palette.groups)
        addGroup(g, headings);
    m_note = new QLabel(m_t.text(Txt::paletteTakeHint), this);
    m_note->setObjectName(QStringLiteral("note"));
    if (m_palette.naiveCmyk)
        m_note->setText(m_t.text(Txt::importNaiveCmyk) + QLatin1Char('\n') + m_note->text());
    m_note->setWordWrap(true);
    column->addWidget(m_note);
    connect(m_list, &QListWidget::itemActivated, this, &PaletteWindow::take);
    connect(m_list, &QListWidget::currentRowChanged, this, &PaletteWindow::passHeading);
    for (int i = 0; i < m_list->count(); ++i)
        if (m_list->item(i)->data(colourRole).isValid()) {
            m_list->setCurrentRow(i);
            break;
        }
    resize(360, 420);
}

void PaletteWindow::addGroup(const ImportedGroup& g, bool withHeading)
{
    if (withHeading) {
        auto* heading =
            new QListWidgetItem(g.name.isEmpty() ? m_t.text(Txt::paletteUngrouped) : g.name, m_list);
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        heading->setFlags(Qt::ItemIsEnabled);
    }
    for (const ImportedEntry& e : g.entries) {
        QString details = hexText(qRed(e.rgb), qGreen(e.rgb), qBlue(e.rgb));
        if (e.share > 0)
            details +=
                QStringLiteral("   ") +
                m_t.text(Txt::paletteShare)
                    .arg(QString::number(e.share, 'f', 1).replace(QLatin1Char('.'), m_t.decimalSeparator()));
        if (e.gamutMapped)
            details += QStringLiteral("   ≈ ") + m_t.text(Txt::paletteMapped);
        auto* swatch = new QListWidgetItem(
            swatchIcon(e.rgb), e.name.isEmpty() ? details : e.name + QLatin1Char('\n') + details, m_list);
        swatch->setData(colourRole, static_cast<uint>(e.rgb));
        swatch->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    }
}

// A heading is no swatch, so the keys pass over it: onwards in the direction they went,
// or back where they came from when no swatch lies beyond.
void PaletteWindow::passHeading(int row)
{
    const auto isSwatch = [this](int r) { return m_list->item(r)->data(colourRole).isValid(); };
    if (row < 0 || isSwatch(row)) {
        m_lastRow = row;
        return;
    }
    const int step = row >= m_lastRow ? 1 : -1;
    for (int r = row + step; r >= 0 && r < m_list->count(); r += step) {
        if (isSwatch(r)) {
            m_list->setCurrentRow(r);
            return;
        }
    }
    if (m_lastRow >= 0 && m_lastRow < m_list->count())
        m_list->setCurrentRow(m_lastRow);
}

void PaletteWindow::take(QListWidgetItem* item)
{
    const QVariant colour = item ? item->data(colourRole) : QVariant();
    if (colour.isValid() && m_takeAsBase)
        m_takeAsBase(static_cast<QRgb>(colour.toUInt()));
}
