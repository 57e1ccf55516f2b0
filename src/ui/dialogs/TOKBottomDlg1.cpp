#include "ui/dialogs/TOKBottomDlg1.h"

#include "core/colour/Conversions.h"
#include "core/language/LanguageTable.h"
#include "ui/widgets/ColourPanel.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionSlider>

StufenRegler::StufenRegler(QWidget* parent) : QSlider(Qt::Horizontal, parent)
{
    setRange(0, 4);
    setValue(2);
    setPageStep(1);
    setTickPosition(QSlider::TicksAbove);
    setTickInterval(1);
}

void StufenRegler::setAuswahl(StufenBereich bereich)
{
    if (bereich == m_auswahl)
        return;
    m_auswahl = bereich;
    update();
}

void StufenRegler::paintEvent(QPaintEvent* event)
{
    QSlider::paintEvent(event);
    QStyleOptionSlider opt;
    initStyleOption(&opt);
    const int griff = style()->pixelMetric(QStyle::PM_SliderLength, &opt, this);
    const int bahn = width() - griff;
    const auto x = [&](int stufe) {
        return griff / 2 + QStyle::sliderPositionFromValue(minimum(), maximum(), stufe, bahn);
    };
    QPainter p(this);
    p.fillRect(QRect(QPoint(x(m_auswahl.start), height() - 3), QPoint(x(m_auswahl.ende), height() - 2)),
               palette().color(QPalette::Highlight));
}

