#include "ui/dialogs/TfEingabe.h"

#include "core/colour/Conversions.h"
#include "core/language/LanguageTable.h"
#include "ui/widgets/ColourPanel.h"

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

constexpr int clientWidth = 292;
constexpr int clientHeight = 176;

QColor systemColourChooser(QWidget* parent, const QColor& start)
{
    QColorDialog dialog(start, parent);
    dialog.setOptions(QColorDialog::DontUseNativeDialog);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedColor() : QColor();
}

void moveCaretToEnd(QLineEdit* field)
{
    field->setCursorPosition(static_cast<int>(field->text().size()));
}

QLabel* addCaption(QWidget* parent, const QString& text, int x, int y)
{
    auto* l = new QLabel(text, parent);
    l->move(x, y);
    return l;
}

} // namespace

TfEingabe::TfEingabe(const LanguageTable& t, InputAccess dialogAccess, QWidget* parent)
    : QDialog(parent), m_t(t), m_zugang(std::move(dialogAccess)), m_farbAuswahl(systemColourChooser)
{
    setObjectName(QStringLiteral("fEingabe"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    build();
    setFixedSize(clientWidth, clientHeight);
    FormCreate();
}

QLineEdit* TfEingabe::numberField(const QString& name, int x, int y)
{
    auto* e = new QLineEdit(QStringLiteral("0"), this);
    e->setObjectName(name);
    e->setMaxLength(3);
    e->setGeometry(x, y, 36, 21);
    e->installEventFilter(this);
    connect(e, &QLineEdit::textChanged, this, [this, e] { decimalChange(e); });
    return e;
}

void TfEingabe::build()
{
    addCaption(this, QStringLiteral("R"), 16, 14);
    addCaption(this, QStringLiteral("G"), 66, 14);
    addCaption(this, QStringLiteral("B"), 116, 14);
    Edit1 = numberField(QStringLiteral("Edit1"), 16, 30);
    Edit2 = numberField(QStringLiteral("Edit2"), 66, 30);
    Edit3 = numberField(QStringLiteral("Edit3"), 116, 30);

    addCaption(this, QStringLiteral("HEX"), 16, 64);
    Edit4 = new QLineEdit(QStringLiteral("#"), this);
    Edit4->setObjectName(QStringLiteral("Edit4"));
    Edit4->setMaxLength(7);
    Edit4->setGeometry(16, 80, 86, 21);
    Edit4->installEventFilter(this);
    connect(Edit4, &QLineEdit::textChanged, this, [this] { Edit4Change(); });
    Label5 = addCaption(this, QString(), 16, 106);
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
    m_zugang.help();
}

void TfEingabe::FormCreate()
{
    const LanguageTable& t = m_t;
    Label5->setText(t.text(Txt::hexFormatNote));
    Label5->adjustSize();
    Button1->setText(t.text(Txt::help));
    Button2->setText(t.text(Txt::cancel));
    BitBtn1->setText(t.text(Txt::more));
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
    const QString titleText = m_t.text(Txt::inputTitle);
    if (windowTitle() != titleText)
        setWindowTitle(titleText);
    Edit4->setText(m_zugang.fieldHex());
    if (checkHexWithMessage()) {
        konvertHexToRGB();
        eingabeGueltig = true;
        WerteAufnehmen();
    }
}

bool TfEingabe::checkInteger(QLineEdit* field)
{
    const QString t = field->text();
    if (!t.isEmpty() && digitsOnly(t) == t)
        return true;
    // Only digits pass: a sign or a hex prefix would make no channel value.
    field->setText(digitsOnly(t));
    moveCaretToEnd(field);
    field->setFocus();
    return false;
}

bool TfEingabe::checkHexWithMessage()
{
    const HexCheck p = checkHEX(Edit4->text());
    // Once per text: the key release that dismissed the box (Enter, Esc, a
    // modifier) would otherwise bring it back at once.
    if (p == HexCheck::invalid && Edit4->text() != m_gemeldet) {
        m_gemeldet = Edit4->text();
        const LanguageTable& t = m_t;
        QMessageBox::information(this, t.text(Txt::note), t.text(Txt::hexError));
    }
    return p == HexCheck::valid;
}

void TfEingabe::konvertHexToRGB()
{
    const Rgb c = hexToRgb(Edit4->text());
    eingabeR = c.r;
    eingabeG = c.g;
    eingabeB = c.b;
    Edit1->setText(QString::number(c.r));
    Edit2->setText(QString::number(c.g));
    Edit3->setText(QString::number(c.b));
    hexGeladen = true;
}

void TfEingabe::hexFromInput()
{
    Edit4->setText(hexText(eingabeR, eingabeG, eingabeB));
}

void TfEingabe::WerteAufnehmen()
{
    std::array<QLineEdit*, 3> fields{Edit1, Edit2, Edit3};
    std::array<int*, 3> valueSet{&eingabeR, &eingabeG, &eingabeB};
    for (std::size_t i = 0; i < 3; ++i) {
        if (!hexGeladen) {
            if (fields[i]->text().isEmpty())
                fields[i]->setText(QStringLiteral("0"));
            *valueSet[i] = fields[i]->text().toInt();
        }
        if (*valueSet[i] > 255) {
            *valueSet[i] = 255;
            fields[i]->setText(QStringLiteral("255"));
            moveCaretToEnd(fields[i]);
        }
    }
    if (eingabeR == eingabeG && eingabeG == eingabeB && eingabeGueltig)
        hexFromInput();
    const Rgb c = input();
    Panel2->setColour(QColor(c.r, c.g, c.b));
    if (!okGedrueckt)
        return;
    if (const std::optional<InputMatch> t = convertInput(c)) {
        m_zugang.applyChange(*t);
    }
}

int TfEingabe::channelIndex(const QObject* field) const
{
    return field == Edit1 ? 0 : field == Edit2 ? 1 : 2;
}

bool TfEingabe::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Edit4)
        return hexEvent(event);
    if (watched == Edit1 || watched == Edit2 || watched == Edit3)
        return decimalEvent(static_cast<QLineEdit*>(watched), event);
    return QDialog::eventFilter(watched, event);
}

