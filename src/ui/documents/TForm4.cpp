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
#include <QPrinter>
#include <QPushButton>

#include <algorithm>

namespace
{

constexpr int fensterBreite = 485;
constexpr int zeileX = 16;
constexpr int zeileBreite = 453;
constexpr int zeileHoehe = 19;
constexpr int wertX[] = {273, 308, 343, 378};
constexpr int wertBreite[] = {31, 31, 31, 71};
constexpr int designNamenBreite = wertX[0] - 108;
constexpr int rahmenOben = 8;
constexpr int knopfHoehe = 25;

QColor swatchFarbe(const FeldTexte& w)
{
    return QColor(w.r.toInt(), w.g.toInt(), w.b.toInt());
}

} // namespace

TForm4::TForm4(const MainState& s, const LanguageTable& t, PrinterChooser& drucker, int& druckZeile,
               QWidget* parent)
    : QDialog(parent), m_t(t), m_drucker(drucker), m_druckZeile(druckZeile)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(t.text(Txt::zwischendaten));
    const int n = stufenAus(s.stufeAktiv);
    m_zeilen = zwischenZeilen(n, s.modus() != Modus::reihen, t);
    m_werte = zeilenWerte(m_zeilen, s.endFarben);

    // The design's measures, widened for the longest name and cut to what the rows and
    // buttons need: the design's heights counted the title bar, which a Qt window does not.
    const ZwischenMasse masse = zwischenMasse(n);
    int namenBreite = 0;
    for (const ZwischenZeile& z : m_zeilen)
        namenBreite = std::max(namenBreite, fontMetrics().horizontalAdvance(z.label) + 4);
    m_mehrBreite = std::max(0, namenBreite - designNamenBreite);
    const int letzteZeile = m_zeilen.empty() ? 0 : m_zeilen.back().y + zeileHoehe;
    const int rahmenHoehe = std::max(masse.rahmenHoehe, letzteZeile + 3 - rahmenOben);
    const int knopfOben = std::max(masse.knopfOben, rahmenOben + rahmenHoehe + 12);
    const int breite = fensterBreite + m_mehrBreite;
    setFixedSize(aufDenBildschirm(*this, QSize(breite, knopfOben + knopfHoehe + 12)));
    auto* bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setGeometry(rahmenOben, rahmenOben, breite - 2 * rahmenOben, rahmenHoehe);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    QAction* kopieren = PopupMenu1->addAction(t.text(Txt::kopieren));
    kopieren->setObjectName(QStringLiteral("Kopieren1"));
    connect(kopieren, &QAction::triggered, this, &TForm4::Kopieren1Click);

    zeilenBauen();
    knoepfeBauen(knopfOben);
}

void TForm4::zeilenBauen()
{
    const QPalette& p = palette();
    for (std::size_t i = 0; i < m_zeilen.size(); ++i) {
        const ZwischenZeile& z = m_zeilen[i];
        auto* panel = new QWidget(this);
        panel->setGeometry(zeileX, z.y, zeileBreite + m_mehrBreite, zeileHoehe);
        panel->installEventFilter(this);
        auto* swatch = new ColourPanel(panel);
        swatch->setGeometry(1, 1, 96, 17);
        swatch->setColour(swatchFarbe(m_werte[i]));
        swatch->setBevel(ColourPanel::Bevel::lowered);
        auto* label = new QLabel(z.label, panel);
        label->setGeometry(104, 0, designNamenBreite + m_mehrBreite, zeileHoehe);
        label->installEventFilter(this);
        const QString texte[] = {m_werte[i].r, m_werte[i].g, m_werte[i].b, m_werte[i].hex};
        for (int k = 0; k < 4; ++k) {
            auto* wert = new StaticText(panel, QString(), wertBreite[k]);
            wert->setGeometry(wertX[k] + m_mehrBreite, 1, wertBreite[k], zeileHoehe - 2);
            wert->setText(texte[k]);
            wert->setColours(p.color(QPalette::Base), p.color(QPalette::Text));
            wert->setContextMenuPolicy(Qt::CustomContextMenu);
            wert->installEventFilter(this);
            connect(wert, &QWidget::customContextMenuRequested, this,
                    [this, wert](QPoint pos) { PopupMenu1->popup(wert->mapToGlobal(pos)); });
            m_wertTexte.push_back(wert);
        }
        m_zeilenPanels.push_back(panel);
    }
}

void TForm4::knoepfeBauen(int oben)
{
    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(zeileX, oben, 75, knopfHoehe);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    Button2 = new QPushButton(m_t.text(Txt::drucken), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(zeileX + 85, oben, 100, knopfHoehe);
    connect(Button2, &QPushButton::clicked, this, &TForm4::Button2Click);
    Button3 = new QPushButton(m_t.text(Txt::allesKopieren), this);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button3->setGeometry(zeileX + zeileBreite + m_mehrBreite - 220, oben, 220, knopfHoehe);
    connect(Button3, &QPushButton::clicked, this, &TForm4::Button3Click);
}

StaticText* TForm4::wertText(std::size_t zeile, int spalte) const
{
    return m_wertTexte.at(4 * zeile + static_cast<std::size_t>(spalte));
}

QString TForm4::werteKopieren() const
{
    return reihenTabelleText(m_werte, m_t.englisch());
}

void TForm4::werteDrucken(DruckSeite& seite) const
{
    reihenTabelleDrucken(seite, m_werte);
}

void TForm4::Button2Click()
{
    QPrinter* printer = m_drucker.einrichten(this);
    if (!printer)
        return;
    DruckSeite seite{.texte = {}, .druckZeile = m_druckZeile};
    werteDrucken(seite);
    auftragDrucken(*printer, seite, this, m_t);
    m_druckZeile = druckStart;
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
    if (auto* wert = qobject_cast<StaticText*>(watched)) {
        StaticTextMouseDown(wert);
        return true;
    }
    resetteStaticText();
    return QDialog::eventFilter(watched, event);
}