TOKBottomDlg1::TOKBottomDlg1(const LanguageTable& t, WebFeldZugang zugang, QWidget* parent)
    : QDialog(parent), m_t(t), m_zugang(std::move(zugang))
{
    setObjectName(QStringLiteral("OKBottomDlg1"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    bauen();
    setFixedSize(383, 250);
    FormCreate();
}

namespace
{
QLabel* label(QWidget* parent, int x, int y, const QString& text = {})
{
    auto* l = new QLabel(text, parent);
    l->move(x, y);
    return l;
}

ColourPanel* panel(QWidget* parent, const char* name, int y)
{
    auto* p = new ColourPanel(parent, QString::fromLatin1(name));
    p->setBevel(ColourPanel::Bevel::lowered);
    p->setGeometry(22, y, 253, 43);
    return p;
}

QPushButton* knopf(QWidget* parent, const char* name, QRect r)
{
    auto* b = new QPushButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(r);
    b->setAutoDefault(false);
    return b;
}
} // namespace

// Field names wider than the design font would run into the value columns:
// those move right, at most to the frame's inner edge.
int TOKBottomDlg1::wertSpalteVerschiebung() const
{
    const LanguageTable& t = m_t;
    int breitester = 0;
    for (Txt name : {Txt::websicherGross, Txt::websicherLinks, Txt::websicherMitte, Txt::websicherRechts,
                     Txt::vorschlagWebsicher})
        breitester = std::max(breitester, fontMetrics().horizontalAdvance(t.text(name)));
    return std::clamp(22 + breitester + 6 - 136, 0, 363 - (232 + 18 + 28));
}

void TOKBottomDlg1::bauen()
{
    auto* bevel = new QFrame(this);
    bevel->setFrameShape(QFrame::StyledPanel);
    bevel->setGeometry(12, 20, 359, 185);
    Label4 = label(this, 22, 30);
    Label4->setObjectName(QStringLiteral("Label4"));
    const char* buchstaben[] = {"R=", "G=", "B="};
    const int dx = wertSpalteVerschiebung();
    const char* tasten[] = {"R:", "G:", "B:"};
    const int tastenX[] = {22, 106, 196};
    for (std::size_t i = 0; i < 3; ++i) {
        const int x = 136 + dx + 48 * static_cast<int>(i);
        label(this, x, 30, QString::fromLatin1(buchstaben[i]));
        label(this, x, 96, QString::fromLatin1(buchstaben[i]));
        werte[i] = label(this, x + 18, 30);
        vorschlaege[i] = label(this, x + 18, 96);
        werte[i]->setMinimumWidth(28);
        vorschlaege[i]->setMinimumWidth(28);
        label(this, tastenX[i], 173, QString::fromLatin1(tasten[i]));
        regler[i] = new StufenRegler(this);
        regler[i]->setObjectName(QStringLiteral("TrackBar%1").arg(i + 1));
        regler[i]->setGeometry(tastenX[i] + 12, 166, 70, 25);
        connect(regler[i], &QSlider::valueChanged, this, [this, i](int p) { trackBarChange(i, p); });
    }
    Panel1 = panel(this, "Panel1", 48);
    Panel2 = panel(this, "Panel2", 114);
    auto* label11 = label(this, 22, 96);
    label11->setObjectName(QStringLiteral("Label11"));
    label11->setText(m_t.text(Txt::vorschlagWebsicher));
    label11->adjustSize();

    Button1 = knopf(this, "Button1", {284, 56, 75, 25});
    Button2 = knopf(this, "Button2", {284, 124, 75, 25});
    Button3 = knopf(this, "Button3", {112, 216, 75, 25});
    Button3->setText(QStringLiteral("OK"));
    Button3->setDefault(true);
    Button4 = knopf(this, "Button4", {200, 216, 75, 25});
    connect(Button1, &QPushButton::clicked, this, &TOKBottomDlg1::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TOKBottomDlg1::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button4, &QPushButton::clicked, this, &TOKBottomDlg1::Button4Click);
}

void TOKBottomDlg1::Button4Click()
{
    m_zugang.hilfe();
}

void TOKBottomDlg1::FormCreate()
{
    const LanguageTable& t = m_t;
    setWindowTitle(t.text(Txt::websicherTitel));
    Button4->setText(t.text(Txt::hilfe));
    Button1->setText(t.text(Txt::naechste));
    Button2->setText(t.text(Txt::zuweisen));
    Label4->setText(t.text(Txt::websicherGross));
    Label4->adjustSize();
}

void TOKBottomDlg1::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    m_feld = Feld::gross;
    feldLaden();
    umrechnen();
}

// A field the mode does not use shows "-" as its R value.
bool TOKBottomDlg1::inUse(Feld feld) const
{
    return m_zugang.lesen(feld).rgb[0] != QLatin1String("-");
}

void TOKBottomDlg1::feldLaden()
{
    const WebFeldAnzeige q = m_zugang.lesen(m_feld);
    for (std::size_t i = 0; i < 3; ++i) {
        bool ok = false;
        const int v = q.rgb[i].toInt(&ok);
        m_wert[i] = ok ? std::clamp(v, 0, 255) : 0;
        werte[i]->setText(q.rgb[i]);
    }
    const LanguageTable& t = m_t;
    const Txt name = m_feld == Feld::gross   ? Txt::websicherGross
                     : m_feld == Feld::links ? Txt::websicherLinks
                     : m_feld == Feld::mitte ? Txt::websicherMitte
                                                : Txt::websicherRechts;
    Label4->setText(t.text(name));
    Label4->adjustSize();
    Panel1->setColour(q.farbe);
}

void TOKBottomDlg1::umrechnen()
{
    for (std::size_t i = 0; i < 3; ++i) {
        m_vorschlag[i] = websichereFarben(m_wert[i], m_stufe[i]);
        regler[i]->setAuswahl(stufenBereich(m_vorschlag[i]));
        vorschlaege[i]->setText(QString::number(m_vorschlag[i]));
    }
    vorschlagFaerben();
}

void TOKBottomDlg1::umrechnenKanal(std::size_t kanal)
{
    m_vorschlag[kanal] = websichereFarben(m_wert[kanal], m_stufe[kanal]);
    vorschlaege[kanal]->setText(QString::number(m_vorschlag[kanal]));
    vorschlagFaerben();
}

void TOKBottomDlg1::vorschlagFaerben()
{
    Panel2->setColour(QColor(m_vorschlag[0], m_vorschlag[1], m_vorschlag[2]));
}

void TOKBottomDlg1::trackBarChange(std::size_t kanal, int p)
{
    const int stufe = stufeNachZug(m_vorschlag[kanal], m_stufe[kanal], p);
    m_stufe[kanal] = stufe;
    if (stufe != p) {
        // The proposal is already at the end of the scale in that direction.
        regler[kanal]->setValue(stufe);
        return;
    }
    umrechnenKanal(kanal);
}

void TOKBottomDlg1::Button1Click()
{
    for (StufenRegler* r : regler)
        r->setValue(2);
    const Feld naechstes = naechstesFeld(m_feld, inUse(Feld::links), inUse(Feld::rechts), inUse(Feld::mitte));
    if (naechstes != m_feld) {
        m_feld = naechstes;
        feldLaden();
    }
    umrechnen();
}

void TOKBottomDlg1::Button2Click()
{
    m_zugang.zuweisen(m_feld, QColor(m_vorschlag[0], m_vorschlag[1], m_vorschlag[2]));
}
