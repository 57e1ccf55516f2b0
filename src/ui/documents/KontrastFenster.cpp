#include "ui/documents/KontrastFenster.h"

#include "core/colour/Contrast.h"
#include "core/language/LanguageTable.h"
#include "ui/layout/ScreenFit.h"
#include "ui/widgets/ColourPanel.h"
#include "ui/widgets/Farbsehfilter.h"
#include "ui/widgets/MainWidgets.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
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

// Every field panel that can show a colour, in display order. In fannings the
// rows' container is the big field.
std::vector<const ColourPanel*> feldPanels(const MainWidgets& w)
{
    std::vector<const ColourPanel*> felder{w.FixedLinks,
                                           w.FixedLinksReihen,
                                           w.FixedLinksKleinLinks,
                                           w.FixedLinksKleinMitte,
                                           w.FixedLinksKleinRechts,
                                           w.Anzeige_Normal,
                                           w.AnzeigeReihen,
                                           w.FixedRechts,
                                           w.FixedRechtsReihen,
                                           w.KleinLinks,
                                           w.KleinMitte,
                                           w.KleinRechts,
                                           w.FixedKleinLinks,
                                           w.FixedKleinMitte,
                                           w.FixedKleinRechts};
    for (const auto* reihe : {&w.RLi, &w.R, &w.RRe})
        for (std::size_t k = 1; k <= 15; ++k)
            felder.push_back((*reihe)[k]);
    return felder;
}

// The topmost widget one sees at `punkt` (in `w`): a panel without a colour is
// see-through, as the rows' container over the big field of a fanning.
const QWidget* gesehenBei(const QWidget* w, QPoint punkt)
{
    const QObjectList& kinder = w->children();
    for (auto it = kinder.crbegin(); it != kinder.crend(); ++it) {
        const auto* kind = qobject_cast<const QWidget*>(*it);
        if (!kind || kind->isWindow() || kind->isHidden() || !kind->geometry().contains(punkt))
            continue;
        if (const QWidget* treffer = gesehenBei(kind, punkt - kind->pos()))
            return treffer;
    }
    const auto* panel = qobject_cast<const ColourPanel*>(w);
    return panel && !panel->hasColour() ? nullptr : w;
}

// Shown: visible, and seen at its centre or one of its corners (rows cover the
// big field of a colour row, the big field covers parked panels).
bool zuSehen(const ColourPanel* p, const QWidget& fenster)
{
    if (!p->hasColour() || !p->isVisibleTo(&fenster) || p->width() < 3 || p->height() < 3)
        return false;
    const QRect r = p->rect().adjusted(1, 1, -1, -1);
    for (const QPoint punkt : {r.center(), r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()}) {
        const QWidget* oben = gesehenBei(&fenster, p->mapTo(&fenster, punkt));
        if (oben == p || p->isAncestorOf(oben))
            return true;
    }
    return false;
}

QIcon farbIcon(QRgb farbe)
{
    QPixmap p(12, 12);
    p.fill(Farbsehfilter::instanz().gezeigt(QColor::fromRgb(farbe)));
    return QIcon(p);
}

// "Aa" in the text colour on the background, as the display would show it.
QIcon schriftprobe(QRgb text, QRgb hintergrund)
{
    const Farbsehfilter& filter = Farbsehfilter::instanz();
    QPixmap p(26, 18);
    p.fill(filter.gezeigt(QColor::fromRgb(hintergrund)));
    QPainter maler(&p);
    QFont f = maler.font();
    f.setBold(true);
    maler.setFont(f);
    maler.setPen(filter.gezeigt(QColor::fromRgb(text)));
    maler.drawText(p.rect(), Qt::AlignCenter, QStringLiteral("Aa"));
    return QIcon(p);
}

Txt farbsehenText(Farbsehen art)
{
    switch (art) {
    case Farbsehen::protanopie:
        return Txt::farbsehenProtanopie;
    case Farbsehen::deuteranopie:
        return Txt::farbsehenDeuteranopie;
    case Farbsehen::tritanopie:
        return Txt::farbsehenTritanopie;
    case Farbsehen::achromatopsie:
        return Txt::farbsehenAchromatopsie;
    case Farbsehen::normal:
        break;
    }
    return Txt::farbsehenNormal;
}

} // namespace

