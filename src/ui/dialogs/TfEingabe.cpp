#include "ui/dialogs/TfEingabe.h"

#include "core/colour/Conversions.h"
#include "ui/display/DisplayHost.h"
#include "ui/display/ManualInputApply.h"
#include "core/language/LanguageTable.h"
#include "ui/widgets/ColourPanel.h"
#include "ui/widgets/MainWidgets.h"
#include "ui/widgets/StaticText.h"

#include <QColorDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

namespace
{

constexpr int clientBreite = 292;
constexpr int clientHoehe = 176;

QColor systemFarbAuswahl(QWidget* parent, const QColor& start)
{
    QColorDialog dialog(start, parent);
    dialog.setOptions(QColorDialog::DontUseNativeDialog);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedColor() : QColor();
}

void caretAnsEnde(QLineEdit* feld)
{
    feld->setCursorPosition(static_cast<int>(feld->text().size()));
}

QLabel* beschriftung(QWidget* parent, const QString& text, int x, int y)
{
    auto* l = new QLabel(text, parent);
    l->move(x, y);
    return l;
}

} // namespace

TfEingabe::TfEingabe(DisplayHost& host, ManualInputApply& anwenden, QWidget* parent)
    : QDialog(parent), m_host(host), m_anwenden(anwenden), m_farbAuswahl(systemFarbAuswahl)
{
    setObjectName(QStringLiteral("fEingabe"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    bauen();
    setFixedSize(clientBreite, clientHoehe);
    FormCreate();
}

QLineEdit* TfEingabe::zahlFeld(const QString& name, int x, int y)
{
    auto* e = new QLineEdit(QStringLiteral("0"), this);
    e->setObjectName(name);
    e->setMaxLength(3);
    e->setGeometry(x, y, 36, 21);
    e->installEventFilter(this);
    connect(e, &QLineEdit::textChanged, this, [this, e] { dezimalChange(e); });
    return e;
}

void TfEingabe::bauen()
{
    beschriftung(this, QStringLiteral("R"), 16, 14);
    beschriftung(this, QStringLiteral("G"), 66, 14);
    beschriftung(this, QStringLiteral("B"), 116, 14);
    Edit1 = zahlFeld(QStringLiteral("Edit1"), 16, 30);
    Edit2 = zahlFeld(QStringLiteral("Edit2"), 66, 30);
    Edit3 = zahlFeld(QStringLiteral("Edit3"), 116, 30);

    beschriftung(this, QStringLiteral("HEX"), 16, 64);
    Edit4 = new QLineEdit(QStringLiteral("#"), this);
    Edit4->setObjectName(QStringLiteral("Edit4"));
    Edit4->setMaxLength(7);
    Edit4->setGeometry(16, 80, 86, 21);
    Edit4->installEventFilter(this);
    connect(Edit4, &QLineEdit::textChanged, this, [this] { Edit4Change(); });
    Label5 = beschriftung(this, QString(), 16, 106);
    Label5->setObjectName(QStringLiteral("Label5"));

    Panel2 = new ColourPanel(this, QStringLiteral("Panel2"));
    Panel2->setBevel(ColourPanel::Bevel::lowered);
    Panel2->setGeometry(168, 22, 50, 37);
    BitBtn1 = new QPushButton(this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(168, 78, 108, 25);
    BitBtn1->setAutoDefault(false);

    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    OKBtn->setGeometry(16, 138, 80, 25);
    Button2 = new QPushButton(this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(104, 138, 80, 25);
    Button2->setAutoDefault(false);
    Button1 = new QPushButton(this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(196, 138, 80, 25);
    Button1->setAutoDefault(false);

    connect(OKBtn, &QPushButton::clicked, this, &TfEingabe::OKBtnClick);
    connect(Button2, &QPushButton::clicked, this, &TfEingabe::Button2Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TfEingabe::BitBtn1Click);
    connect(Button1, &QPushButton::clicked, this, &TfEingabe::Button1Click);
}

void TfEingabe::Button1Click()
{
    m_host.hilfeThemaZeigen(QStringLiteral("::HTML\\page05.htm"));
}

void TfEingabe::FormCreate()
{
    const LanguageTable& t = m_host.sprache();
    Label5->setText(t.text(Txt::hexFormatHinweis));
    Label5->adjustSize();
    Button1->setText(t.text(Txt::hilfe));
    Button2->setText(t.text(Txt::abbrechen));
    BitBtn1->setText(t.text(Txt::mehr));
    eingabeGueltig = false;
    Panel2->setColour(palette().color(QPalette::Button));
}

void TfEingabe::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    FormShow();
}

void TfEingabe::FormShow()
{
    const QString titel = m_host.sprache().text(Txt::eingabeTitel);
    if (windowTitle() != titel)
        setWindowTitle(titel);
    const MainState& s = m_host.state();
    const MainWidgets& w = m_host.w();
    const bool unten = s.fixiert && s.fixLinksAktiv;
    const StaticText* hex = unten ? w.SGrUnHex : w.SGrObHex;
    if (s.separatModus) {
        if (s.hdZielRechts())
            hex = unten ? w.SKlUnHex : w.SKlObHex;
        else if (s.hdZielLinks())
            hex = unten ? w.SKlUnLiHex : w.SKlObLiHex;
        else if (s.hdZielMitte())
            hex = unten ? w.SKlUnMiHex : w.SKlObMiHex;
    }
    Edit4->setText(hex->text());
    if (checkHexMitMeldung()) {
        konvertHexToRGB();
        eingabeGueltig = true;
        WerteAufnehmen();
    }
}

bool TfEingabe::checkInteger(QLineEdit* feld)
{
    const QString t = feld->text();
    if (!t.isEmpty() && nurZiffern(t) == t)
        return true;
    // Only digits pass: a sign or a hex prefix would make no channel value.
    feld->setText(nurZiffern(t));
    caretAnsEnde(feld);
    feld->setFocus();
    return false;
}

bool TfEingabe::checkHexMitMeldung()
{
    const HexPruefung p = checkHEX(Edit4->text());
    // Once per text: the key release that dismissed the box (Enter, Esc, a
    // modifier) would otherwise bring it back at once.
    if (p == HexPruefung::ungueltig && Edit4->text() != m_gemeldet) {
        m_gemeldet = Edit4->text();
        const LanguageTable& t = m_host.sprache();
        QMessageBox::information(this, t.text(Txt::hinweis), t.text(Txt::hexFehler));
    }
    return p == HexPruefung::gueltig;
}

void TfEingabe::konvertHexToRGB()
{
    const Rgb c = hexZuRgb(Edit4->text());
    eingabeR = c.r;
    eingabeG = c.g;
    eingabeB = c.b;
    Edit1->setText(QString::number(c.r));
    Edit2->setText(QString::number(c.g));
    Edit3->setText(QString::number(c.b));
    hexGeladen = true;
}

void TfEingabe::hexAusEingabe()
{
    Edit4->setText(hexText(eingabeR, eingabeG, eingabeB));
}

void TfEingabe::WerteAufnehmen()
{
    std::array<QLineEdit*, 3> felder{Edit1, Edit2, Edit3};
    std::array<int*, 3> werte{&eingabeR, &eingabeG, &eingabeB};
    for (std::size_t i = 0; i < 3; ++i) {
        if (!hexGeladen) {
            if (felder[i]->text().isEmpty())
                felder[i]->setText(QStringLiteral("0"));
            *werte[i] = felder[i]->text().toInt();
        }
        if (*werte[i] > 255) {
            *werte[i] = 255;
            felder[i]->setText(QStringLiteral("255"));
            caretAnsEnde(felder[i]);
        }
    }
    if (eingabeR == eingabeG && eingabeG == eingabeB && eingabeGueltig)
        hexAusEingabe();
    const Rgb c = eingabe();
    Panel2->setColour(QColor(c.r, c.g, c.b));
    if (!okGedrueckt)
        return;
    if (const std::optional<EingabeTreffer> t = eingabeUmrechnen(c)) {
        m_anwenden.einfaerben(t->position);
        m_anwenden.farbeZuweisen(t->position, t->punkt);
    }
}

int TfEingabe::kanalIndex(const QObject* feld) const
{
    return feld == Edit1 ? 0 : feld == Edit2 ? 1 : 2;
}

bool TfEingabe::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Edit4)
        return hexEreignis(event);
    if (watched == Edit1 || watched == Edit2 || watched == Edit3)
        return dezimalEreignis(static_cast<QLineEdit*>(watched), event);
    return QDialog::eventFilter(watched, event);
}

bool TfEingabe::dezimalEreignis(QLineEdit* feld, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Backspace && feld->text().size() == 1)
            tasteUeberspringen = true;
        hexGeladen = false;
        break;
    case QEvent::KeyRelease:
        dezimalKeyUp(feld);
        break;
    case QEvent::MouseButtonPress:
        if (feld->text() == QLatin1String("0"))
            feld->clear();
        kanalAusloesen[static_cast<std::size_t>(kanalIndex(feld))] = true;
        break;
    default:
        break;
    }
    return false;
}

