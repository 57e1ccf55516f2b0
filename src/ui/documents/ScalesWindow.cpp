#include "ui/documents/ScalesWindow.h"

#include "core/documents/ContrastTable.h"
#include "core/documents/Palette.h"
#include "core/language/LanguageTable.h"
#include "ui/documents/ContrastWindow.h"
#include "ui/layout/ScreenFit.h"
#include "ui/widgets/ColourVisionFilter.h"
#include "ui/widgets/GamutMarks.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

namespace
{

// A drag announces a change many times a frame: the window refreshes at most this often (ms).
constexpr qint64 refreshIntervalMs = 50;
const QString confusableMark = QStringLiteral(" \u2248");

QIcon colourSwatch(QRgb colourValue)
{
    return QIcon(GamutMarks::sharedMarks().swatch(colourValue, QSize(12, 12)));
}

// A table that asks for the size of its whole content once told it.
class InhaltsTabelle : public QTableWidget
{
public:
    using QTableWidget::QTableWidget;
    void setInhalt(QSize content)
    {
        m_inhalt = content;
        updateGeometry();
    }
    QSize sizeHint() const override { return m_inhalt.isValid() ? m_inhalt : QTableWidget::sizeHint(); }

private:
    QSize m_inhalt;
};

} // namespace

// An editable choice of background: white, black and the shown colours, listed
// afresh each time it opens, or any typed hex.
class BackgroundBox : public QComboBox
{
public:
    BackgroundBox(std::function<QVector<QRgb>()> farben, QWidget* parent)
        : QComboBox(parent), m_farben(std::move(farben))
    {
        setEditable(true);
        setInsertPolicy(QComboBox::NoInsert);
        setMinimumContentsLength(9);
    }
    void showPopup() override
    {
        const QString text = currentText();
        clear();
        QVector<QRgb> items{qRgb(255, 255, 255), qRgb(0, 0, 0)};
        for (QRgb c : m_farben())
            if (!items.contains(c))
                items.append(c);
        for (QRgb c : items)
            addItem(colourSwatch(c), hexColour(c));
        setEditText(text);
        QComboBox::showPopup();
    }

private:
    std::function<QVector<QRgb>()> m_farben;
};

ScalesWindow::ScalesWindow(const MainState& s, const LanguageTable& t, QWidget* parent)
    : QDialog(parent), m_s(s), m_t(t)
{
    setObjectName(QStringLiteral("ScalesWindow"));
    setModal(false);
    assemble();
    setTexts();
    m_takt = new QTimer(this);
    m_takt->setSingleShot(true);
    connect(m_takt, &QTimer::timeout, this, &ScalesWindow::refresh);
    // The swatches are shown colours; the numbers stay.
    connect(&ColourVisionFilter::sharedFilter(), &ColourVisionFilter::modified, this, [this] {
        if (isVisible())
            fillCells(shownSet());
    });
    connect(&GamutMarks::sharedMarks(), &GamutMarks::modified, this, [this] {
        if (isVisible())
            fillCells(shownSet());
    });
}

