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

StepSlider::StepSlider(QWidget* parent) : QSlider(Qt::Horizontal, parent)
{
    setRange(0, 4);
    setValue(2);
    setPageStep(1);
    setTickPosition(QSlider::TicksAbove);
    setTickInterval(1);
}

void StepSlider::setSelectedRange(StepRange range)
{
    if (range == m_auswahl)
        return;
    m_auswahl = range;
    update();
}

void StepSlider::paintEvent(QPaintEvent* event)
{
    QSlider::paintEvent(event);
    QStyleOptionSlider opt;
    initStyleOption(&opt);
    const int griff = style()->pixelMetric(QStyle::PM_SliderLength, &opt, this);
    const int bahn = width() - griff;
    const auto x = [&](int level) {
        return griff / 2 + QStyle::sliderPositionFromValue(minimum(), maximum(), level, bahn);
    };
    QPainter p(this);
    p.fillRect(QRect(QPoint(x(m_auswahl.start), height() - 3), QPoint(x(m_auswahl.endPoint), height() - 2)),
               palette().color(QPalette::Highlight));
}

TOKBottomDlg1::TOKBottomDlg1(const LanguageTable& t, WebFieldAccess dialogAccess, QWidget* parent)
    : QDialog(parent), m_t(t), m_zugang(std::move(dialogAccess))
{
    setObjectName(QStringLiteral("OKBottomDlg1"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    build();
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

QPushButton* button(QWidget* parent, const char* name, QRect r)
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
int TOKBottomDlg1::valueColumnShift() const
{
    const LanguageTable& t = m_t;
    int breitester = 0;
    for (Txt name :
         {Txt::webSafeBig, Txt::webSafeLeft, Txt::webSafeCentre, Txt::webSafeRight, Txt::suggestionWebSafe})
        breitester = std::max(breitester, fontMetrics().horizontalAdvance(t.text(name)));
    return std::clamp(22 + breitester + 6 - 136, 0, 363 - (232 + 18 + 28));
}

void TOKBottomDlg1::build()
{
    auto* bevel = new QFrame(this);
    bevel->setFrameShape(QFrame::StyledPanel);
    bevel->setGeometry(12, 20, 359, 185);
    Label4 = label(this, 22, 30);
    Label4->setObjectName(QStringLiteral("Label4"));
    const char* buchstaben[] = {"R=", "G=", "B="};
    const int dx = valueColumnShift();
    const char* tasten[] = {"R:", "G:", "B:"};
    const int tastenX[] = {22, 106, 196};
    for (std::size_t i = 0; i < 3; ++i) {
        const int x = 136 + dx + 48 * static_cast<int>(i);
        label(this, x, 30, QString::fromLatin1(buchstaben[i]));
        label(this, x, 96, QString::fromLatin1(buchstaben[i]));
        valueSet[i] = label(this, x + 18, 30);
        suggestions[i] = label(this, x + 18, 96);
        valueSet[i]->setMinimumWidth(28);
        suggestions[i]->setMinimumWidth(28);
        label(this, tastenX[i], 173, QString::fromLatin1(tasten[i]));
        sliders[i] = new StepSlider(this);
        sliders[i]->setObjectName(QStringLiteral("TrackBar%1").arg(i + 1));
        sliders[i]->setGeometry(tastenX[i] + 12, 166, 70, 25);
        connect(sliders[i], &QSlider::valueChanged, this, [this, i](int p) { trackBarChange(i, p); });
    }
    Panel1 = panel(this, "Panel1", 48);
    Panel2 = panel(this, "Panel2", 114);
    auto* label11 = label(this, 22, 96);
    label11->setObjectName(QStringLiteral("Label11"));
    label11->setText(m_t.text(Txt::suggestionWebSafe));
    label11->adjustSize();

    Button1 = button(this, "Button1", {284, 56, 75, 25});
    Button2 = button(this, "Button2", {284, 124, 75, 25});
    Button3 = button(this, "Button3", {112, 216, 75, 25});
    Button3->setText(QStringLiteral("OK"));
    Button3->setDefault(true);
    Button4 = button(this, "Button4", {200, 216, 75, 25});
    connect(Button1, &QPushButton::clicked, this, &TOKBottomDlg1::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TOKBottomDlg1::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button4, &QPushButton::clicked, this, &TOKBottomDlg1::Button4Click);
}

void TOKBottomDlg1::Button4Click()
{
    m_zugang.help();
}

void TOKBottomDlg1::FormCreate()
{
    const LanguageTable& t = m_t;
    setWindowTitle(t.text(Txt::webSafeTitle));
    Button4->setText(t.text(Txt::help));
    Button1->setText(t.text(Txt::nextOne));
    Button2->setText(t.text(Txt::assignColour));
    Label4->setText(t.text(Txt::webSafeBig));
    Label4->adjustSize();
}

void TOKBottomDlg1::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    m_feld = Field::big;
    loadField();
    umrechnen();
}

// A field the mode does not use shows "-" as its R value.
bool TOKBottomDlg1::inUse(Field field) const
{
    return m_zugang.readIn(field).rgb[0] != QLatin1String("-");
}

void TOKBottomDlg1::loadField()
{
    const WebFieldDisplay q = m_zugang.readIn(m_feld);
    for (std::size_t i = 0; i < 3; ++i) {
        bool ok = false;
        const int v = q.rgb[i].toInt(&ok);
        m_wert[i] = ok ? std::clamp(v, 0, 255) : 0;
        valueSet[i]->setText(q.rgb[i]);
    }
    const LanguageTable& t = m_t;
    const Txt name = m_feld == Field::big      ? Txt::webSafeBig
                     : m_feld == Field::left   ? Txt::webSafeLeft
                     : m_feld == Field::centre ? Txt::webSafeCentre
                                               : Txt::webSafeRight;
    Label4->setText(t.text(name));
    Label4->adjustSize();
    Panel1->setColour(q.colourValue);
}

void TOKBottomDlg1::umrechnen()
{
    for (std::size_t i = 0; i < 3; ++i) {
        m_vorschlag[i] = websichereFarben(m_wert[i], m_stufe[i]);
        sliders[i]->setSelectedRange(stepRange(m_vorschlag[i]));
        suggestions[i]->setText(QString::number(m_vorschlag[i]));
    }
    colourSuggestion();
}

void TOKBottomDlg1::recalculateChannel(std::size_t colourChannel)
{
    m_vorschlag[colourChannel] = websichereFarben(m_wert[colourChannel], m_stufe[colourChannel]);
    suggestions[colourChannel]->setText(QString::number(m_vorschlag[colourChannel]));
    colourSuggestion();
}

void TOKBottomDlg1::colourSuggestion()
{
    Panel2->setColour(QColor(m_vorschlag[0], m_vorschlag[1], m_vorschlag[2]));
}

void TOKBottomDlg1::trackBarChange(std::size_t colourChannel, int p)
{
    const int level = stepAfterDrag(m_vorschlag[colourChannel], m_stufe[colourChannel], p);
    m_stufe[colourChannel] = level;
    if (level != p) {
        // The proposal is already at the end of the scale in that direction.
        sliders[colourChannel]->setValue(level);
        return;
    }
    recalculateChannel(colourChannel);
}

void TOKBottomDlg1::Button1Click()
{
    for (StepSlider* r : sliders)
        r->setValue(2);
    const Field naechstes = nextField(m_feld, inUse(Field::left), inUse(Field::right), inUse(Field::centre));
    if (naechstes != m_feld) {
        m_feld = naechstes;
        loadField();
    }
    umrechnen();
}

void TOKBottomDlg1::Button2Click()
{
    m_zugang.assignColour(m_feld, QColor(m_vorschlag[0], m_vorschlag[1], m_vorschlag[2]));
}