void TfEingabe::dezimalKeyUp(QLineEdit* feld)
{
    if (tasteUeberspringen) {
        tasteUeberspringen = false;
        return;
    }
    if (!checkInteger(feld))
        return;
    eingabeGueltig = true;
    WerteAufnehmen();
    hexAusEingabe();
}

void TfEingabe::dezimalChange(QLineEdit* feld)
{
    const QString t = feld->text();
    if (nurZiffern(t) != t) {
        const QSignalBlocker block(feld);
        feld->setText(nurZiffern(t));
        caretAnsEnde(feld);
    }
    bool& ausloesen = kanalAusloesen[static_cast<std::size_t>(kanalIndex(feld))];
    if (ausloesen) {
        ausloesen = false;
        dezimalKeyUp(feld);
    }
}

bool TfEingabe::hexEreignis(QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down ||
            key == Qt::Key_Backspace)
            tasteUeberspringen = true;
        break;
    }
    case QEvent::KeyRelease:
        Edit4KeyUp();
        break;
    case QEvent::MouseButtonPress:
        hexAusloesen = true;
        break;
    default:
        break;
    }
    return false;
}

void TfEingabe::Edit4KeyUp()
{
    QString t = Edit4->text();
    if (t.isEmpty()) {
        Edit4->setText(QStringLiteral("#"));
        caretAnsEnde(Edit4);
    } else if (t[0] != u'#') {
        t.prepend(u'#');
        if (t.size() > 7)
            t.remove(6, 1);
        Edit4->setText(t);
        caretAnsEnde(Edit4);
    }
    if (tasteUeberspringen) {
        tasteUeberspringen = false;
        return;
    }
    if (checkHexMitMeldung()) {
        konvertHexToRGB();
        eingabeGueltig = true;
        WerteAufnehmen();
    }
}