void ScalesWindow::assemble()
{
    m_erklaerung = new QLabel(this);
    m_erklaerung->setWordWrap(true);
    // The table sets the width; the explanation wraps to it.
    m_erklaerung->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_erklaerung->setMinimumWidth(320);

    auto* selection = new QGridLayout;
    m_methodeName = new QLabel(this);
    m_methodeWahl = new QComboBox(this);
    m_methodeWahl->setObjectName(QStringLiteral("methode"));
    m_methodeWahl->addItems({QString(), QString()});
    m_methodeName->setBuddy(m_methodeWahl);
    m_zieleName = new QLabel(this);
    m_zieleText = new QLineEdit(this);
    m_zieleText->setObjectName(QStringLiteral("ziele"));
    m_zieleText->setMinimumWidth(
        m_zieleText->fontMetrics().horizontalAdvance(QStringLiteral("1,5; 2; 3; 4,5; 7; 10; 15; 20")));
    m_zieleName->setBuddy(m_zieleText);
    selection->addWidget(m_methodeName, 0, 0);
    selection->addWidget(m_methodeWahl, 0, 1);
    selection->addWidget(m_zieleName, 0, 2);
    selection->addWidget(m_zieleText, 0, 3);
    const auto gezeigte = [this] { return m_farben; };
    for (int record = 0; record < 2; ++record) {
        auto* name = new QLabel(this);
        auto* box = new BackgroundBox(gezeigte, this);
        box->setObjectName(record == 0 ? QStringLiteral("hintergrundHell")
                                       : QStringLiteral("hintergrundDunkel"));
        box->setEditText(hexColour(m_hintergrund[static_cast<std::size_t>(record)]));
        name->setBuddy(box);
        selection->addWidget(name, 1, 2 * record);
        selection->addWidget(box, 1, 2 * record + 1);
        m_hintergrundName[static_cast<std::size_t>(record)] = name;
        m_hintergrundWahl[static_cast<std::size_t>(record)] = box;
        connect(box, &QComboBox::textActivated, this, [this, record] { readBackground(record); });
        connect(box->lineEdit(), &QLineEdit::editingFinished, this,
                [this, record] { readBackground(record); });
    }
    selection->setColumnStretch(3, 1);
    connect(m_methodeWahl, &QComboBox::activated, this, &ScalesWindow::chooseMethod);
    connect(m_zieleText, &QLineEdit::editingFinished, this, &ScalesWindow::readTargets);

    m_seiten = new QTabWidget(this);
    for (int record = 0; record < 2; ++record) {
        auto* tableWidget = new InhaltsTabelle(m_seiten);
        tableWidget->setObjectName(record == 0 ? QStringLiteral("skalenHell")
                                               : QStringLiteral("skalenDunkel"));
        tableWidget->setEditTriggers(QAbstractItemView::NoEditTriggers);
        tableWidget->setSelectionMode(QAbstractItemView::SingleSelection);
        tableWidget->setIconSize(QSize(16, 16));
        m_tabellen[static_cast<std::size_t>(record)] = tableWidget;
        m_seiten->addTab(tableWidget, QString());
        connect(tableWidget, &QTableWidget::currentCellChanged, this, [this] {
            const QTableWidget* t = m_tabellen[static_cast<std::size_t>(shownSet())];
            const QTableWidgetItem* zelle = t->currentItem();
            m_kopieren[0]->setEnabled(zelle && zelle->data(Qt::UserRole).isValid());
            m_kopieren[1]->setEnabled(t->currentRow() >= 0);
        });
    }
    connect(m_seiten, &QTabWidget::currentChanged, this, [this] {
        refresh();
        m_kopieren[0]->setEnabled(false);
        m_kopieren[1]->setEnabled(false);
    });

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    for (int i = 0; i < 3; ++i) {
        auto* button = new QPushButton(this);
        button->setObjectName(QStringLiteral("kopieren%1").arg(i));
        button->setAutoDefault(false);
        button->setEnabled(i == 2);
        connect(button, &QPushButton::clicked, this, [this, i] { copyToClipboard(i); });
        knoepfe->addWidget(button);
        m_kopieren[static_cast<std::size_t>(i)] = button;
    }
    m_schliessen = new QPushButton(this);
    m_schliessen->setAutoDefault(false);
    connect(m_schliessen, &QPushButton::clicked, this, &QDialog::close);
    knoepfe->addWidget(m_schliessen);

    auto* outer = new QVBoxLayout(this);
    outer->addWidget(m_erklaerung);
    outer->addLayout(selection);
    outer->addWidget(m_seiten, 1);
    outer->addLayout(knoepfe);
}