QString farbsehenName(const LanguageTable& t, Farbsehen art)
{
    return QString(t.text(farbsehenText(art))).remove(QLatin1Char('&'));
}

KontrastFenster::KontrastFenster(const LanguageTable& t, std::function<std::vector<QRgb>()> farben,
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
    connect(m_kopieren, &QPushButton::clicked, this, &KontrastFenster::kopieren);
    connect(m_schliessen, &QPushButton::clicked, this, &QDialog::close);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(m_kopieren);
    knoepfe->addWidget(m_schliessen);
    auto* aussen = new QVBoxLayout(this);
    aussen->addWidget(m_erklaerung);
    aussen->addWidget(m_tabelle, 1);
    aussen->addLayout(knoepfe);

    m_auffrischen = new QTimer(this);
    m_auffrischen->setSingleShot(true);
    m_auffrischen->setInterval(0);
    connect(m_auffrischen, &QTimer::timeout, this, &KontrastFenster::auffrischen);
    // The swatches beside the hex values are shown colours.
    connect(&Farbsehfilter::instanz(), &Farbsehfilter::geaendert, this, [this] {
        if (isVisible())
            tabelleFuellen();
    });
    texteSetzen();
}

void KontrastFenster::texteSetzen()
{
    const LanguageTable& t = m_t;
    setWindowTitle(t.text(Txt::kontrastTitel));
    m_erklaerung->setText(t.text(Txt::kontrastErklaerung));
    m_kopieren->setText(t.text(Txt::kontrastKopieren));
    m_schliessen->setText(t.text(Txt::kontrastSchliessen));
    if (isVisible())
        tabelleFuellen();
}

std::vector<QRgb> KontrastFenster::gezeigteFarben() const
{
    return m_farben();
}

std::vector<QRgb> gezeigteFeldFarben(const MainWidgets& w, const QWidget& fenster)
{
    std::vector<QRgb> farben;
    for (const ColourPanel* p : feldPanels(w)) {
        // Behind colour rows the container holds the window background, no field.
        const bool reihenGrund = p == w.AnzeigeReihen || p == w.FixedLinksReihen || p == w.FixedRechtsReihen;
        if ((!reihenGrund || p->marker() != 0) && zuSehen(p, fenster))
            farben.push_back(p->colour().rgb());
    }
    return farben;
}

void KontrastFenster::spaeterAuffrischen()
{
    if (isVisible())
        m_auffrischen->start();
}

void KontrastFenster::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    auffrischen();
}

void KontrastFenster::auffrischen()
{
    const std::vector<QRgb> farben = gezeigteFarben();
    if (farben == m_matrix.farben && m_tabelle->rowCount() == static_cast<int>(farben.size()))
        return;
    m_matrix = kontrastMatrix(farben);
    m_verwechselt = confusedPairs(QVector<QRgb>(farben.begin(), farben.end()));
    tabelleFuellen();
}

QString KontrastFenster::zellenText(const KontrastZelle& z) const
{
    QString wcag;
    switch (wcagStufe(z.verhaeltnis)) {
    case WcagStufe::aaa:
        wcag = QStringLiteral("AAA");
        break;
    case WcagStufe::aa: // from 4.5, large text also meets AAA
        wcag = QStringLiteral("AA, ") + m_t.text(Txt::kontrastAaaGross);
        break;
    case WcagStufe::aaGross:
        wcag = m_t.text(Txt::kontrastAaGross);
        break;
    case WcagStufe::keine:
        wcag = QStringLiteral("–");
        break;
    }
    const int stufe = apcaStufe(z.lc);
    const QString apca = stufe ? QStringLiteral("Lc %1").arg(stufe) : QStringLiteral("–");
    const QChar dezimal = m_t.dezimalzeichen();
    return verhaeltnisText(z.verhaeltnis, dezimal) + QStringLiteral("  ") + wcag + QLatin1Char('\n') +
           lcText(z.lc, dezimal) + QStringLiteral("  ") + apca;
}