void TfEingabe::Edit4Change()
{
    m_gemeldet.clear();
    if (hexAusloesen) {
        hexAusloesen = false;
        Edit4KeyUp();
    }
}

void TfEingabe::BitBtn1Click()
{
    const QColor knopfFarbe = palette().color(QPalette::Button);
    const QColor start = Panel2->colour() != knopfFarbe ? Panel2->colour() : QColor(Qt::white);
    const QColor c = m_farbAuswahl(this, start);
    if (!c.isValid() || c == Panel2->colour())
        return;
    Panel2->setColour(c);
    Edit1->setText(QString::number(c.red()));
    Edit2->setText(QString::number(c.green()));
    Edit3->setText(QString::number(c.blue()));
    hexAusloesen = true;
    Edit4->setText(hexText(c.red(), c.green(), c.blue()));
}

void TfEingabe::OKBtnClick()
{
    if (!eingabeGueltig)
        return;
    MainState& s = m_host.state();
    // A field emptied by a click reads as 0, as the search does.
    for (QLineEdit* feld : {Edit1, Edit2, Edit3})
        if (feld->text().isEmpty())
            feld->setText(QStringLiteral("0"));
    if (checkInteger(Edit1) && checkInteger(Edit2) && checkInteger(Edit3)) {
        s.eingabeUebernommen = true;
        m_anwenden.form1resetten();
        m_anwenden.luminoesSicherstellen();
        okGedrueckt = true;
        WerteAufnehmen();
    }
    s.eingabeFarbeAktiv = false;
    s.eingabeTexteZeigen = false;
    accept();
}

void TfEingabe::Button2Click()
{
    reject();
}

// Esc and the close box end the dialog as Cancel does, band switch included.
void TfEingabe::reject()
{
    m_anwenden.abbrechen();
    QDialog::reject();
}

void TfEingabe::done(int result)
{
    okGedrueckt = false;
    QDialog::done(result);
}