void ScalesWindow::setTexts()
{
    const LanguageTable& t = m_t;
    m_englisch = t.english();
    setWindowTitle(t.text(Txt::scalesTitle));
    m_erklaerung->setText(t.text(Txt::scalesExplanation));
    m_methodeName->setText(t.text(Txt::scalesMethod));
    m_methodeWahl->setItemText(0, t.text(Txt::scalesWcag));
    m_methodeWahl->setItemText(1, t.text(Txt::scalesApca));
    m_zieleName->setText(t.text(Txt::scalesTargets));
    m_zieleText->setText(targetsListText(m_ziele, t.decimalSeparator()));
    m_zieleText->setToolTip(t.text(Txt::scalesTargetsError));
    m_hintergrundName[0]->setText(t.text(Txt::scalesLightBackground));
    m_hintergrundName[1]->setText(t.text(Txt::scalesDarkBackground));
    m_seiten->setTabText(0, t.text(Txt::scalesLight));
    m_seiten->setTabText(1, t.text(Txt::scalesDark));
    m_kopieren[0]->setText(t.text(Txt::scalesCopyHex));
    m_kopieren[1]->setText(t.text(Txt::scalesCopyRow));
    m_kopieren[2]->setText(t.text(Txt::scalesCopyTable));
    m_schliessen->setText(t.text(Txt::contrastClose));
    m_veraltet = {true, true};
}

void ScalesWindow::present()
{
    show();
    refresh();
    fitToTable();
    raise();
    activateWindow();
}

void ScalesWindow::updateLater()
{
    if (!isVisible() || m_takt->isActive())
        return;
    const qint64 vergangen = m_seitAktualisiert.isValid() ? m_seitAktualisiert.elapsed() : refreshIntervalMs;
    m_takt->start(static_cast<int>(std::max<qint64>(0, refreshIntervalMs - vergangen)));
}

int ScalesWindow::shownSet() const
{
    return std::clamp(m_seiten->currentIndex(), 0, 1);
}

void ScalesWindow::refresh()
{
    m_seitAktualisiert.start();
    if (m_t.english() != m_englisch)
        setTexts();
    const QVector<QRgb> farben = distinctColours(paletteColours(paletteFrom(m_s, m_t)));
    if (farben != m_farben) {
        m_farben = farben;
        m_veraltet = {true, true};
    }
    const int record = shownSet();
    if (!m_veraltet[static_cast<std::size_t>(record)])
        return;
    computeScaleSet(record);
    fillTable(record);
}

void ScalesWindow::computeScaleSet(int record)
{
    const auto i = static_cast<std::size_t>(record);
    m_skalen[i] = contrastScales(m_farben, m_hintergrund[i], m_methode, m_ziele);
    m_verwechslungen[i] = stepConfusions(m_skalen[i]);
    m_veraltet[i] = false;
}

void ScalesWindow::fillTable(int record)
{
    QTableWidget* tableWidget = m_tabellen[static_cast<std::size_t>(record)];
    const QChar decimal = m_t.decimalSeparator();
    const QVector<ColourScale>& colourScales = m_skalen[static_cast<std::size_t>(record)];
    const bool neueForm =
        tableWidget->rowCount() != colourScales.size() || tableWidget->columnCount() != m_ziele.size();
    tableWidget->setRowCount(static_cast<int>(colourScales.size()));
    tableWidget->setColumnCount(static_cast<int>(m_ziele.size()));
    for (int k = 0; k < m_ziele.size(); ++k)
        tableWidget->setHorizontalHeaderItem(
            k, new QTableWidgetItem(targetText(m_ziele[k], m_methode, decimal)));
    fillCells(record);
    // Measuring every cell is the dearest part of a refresh: only a new shape
    // measures, with room for the widest hex and a mark.
    if (neueForm)
        fitToTable();
}

