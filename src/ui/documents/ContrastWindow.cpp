#include "ui/documents/ContrastWindow.h"

#include "core/colour/Contrast.h"
#include "core/language/LanguageTable.h"
#include "ui/layout/ScreenFit.h"
#include "ui/widgets/ColourVisionFilter.h"
#include "ui/widgets/GamutMarks.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <map>

namespace
{

QTableWidgetItem* headerItem(QRgb colourValue)
{
    auto* item = new QTableWidgetItem(QIcon(GamutMarks::sharedMarks().swatch(colourValue, QSize(12, 12))),
                                      hexColour(colourValue));
    item->setToolTip(GamutMarks::sharedMarks().tipFor(colourValue));
    return item;
}

// "Aa" in the text colour on the background, as the display would show it.
QIcon textSample(QRgb text, QRgb backgroundColour)
{
    const ColourVisionFilter& filter = ColourVisionFilter::sharedFilter();
    QPixmap p(26, 18);
    p.fill(filter.displayed(QColor::fromRgb(backgroundColour)));
    QPainter maler(&p);
    QFont f = maler.font();
    f.setBold(true);
    maler.setFont(f);
    maler.setPen(filter.displayed(QColor::fromRgb(text)));
    maler.drawText(p.rect(), Qt::AlignCenter, QStringLiteral("Aa"));
    return QIcon(p);
}

Txt colourVisionText(ColourVisionKind variety)
{
    switch (variety) {
    case ColourVisionKind::protanopia:
        return Txt::colourVisionProtanopia;
    case ColourVisionKind::deuteranopia:
        return Txt::colourVisionDeuteranopia;
    case ColourVisionKind::tritanopia:
        return Txt::colourVisionTritanopia;
    case ColourVisionKind::achromatopsia:
        return Txt::colourVisionAchromatopsia;
    case ColourVisionKind::normal:
        break;
    }
    return Txt::colourVisionNormal;
}

} // namespace

QString colourVisionName(const LanguageTable& t, ColourVisionKind variety)
{
    return QString(t.text(colourVisionText(variety))).remove(QLatin1Char('&'));
}

ContrastWindow::ContrastWindow(const LanguageTable& t, std::function<std::vector<QRgb>()> farben,
                               QWidget* parent)
    : QDialog(parent), m_t(t), m_farben(std::move(farben))
{
    setObjectName(QStringLiteral("KontrastFenster"));
    m_erklaerung = new QLabel(this);
    m_erklaerung->setWordWrap(true);
    // The matrix sets the width; the explanation wraps to it.
    m_erklaerung->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_erklaerung->setMinimumWidth(320);
    m_tabelle = new QTableWidget(this);
    m_tabelle->setObjectName(QStringLiteral("kontrastTabelle"));
    m_tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tabelle->setIconSize(QSize(26, 18));
    m_tabelle->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_tabelle->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_kopieren = new QPushButton(this);
    m_kopieren->setObjectName(QStringLiteral("kontrastKopieren"));
    m_schliessen = new QPushButton(this);
    m_schliessen->setObjectName(QStringLiteral("kontrastSchliessen"));
    connect(m_kopieren, &QPushButton::clicked, this, &ContrastWindow::copyToClipboard);
    connect(m_schliessen, &QPushButton::clicked, this, &QDialog::close);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(m_kopieren);
    knoepfe->addWidget(m_schliessen);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(m_erklaerung);
    outer->addWidget(m_tabelle, 1);
    outer->addLayout(knoepfe);

    m_auffrischen = new QTimer(this);
    m_auffrischen->setSingleShot(true);
    m_auffrischen->setInterval(0);
    connect(m_auffrischen, &QTimer::timeout, this, &ContrastWindow::renew);
    // The swatches beside the hex values are shown colours.
    connect(&ColourVisionFilter::sharedFilter(), &ColourVisionFilter::modified, this, [this] {
        if (isVisible())
            fillTable();
    });
    connect(&GamutMarks::sharedMarks(), &GamutMarks::modified, this, [this] {
        if (isVisible())
            fillTable();
    });
    setTexts();
}

void ContrastWindow::setTexts()
{
    const LanguageTable& t = m_t;
    setWindowTitle(t.text(Txt::contrastTitle));
    m_erklaerung->setText(t.text(Txt::contrastExplanation));
    m_kopieren->setText(t.text(Txt::contrastCopy));
    m_schliessen->setText(t.text(Txt::contrastClose));
    if (isVisible())
        fillTable();
}

std::vector<QRgb> ContrastWindow::shownColours() const
{
    return m_farben();
}

void ContrastWindow::refreshLater()
{
    if (isVisible())
        m_auffrischen->start();
}

void ContrastWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    renew();
}

void ContrastWindow::renew()
{
    const std::vector<QRgb> farben = shownColours();
    if (farben == m_matrix.farben && m_tabelle->rowCount() == static_cast<int>(farben.size()))
        return;
    m_matrix = contrastMatrix(farben);
    m_verwechselt = confusedPairs(QVector<QRgb>(farben.begin(), farben.end()));
    fillTable();
}