bool TfEingabe::decimalEvent(QLineEdit* field, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Backspace && field->text().size() == 1)
            tasteUeberspringen = true;
        hexGeladen = false;
        break;
    case QEvent::KeyRelease:
        decimalKeyUp(field);
        break;
    case QEvent::MouseButtonPress:
        if (field->text() == QLatin1String("0"))
            field->clear();
        triggerChannel[static_cast<std::size_t>(channelIndex(field))] = true;
        break;
    default:
        break;
    }
    return false;
}

void TfEingabe::decimalKeyUp(QLineEdit* field)
{
    if (tasteUeberspringen) {
        tasteUeberspringen = false;
        return;
    }
    if (!checkInteger(field))
        return;
    eingabeGueltig = true;
    WerteAufnehmen();
    hexFromInput();
}

void TfEingabe::decimalChange(QLineEdit* field)
{
    const QString t = field->text();
    if (digitsOnly(t) != t) {
        const QSignalBlocker block(field);
        field->setText(digitsOnly(t));
        moveCaretToEnd(field);
    }
    bool& ausloesen = triggerChannel[static_cast<std::size_t>(channelIndex(field))];
    if (ausloesen) {
        ausloesen = false;
        decimalKeyUp(field);
    }
}

bool TfEingabe::hexEvent(QEvent* event)
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
        moveCaretToEnd(Edit4);
    } else if (t[0] != u'#') {
        t.prepend(u'#');
        if (t.size() > 7)
            t.remove(6, 1);
        Edit4->setText(t);
        moveCaretToEnd(Edit4);
    }
    if (tasteUeberspringen) {
        tasteUeberspringen = false;
        return;
    }
    if (checkHexWithMessage()) {
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
    // A field emptied by a click reads as 0, as the search does.
    for (QLineEdit* field : {Edit1, Edit2, Edit3})
        if (field->text().isEmpty())
            field->setText(QStringLiteral("0"));
    if (checkInteger(Edit1) && checkInteger(Edit2) && checkInteger(Edit3)) {
        m_zugang.acceptValues();
        okGedrueckt = true;
        WerteAufnehmen();
    }
    m_zugang.finish();
    accept();
}

void TfEingabe::Button2Click()
{
    reject();
}

// Esc and the close box end the dialog as Cancel does, band switch included.
void TfEingabe::reject()
{
    m_zugang.cancel();
    QDialog::reject();
}

void TfEingabe::done(int result)
{
    okGedrueckt = false;
    QDialog::done(result);
}