void ScalesWindow::fillCells(int record)
{
    const auto i = static_cast<std::size_t>(record);
    QTableWidget* tableWidget = m_tabellen[i];
    const LanguageTable& t = m_t;
    const QChar decimal = t.decimalSeparator();
    const QRgb backgroundColour = m_hintergrund[i];
    const ColourVisionFilter& filter = ColourVisionFilter::sharedFilter();
    const QVector<ColourScale>& colourScales = m_skalen[i];
    for (int r = 0; r < colourScales.size() && r < tableWidget->rowCount(); ++r) {
        const ColourScale& skala = colourScales[r];
        QTableWidgetItem* header = tableWidget->verticalHeaderItem(r);
        if (!header) {
            header = new QTableWidgetItem;
            tableWidget->setVerticalHeaderItem(r, header);
        }
        header->setIcon(colourSwatch(skala.colour)); // a header paints pictures only
        header->setToolTip(GamutMarks::sharedMarks().tipFor(skala.colour));
        header->setText(hexColour(skala.colour));
        for (int k = 0; k < skala.steps.size() && k < tableWidget->columnCount(); ++k) {
            const ScaleStep& level = skala.steps[k];
            QTableWidgetItem* zelle = tableWidget->item(r, k);
            if (!zelle) {
                zelle = new QTableWidgetItem;
                zelle->setTextAlignment(Qt::AlignVCenter | Qt::AlignLeft);
                tableWidget->setItem(r, k, zelle);
            }
            if (!level.reached) {
                zelle->setData(Qt::DecorationRole, QVariant());
                zelle->setText(QStringLiteral("-"));
                zelle->setData(Qt::UserRole, QVariant());
                zelle->setToolTip(
                    t.text(Txt::scalesUnreachable)
                        .arg(targetText(level.target, m_methode, decimal), hexColour(backgroundColour)));
                continue;
            }
            const QVector<StepConfusion>& verwechselt = m_verwechslungen[i][r][k];
            QStringList tipp{QStringLiteral("WCAG 2: %1:1, APCA: Lc %2")
                                 .arg(ratioText(level.wcagRatio, decimal), lcText(level.apcaLc, decimal))};
            for (const StepConfusion& v : verwechselt)
                tipp << t.text(Txt::scalesConfusable)
                            .arg(colourVisionName(t, v.kind),
                                 hexColour(colourScales[v.otherRow].steps[k].rgb),
                                 hexColour(colourScales[v.otherRow].colour),
                                 QString::number(v.distance, 'f', 2).replace(QLatin1Char('.'), decimal));
            // A colour, not a picture: the delegate paints it, nothing is drawn per refresh.
            zelle->setData(Qt::DecorationRole, filter.displayed(QColor::fromRgb(level.rgb)));
            zelle->setText(hexColour(level.rgb) + (verwechselt.isEmpty() ? QString() : confusableMark) +
                           QLatin1Char('\n') + achievedText(level, m_methode, decimal));
            zelle->setData(Qt::UserRole, hexColour(level.rgb));
            zelle->setToolTip(tipp.join(QLatin1Char('\n')));
        }
    }
}

// The whole table up to the screen: only a screen too small for it scrolls.
void ScalesWindow::fitToTable()
{
    const int record = shownSet();
    QTableWidget* tableWidget = m_tabellen[static_cast<std::size_t>(record)];
    tableWidget->resizeColumnsToContents();
    tableWidget->resizeRowsToContents();
    const int luft = tableWidget->fontMetrics().horizontalAdvance(QStringLiteral("WW") + confusableMark);
    for (int k = 0; k < tableWidget->columnCount(); ++k)
        tableWidget->setColumnWidth(k, tableWidget->columnWidth(k) + luft);
    const int rand = 2 * tableWidget->frameWidth();
    const QSize content(tableWidget->verticalHeader()->sizeHint().width() +
                            tableWidget->horizontalHeader()->length() + rand,
                        tableWidget->horizontalHeader()->sizeHint().height() +
                            tableWidget->verticalHeader()->length() + rand);
    // The tabs ask for the larger page: the hidden one asks for nothing.
    for (int i = 0; i < 2; ++i)
        static_cast<InhaltsTabelle*>(m_tabellen[static_cast<std::size_t>(i)])
            ->setInhalt(i == record ? content : QSize(0, 0));
    layout()->invalidate();
    const QSize wunsch = layout()->totalSizeHint();
    // A narrower screen: the table scrolls sideways, its scroll bar takes room below.
    const int breite = clampToScreen(*this, wunsch).width();
    int fullHeight = wunsch.height();
    if (breite < wunsch.width())
        fullHeight += tableWidget->horizontalScrollBar()->sizeHint().height();
    // The explanation wraps to that width.
    if (layout()->hasHeightForWidth())
        fullHeight =
            std::max(fullHeight, layout()->totalHeightForWidth(breite) + fullHeight - wunsch.height());
    resize(clampToScreen(*this, QSize(breite, fullHeight)));
}