void KontrastFenster::tabelleFuellen()
{
    const auto n = static_cast<int>(m_matrix.farben.size());
    m_tabelle->clear();
    m_tabelle->setRowCount(n);
    m_tabelle->setColumnCount(n);
    for (int i = 0; i < n; ++i) {
        const QRgb farbe = m_matrix.farben[static_cast<std::size_t>(i)];
        m_tabelle->setHorizontalHeaderItem(i, new QTableWidgetItem(farbIcon(farbe), hexFarbe(farbe)));
        m_tabelle->setVerticalHeaderItem(i, new QTableWidgetItem(farbIcon(farbe), hexFarbe(farbe)));
    }
    for (int t = 0; t < n; ++t)
        for (int h = 0; h < n; ++h) {
            if (t == h)
                continue; // a colour on itself says nothing
            const KontrastZelle& z =
                m_matrix.zellen[static_cast<std::size_t>(t)][static_cast<std::size_t>(h)];
            auto* item = new QTableWidgetItem(schriftprobe(m_matrix.farben[static_cast<std::size_t>(t)],
                                                           m_matrix.farben[static_cast<std::size_t>(h)]),
                                              zellenText(z));
            item->setTextAlignment(Qt::AlignVCenter | Qt::AlignLeft);
            m_tabelle->setItem(t, h, item);
        }
    verwechslungenZeigen();
    // Once the new cells are laid out and polished, the window takes their size.
    QTimer::singleShot(0, this, &KontrastFenster::anMatrixAnpassen);
}

// Pairs a colour-vision deficiency runs together: a mark in both their cells,
// the kinds and distances in the tooltip.
void KontrastFenster::verwechslungenZeigen()
{
    const QChar dezimal = m_t.dezimalzeichen();
    std::map<std::pair<int, int>, QStringList> arten;
    for (const ConfusedPair& p : m_verwechselt)
        arten[{p.first, p.second}]
            << QStringLiteral("%1 (ΔE00 %2)")
                   .arg(farbsehenName(m_t, p.kind),
                        QString::number(p.distance, 'f', 2).replace(QLatin1Char('.'), dezimal));
    for (const auto& [paar, liste] : arten) {
        const QString tipp = m_t.text(Txt::kontrastVerwechselbar).arg(liste.join(QStringLiteral(", ")));
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
void KontrastFenster::anMatrixAnpassen()
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
    const int abstand = layout()->spacing();
    const int breite = std::max(matrix.width() + raender.left() + raender.right(), minimumSizeHint().width());
    const int hoehe = raender.top() +
                      m_erklaerung->heightForWidth(breite - raender.left() - raender.right()) + abstand +
                      matrix.height() + abstand + m_kopieren->sizeHint().height() + raender.bottom();
    resize(aufDenBildschirm(*this, QSize(breite, hoehe)));
}

void KontrastFenster::kopieren() const
{
    const LanguageTable& t = m_t;
    QApplication::clipboard()->setText(kontrastMatrixText(m_matrix, t.text(Txt::kontrastEcke),
                                                          t.text(Txt::kontrastVerhaeltnis),
                                                          t.text(Txt::kontrastLc), t.dezimalzeichen()));
}

void kontrastFensterVerbinden(KontrastFenster& k, const MainWidgets& w, const QWidget& fenster)
{
    for (const ColourPanel* p : feldPanels(w))
        QObject::connect(p, &ColourPanel::colourChanged, &k, &KontrastFenster::spaeterAuffrischen);
    // Showing and hiding fields (modes, field counts, fixing) come with an action or a control.
    for (QAction* a : fenster.actions())
        QObject::connect(a, &QAction::triggered, &k, &KontrastFenster::spaeterAuffrischen);
    QObject::connect(w.ComboBox1, &QComboBox::activated, &k, &KontrastFenster::spaeterAuffrischen);
}
