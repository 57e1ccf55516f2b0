#include "ui/documents/ScalesWindow.h"

#include "core/documents/ContrastTable.h"
#include "core/documents/Palette.h"
#include "core/language/LanguageTable.h"
#include "ui/documents/KontrastFenster.h"
#include "ui/layout/ScreenFit.h"
#include "ui/widgets/Farbsehfilter.h"

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
constexpr qint64 taktMs = 50;
const QString verwechselbarZeichen = QStringLiteral(" \u2248");

QIcon farbMuster(QRgb farbe)
{
    QPixmap p(12, 12);
    p.fill(Farbsehfilter::instanz().gezeigt(QColor::fromRgb(farbe)));
    return QIcon(p);
}

// A table that asks for the size of its whole content once told it.
class InhaltsTabelle : public QTableWidget
{
public:
    using QTableWidget::QTableWidget;
    void setInhalt(QSize inhalt)
    {
        m_inhalt = inhalt;
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
        QVector<QRgb> liste{qRgb(255, 255, 255), qRgb(0, 0, 0)};
        for (QRgb c : m_farben())
            if (!liste.contains(c))
                liste.append(c);
        for (QRgb c : liste)
            addItem(farbMuster(c), hexFarbe(c));
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
    aufbauen();
    texteSetzen();
    m_takt = new QTimer(this);
    m_takt->setSingleShot(true);
    connect(m_takt, &QTimer::timeout, this, &ScalesWindow::aktualisieren);
    // The swatches are shown colours; the numbers stay.
    connect(&Farbsehfilter::instanz(), &Farbsehfilter::geaendert, this, [this] {
        if (isVisible())
            zellenSetzen(gezeigterSatz());
    });
}

void ScalesWindow::aufbauen()
{
    m_erklaerung = new QLabel(this);
    m_erklaerung->setWordWrap(true);
    // The table sets the width; the explanation wraps to it.
    m_erklaerung->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_erklaerung->setMinimumWidth(320);

    auto* wahl = new QGridLayout;
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
    wahl->addWidget(m_methodeName, 0, 0);
    wahl->addWidget(m_methodeWahl, 0, 1);
    wahl->addWidget(m_zieleName, 0, 2);
    wahl->addWidget(m_zieleText, 0, 3);
    const auto gezeigte = [this] { return m_farben; };
    for (int satz = 0; satz < 2; ++satz) {
        auto* name = new QLabel(this);
        auto* box = new BackgroundBox(gezeigte, this);
        box->setObjectName(satz == 0 ? QStringLiteral("hintergrundHell")
                                     : QStringLiteral("hintergrundDunkel"));
        box->setEditText(hexFarbe(m_hintergrund[static_cast<std::size_t>(satz)]));
        name->setBuddy(box);
        wahl->addWidget(name, 1, 2 * satz);
        wahl->addWidget(box, 1, 2 * satz + 1);
        m_hintergrundName[static_cast<std::size_t>(satz)] = name;
        m_hintergrundWahl[static_cast<std::size_t>(satz)] = box;
        connect(box, &QComboBox::textActivated, this, [this, satz] { hintergrundLesen(satz); });
        connect(box->lineEdit(), &QLineEdit::editingFinished, this, [this, satz] { hintergrundLesen(satz); });
    }
    wahl->setColumnStretch(3, 1);
    connect(m_methodeWahl, &QComboBox::activated, this, &ScalesWindow::methodeWaehlen);
    connect(m_zieleText, &QLineEdit::editingFinished, this, &ScalesWindow::zieleLesen);

    m_seiten = new QTabWidget(this);
    for (int satz = 0; satz < 2; ++satz) {
        auto* tabelle = new InhaltsTabelle(m_seiten);
        tabelle->setObjectName(satz == 0 ? QStringLiteral("skalenHell") : QStringLiteral("skalenDunkel"));
        tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
        tabelle->setSelectionMode(QAbstractItemView::SingleSelection);
        tabelle->setIconSize(QSize(16, 16));
        m_tabellen[static_cast<std::size_t>(satz)] = tabelle;
        m_seiten->addTab(tabelle, QString());
        connect(tabelle, &QTableWidget::currentCellChanged, this, [this] {
            const QTableWidget* t = m_tabellen[static_cast<std::size_t>(gezeigterSatz())];
            const QTableWidgetItem* zelle = t->currentItem();
            m_kopieren[0]->setEnabled(zelle && zelle->data(Qt::UserRole).isValid());
            m_kopieren[1]->setEnabled(t->currentRow() >= 0);
        });
    }
    connect(m_seiten, &QTabWidget::currentChanged, this, [this] {
        aktualisieren();
        m_kopieren[0]->setEnabled(false);
        m_kopieren[1]->setEnabled(false);
    });

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    for (int i = 0; i < 3; ++i) {
        auto* knopf = new QPushButton(this);
        knopf->setObjectName(QStringLiteral("kopieren%1").arg(i));
        knopf->setAutoDefault(false);
        knopf->setEnabled(i == 2);
        connect(knopf, &QPushButton::clicked, this, [this, i] { kopieren(i); });
        knoepfe->addWidget(knopf);
        m_kopieren[static_cast<std::size_t>(i)] = knopf;
    }
    m_schliessen = new QPushButton(this);
    m_schliessen->setAutoDefault(false);
    connect(m_schliessen, &QPushButton::clicked, this, &QDialog::close);
    knoepfe->addWidget(m_schliessen);

    auto* aussen = new QVBoxLayout(this);
    aussen->addWidget(m_erklaerung);
    aussen->addLayout(wahl);
    aussen->addWidget(m_seiten, 1);
    aussen->addLayout(knoepfe);
}

void ScalesWindow::texteSetzen()
{
    const LanguageTable& t = m_t;
    m_englisch = t.englisch();
    setWindowTitle(t.text(Txt::skalenTitel));
    m_erklaerung->setText(t.text(Txt::skalenErklaerung));
    m_methodeName->setText(t.text(Txt::skalenMethode));
    m_methodeWahl->setItemText(0, t.text(Txt::skalenWcag));
    m_methodeWahl->setItemText(1, t.text(Txt::skalenApca));
    m_zieleName->setText(t.text(Txt::skalenZiele));
    m_zieleText->setText(targetsListText(m_ziele, t.dezimalzeichen()));
    m_zieleText->setToolTip(t.text(Txt::skalenZieleFehler));
    m_hintergrundName[0]->setText(t.text(Txt::skalenHintergrundHell));
    m_hintergrundName[1]->setText(t.text(Txt::skalenHintergrundDunkel));
    m_seiten->setTabText(0, t.text(Txt::skalenHell));
    m_seiten->setTabText(1, t.text(Txt::skalenDunkel));
    m_kopieren[0]->setText(t.text(Txt::skalenHexKopieren));
    m_kopieren[1]->setText(t.text(Txt::skalenZeileKopieren));
    m_kopieren[2]->setText(t.text(Txt::skalenTabelleKopieren));
    m_schliessen->setText(t.text(Txt::kontrastSchliessen));
    m_veraltet = {true, true};
}

void ScalesWindow::zeigen()
{
    show();
    aktualisieren();
    anTabelleAnpassen();
    raise();
    activateWindow();
}

void ScalesWindow::spaeterAktualisieren()
{
    if (!isVisible() || m_takt->isActive())
        return;
    const qint64 vergangen = m_seitAktualisiert.isValid() ? m_seitAktualisiert.elapsed() : taktMs;
    m_takt->start(static_cast<int>(std::max<qint64>(0, taktMs - vergangen)));
}

int ScalesWindow::gezeigterSatz() const
{
    return std::clamp(m_seiten->currentIndex(), 0, 1);
}

void ScalesWindow::aktualisieren()
{
    m_seitAktualisiert.start();
    if (m_t.englisch() != m_englisch)
        texteSetzen();
    const QVector<QRgb> farben = distinctColours(paletteColours(paletteAus(m_s, m_t)));
    if (farben != m_farben) {
        m_farben = farben;
        m_veraltet = {true, true};
    }
    const int satz = gezeigterSatz();
    if (!m_veraltet[static_cast<std::size_t>(satz)])
        return;
    satzRechnen(satz);
    tabelleFuellen(satz);
}

void ScalesWindow::satzRechnen(int satz)
{
    const auto i = static_cast<std::size_t>(satz);
    m_skalen[i] = contrastScales(m_farben, m_hintergrund[i], m_methode, m_ziele);
    m_verwechslungen[i] = stepConfusions(m_skalen[i]);
    m_veraltet[i] = false;
}

void ScalesWindow::tabelleFuellen(int satz)
{
    QTableWidget* tabelle = m_tabellen[static_cast<std::size_t>(satz)];
    const QChar dezimal = m_t.dezimalzeichen();
    const QVector<ColourScale>& skalen = m_skalen[static_cast<std::size_t>(satz)];
    const bool neueForm = tabelle->rowCount() != skalen.size() || tabelle->columnCount() != m_ziele.size();
    tabelle->setRowCount(static_cast<int>(skalen.size()));
    tabelle->setColumnCount(static_cast<int>(m_ziele.size()));
    for (int k = 0; k < m_ziele.size(); ++k)
        tabelle->setHorizontalHeaderItem(k, new QTableWidgetItem(targetText(m_ziele[k], m_methode, dezimal)));
    zellenSetzen(satz);
    // Measuring every cell is the dearest part of a refresh: only a new shape
    // measures, with room for the widest hex and a mark.
    if (neueForm)
        anTabelleAnpassen();
}

void ScalesWindow::zellenSetzen(int satz)
{
    const auto i = static_cast<std::size_t>(satz);
    QTableWidget* tabelle = m_tabellen[i];
    const LanguageTable& t = m_t;
    const QChar dezimal = t.dezimalzeichen();
    const QRgb hintergrund = m_hintergrund[i];
    const Farbsehfilter& filter = Farbsehfilter::instanz();
    const QVector<ColourScale>& skalen = m_skalen[i];
    for (int r = 0; r < skalen.size() && r < tabelle->rowCount(); ++r) {
        const ColourScale& skala = skalen[r];
        QTableWidgetItem* kopf = tabelle->verticalHeaderItem(r);
        if (!kopf) {
            kopf = new QTableWidgetItem;
            tabelle->setVerticalHeaderItem(r, kopf);
        }
        kopf->setIcon(farbMuster(skala.colour)); // a header paints pictures only
        kopf->setText(hexFarbe(skala.colour));
        for (int k = 0; k < skala.steps.size() && k < tabelle->columnCount(); ++k) {
            const ScaleStep& stufe = skala.steps[k];
            QTableWidgetItem* zelle = tabelle->item(r, k);
            if (!zelle) {
                zelle = new QTableWidgetItem;
                zelle->setTextAlignment(Qt::AlignVCenter | Qt::AlignLeft);
                tabelle->setItem(r, k, zelle);
            }
            if (!stufe.reached) {
                zelle->setData(Qt::DecorationRole, QVariant());
                zelle->setText(QStringLiteral("-"));
                zelle->setData(Qt::UserRole, QVariant());
                zelle->setToolTip(
                    t.text(Txt::skalenUnerreichbar)
                        .arg(targetText(stufe.target, m_methode, dezimal), hexFarbe(hintergrund)));
                continue;
            }
            const QVector<StepConfusion>& verwechselt = m_verwechslungen[i][r][k];
            QStringList tipp{
                QStringLiteral("WCAG 2: %1:1, APCA: Lc %2")
                    .arg(verhaeltnisText(stufe.wcagRatio, dezimal), lcText(stufe.apcaLc, dezimal))};
            for (const StepConfusion& v : verwechselt)
                tipp << t.text(Txt::skalenVerwechselbar)
                            .arg(farbsehenName(t, v.kind), hexFarbe(skalen[v.otherRow].steps[k].rgb),
                                 hexFarbe(skalen[v.otherRow].colour),
                                 QString::number(v.distance, 'f', 2).replace(QLatin1Char('.'), dezimal));
            // A colour, not a picture: the delegate paints it, nothing is drawn per refresh.
            zelle->setData(Qt::DecorationRole, filter.gezeigt(QColor::fromRgb(stufe.rgb)));
            zelle->setText(hexFarbe(stufe.rgb) + (verwechselt.isEmpty() ? QString() : verwechselbarZeichen) +
                           QLatin1Char('\n') + achievedText(stufe, m_methode, dezimal));
            zelle->setData(Qt::UserRole, hexFarbe(stufe.rgb));
            zelle->setToolTip(tipp.join(QLatin1Char('\n')));
        }
    }
}

// The whole table up to the screen: only a screen too small for it scrolls.
void ScalesWindow::anTabelleAnpassen()
{
    const int satz = gezeigterSatz();
    QTableWidget* tabelle = m_tabellen[static_cast<std::size_t>(satz)];
    tabelle->resizeColumnsToContents();
    tabelle->resizeRowsToContents();
    const int luft = tabelle->fontMetrics().horizontalAdvance(QStringLiteral("WW") + verwechselbarZeichen);
    for (int k = 0; k < tabelle->columnCount(); ++k)
        tabelle->setColumnWidth(k, tabelle->columnWidth(k) + luft);
    const int rand = 2 * tabelle->frameWidth();
    const QSize inhalt(
        tabelle->verticalHeader()->sizeHint().width() + tabelle->horizontalHeader()->length() + rand,
        tabelle->horizontalHeader()->sizeHint().height() + tabelle->verticalHeader()->length() + rand);
    // The tabs ask for the larger page: the hidden one asks for nothing.
    for (int i = 0; i < 2; ++i)
        static_cast<InhaltsTabelle*>(m_tabellen[static_cast<std::size_t>(i)])
            ->setInhalt(i == satz ? inhalt : QSize(0, 0));
    layout()->invalidate();
    const QSize wunsch = layout()->totalSizeHint();
    // A narrower screen: the table scrolls sideways, its scroll bar takes room below.
    const int breite = aufDenBildschirm(*this, wunsch).width();
    int hoehe = wunsch.height();
    if (breite < wunsch.width())
        hoehe += tabelle->horizontalScrollBar()->sizeHint().height();
    // The explanation wraps to that width.
    if (layout()->hasHeightForWidth())
        hoehe = std::max(hoehe, layout()->totalHeightForWidth(breite) + hoehe - wunsch.height());
    resize(aufDenBildschirm(*this, QSize(breite, hoehe)));
}

void ScalesWindow::methodeWaehlen(int index)
{
    const ContrastMethod methode = index == 1 ? ContrastMethod::apca : ContrastMethod::wcag2;
    if (methode == m_methode)
        return;
    m_methode = methode;
    m_ziele = defaultTargets(methode);
    m_zieleText->setText(targetsListText(m_ziele, m_t.dezimalzeichen()));
    m_veraltet = {true, true};
    aktualisieren();
}

void ScalesWindow::zieleLesen()
{
    std::optional<QVector<double>> ziele = targetsFromList(m_zieleText->text(), m_t.dezimalzeichen());
    if (!ziele) {
        // Unreadable: the last good targets come back, and the tooltip says what is wanted.
        m_zieleText->setText(targetsListText(m_ziele, m_t.dezimalzeichen()));
        return;
    }
    std::sort(ziele->begin(), ziele->end());
    ziele->erase(std::unique(ziele->begin(), ziele->end()), ziele->end());
    m_zieleText->setText(targetsListText(*ziele, m_t.dezimalzeichen()));
    if (*ziele == m_ziele)
        return;
    m_ziele = *ziele;
    m_veraltet = {true, true};
    aktualisieren();
}

void ScalesWindow::hintergrundLesen(int satz)
{
    const auto i = static_cast<std::size_t>(satz);
    BackgroundBox* box = m_hintergrundWahl[i];
    QString text = box->currentText().trimmed();
    if (!text.startsWith(QLatin1Char('#')))
        text.prepend(QLatin1Char('#'));
    const std::vector<QRgb> farbe = farbenAusHex({text});
    if (farbe.empty()) {
        box->setEditText(hexFarbe(m_hintergrund[i]));
        box->setToolTip(m_t.text(Txt::skalenHintergrundFehler));
        return;
    }
    box->setEditText(hexFarbe(farbe.front()));
    if (farbe.front() == m_hintergrund[i])
        return;
    m_hintergrund[i] = farbe.front();
    m_veraltet[i] = true;
    aktualisieren();
}

void ScalesWindow::kopieren(int was) const
{
    const int satz = gezeigterSatz();
    const QTableWidget* tabelle = m_tabellen[static_cast<std::size_t>(satz)];
    const QVector<ColourScale>& skalen = m_skalen[static_cast<std::size_t>(satz)];
    const QChar dezimal = m_t.dezimalzeichen();
    QString text;
    if (was == 0 && tabelle->currentItem())
        text = tabelle->currentItem()->data(Qt::UserRole).toString();
    else if (was == 1 && tabelle->currentRow() >= 0 && tabelle->currentRow() < skalen.size())
        text = scaleRowText(skalen[tabelle->currentRow()], m_methode, dezimal);
    else if (was == 2)
        text = scaleTableText(skalen, m_methode, m_ziele, m_t.text(Txt::skalenFarbe),
                              m_t.text(Txt::skalenErreicht), dezimal);
    if (!text.isEmpty())
        QApplication::clipboard()->setText(text);
}