void ScalesWindow::chooseMethod(int index)
{
    const ContrastMethod contrastMethod = index == 1 ? ContrastMethod::apca : ContrastMethod::wcag2;
    if (contrastMethod == m_methode)
        return;
    m_methode = contrastMethod;
    m_ziele = defaultTargets(contrastMethod);
    m_zieleText->setText(targetsListText(m_ziele, m_t.decimalSeparator()));
    m_veraltet = {true, true};
    refresh();
}

void ScalesWindow::readTargets()
{
    std::optional<QVector<double>> ziele = targetsFromList(m_zieleText->text(), m_t.decimalSeparator());
    if (!ziele) {
        // Unreadable: the last good targets come back, and the tooltip says what is wanted.
        m_zieleText->setText(targetsListText(m_ziele, m_t.decimalSeparator()));
        return;
    }
    std::sort(ziele->begin(), ziele->end());
    ziele->erase(std::unique(ziele->begin(), ziele->end()), ziele->end());
    m_zieleText->setText(targetsListText(*ziele, m_t.decimalSeparator()));
    if (*ziele == m_ziele)
        return;
    m_ziele = *ziele;
    m_veraltet = {true, true};
    refresh();
}

void ScalesWindow::readBackground(int record)
{
    const auto i = static_cast<std::size_t>(record);
    BackgroundBox* box = m_hintergrundWahl[i];
    QString text = box->currentText().trimmed();
    if (!text.startsWith(QLatin1Char('#')))
        text.prepend(QLatin1Char('#'));
    const std::vector<QRgb> colourValue = coloursFromHex({text});
    if (colourValue.empty()) {
        box->setEditText(hexColour(m_hintergrund[i]));
        box->setToolTip(m_t.text(Txt::scalesBackgroundError));
        return;
    }
    box->setEditText(hexColour(colourValue.front()));
    if (colourValue.front() == m_hintergrund[i])
        return;
    m_hintergrund[i] = colourValue.front();
    m_veraltet[i] = true;
    refresh();
}

void ScalesWindow::copyToClipboard(int was) const
{
    const int record = shownSet();
    const QTableWidget* tableWidget = m_tabellen[static_cast<std::size_t>(record)];
    const QVector<ColourScale>& colourScales = m_skalen[static_cast<std::size_t>(record)];
    const QChar decimal = m_t.decimalSeparator();
    QString text;
    if (was == 0 && tableWidget->currentItem())
        text = tableWidget->currentItem()->data(Qt::UserRole).toString();
    else if (was == 1 && tableWidget->currentRow() >= 0 && tableWidget->currentRow() < colourScales.size())
        text = scaleRowText(colourScales[tableWidget->currentRow()], m_methode, decimal);
    else if (was == 2)
        text = scaleTableText(colourScales, m_methode, m_ziele, m_t.text(Txt::scalesColour),
                              m_t.text(Txt::scalesAchieved), decimal);
    if (!text.isEmpty())
        QApplication::clipboard()->setText(text);
}