QString ContrastWindow::cellText(const ContrastCell& z) const
{
    QString wcag;
    switch (wcagLevel(z.ratio)) {
    case WcagLevel::aaa:
        wcag = QStringLiteral("AAA");
        break;
    case WcagLevel::aa: // from 4.5, large text also meets AAA
        wcag = QStringLiteral("AA, ") + m_t.text(Txt::contrastAaaLarge);
        break;
    case WcagLevel::aaLarge:
        wcag = m_t.text(Txt::contrastAaLarge);
        break;
    case WcagLevel::none:
        wcag = QStringLiteral("–");
        break;
    }
    const int level = apcaLevel(z.lc);
    const QString apca = level ? QStringLiteral("Lc %1").arg(level) : QStringLiteral("–");
    const QChar decimal = m_t.decimalSeparator();
    return ratioText(z.ratio, decimal) + QStringLiteral("  ") + wcag + QLatin1Char('\n') +
           lcText(z.lc, decimal) + QStringLiteral("  ") + apca;
}

void ContrastWindow::fillTable()
{
    const auto n = static_cast<int>(m_matrix.farben.size());
    m_tabelle->clear();
    m_tabelle->setRowCount(n);
    m_tabelle->setColumnCount(n);
    for (int i = 0; i < n; ++i) {
        const QRgb colourValue = m_matrix.farben[static_cast<std::size_t>(i)];
        m_tabelle->setHorizontalHeaderItem(i, headerItem(colourValue));
        m_tabelle->setVerticalHeaderItem(i, headerItem(colourValue));
    }
    for (int t = 0; t < n; ++t)
        for (int h = 0; h < n; ++h) {
            if (t == h)
                continue; // a colour on itself says nothing
            const ContrastCell& z = m_matrix.cells[static_cast<std::size_t>(t)][static_cast<std::size_t>(h)];
            auto* item = new QTableWidgetItem(textSample(m_matrix.farben[static_cast<std::size_t>(t)],
                                                         m_matrix.farben[static_cast<std::size_t>(h)]),
                                              cellText(z));
            item->setTextAlignment(Qt::AlignVCenter | Qt::AlignLeft);
            m_tabelle->setItem(t, h, item);
        }
    showConfusions();
    // Once the new cells are laid out and polished, the window takes their size.
    QTimer::singleShot(0, this, &ContrastWindow::fitToMatrix);
}

// Pairs a colour-vision deficiency runs together: a mark in both their cells,
// the kinds and distances in the tooltip.
void ContrastWindow::showConfusions()
{
    const QChar decimal = m_t.decimalSeparator();
    std::map<std::pair<int, int>, QStringList> kindTable;
    for (const ConfusedPair& p : m_verwechselt)
        kindTable[{p.first, p.second}]
            << QStringLiteral("%1 (ΔE00 %2)")
                   .arg(colourVisionName(m_t, p.kind),
                        QString::number(p.distance, 'f', 2).replace(QLatin1Char('.'), decimal));
    for (const auto& [paar, items] : kindTable) {
        const QString tipp = m_t.text(Txt::contrastConfusable).arg(items.join(QStringLiteral(", ")));
        for (const auto& [t, h] : {paar, std::pair{paar.second, paar.first}})
            if (QTableWidgetItem* item = m_tabelle->item(t, h)) {
                QString text = item->text();
                text.insert(static_cast<int>(text.indexOf(QLatin1Char('\n'))), QStringLiteral(" \u2248"));
                item->setText(text);
                item->setToolTip(tipp);
            }
    }
}

// The whole matrix, up to the screen: only a screen too small for it scrolls. (A table's
// own size hint stops at a few dozen lines, too small for sixteen colours.)
void ContrastWindow::fitToMatrix()
{
    m_tabelle->resizeColumnsToContents();
    m_tabelle->resizeRowsToContents();
    const int rand = 2 * m_tabelle->frameWidth();
    const QSize matrix(
        m_tabelle->verticalHeader()->sizeHint().width() + m_tabelle->horizontalHeader()->length() + rand,
        m_tabelle->horizontalHeader()->sizeHint().height() + m_tabelle->verticalHeader()->length() + rand);
    // Beside the matrix only the margins; above it the explanation, wrapped to its width,
    // and below it the buttons.
    const QMargins raender = layout()->contentsMargins();
    const int separation = layout()->spacing();
    const int breite = std::max(matrix.width() + raender.left() + raender.right(), minimumSizeHint().width());
    const int fullHeight =
        raender.top() + m_erklaerung->heightForWidth(breite - raender.left() - raender.right()) + separation +
        matrix.height() + separation + m_kopieren->sizeHint().height() + raender.bottom();
    resize(clampToScreen(*this, QSize(breite, fullHeight)));
}

void ContrastWindow::copyToClipboard() const
{
    const LanguageTable& t = m_t;
    QApplication::clipboard()->setText(contrastMatrixText(m_matrix, t.text(Txt::contrastCorner),
                                                          t.text(Txt::contrastRatio), t.text(Txt::contrastLc),
                                                          t.decimalSeparator()));
}
