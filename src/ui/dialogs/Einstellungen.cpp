#include "ui/dialogs/Einstellungen.h"

#include "core/language/LanguageTable.h"
#include "core/prefs/RegistryForm.h"
#include "platform/desktop/ShellOpener.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace
{

constexpr int clientBreite = 430;
constexpr int clientHoehe = 302;
constexpr int edit1Breite = 361;
constexpr int label2Breite = 327;

QString systemDateiAuswahl(QWidget* parent, const QString& startOrdner, const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, QString(), startOrdner, filter);
}

} // namespace

TEinstellungen::TEinstellungen(TfRegistryForm& registry, const LanguageTable& texte, ShellOpener& shell,
                               QWidget* parent)
    : QDialog(parent), m_registry(registry), m_texte(texte), m_shell(shell),
      m_dateiAuswahl(systemDateiAuswahl)
{
    setObjectName(QStringLiteral("Einstellungen"));
    // Fixed border, only a close button.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    bauen();
    setFixedSize(clientBreite, clientHoehe);
    FormCreate();
}

void TEinstellungen::bauen()
{
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    TabSheet2 = bauTutorialSeite();
    PageControl1->addTab(TabSheet2, QString());
    languagePage = buildLanguagePage();
    PageControl1->addTab(languagePage, QString());

    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    Button2 = new QPushButton(this);
    Button2->setObjectName(QStringLiteral("Button2"));
    connect(OKBtn, &QPushButton::clicked, this, &TEinstellungen::OKBtnClick);
    connect(Button2, &QPushButton::clicked, this, &TEinstellungen::Button2Click);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(OKBtn);
    knoepfe->addWidget(Button2);
    auto* aussen = new QVBoxLayout(this);
    aussen->addWidget(PageControl1);
    aussen->addLayout(knoepfe);
}

QWidget* TEinstellungen::bauTutorialSeite()
{
    auto* seite = new QWidget;
    seite->setObjectName(QStringLiteral("TabSheet2"));

    Label1 = new QLabel(seite);
    Label1->setObjectName(QStringLiteral("Label1"));
    Edit1 = new QLineEdit(seite);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setReadOnly(true);
    Edit1->setFixedWidth(edit1Breite);
    BitBtn1 = new QToolButton(seite);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    connect(BitBtn1, &QToolButton::clicked, this, &TEinstellungen::BitBtn1Click);
    Label2 = new QLabel(seite);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setWordWrap(true);
    Label3 = new QLabel(seite);
    Label3->setObjectName(QStringLiteral("Label3"));

    Label4 = new QLabel(seite);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setCursor(Qt::PointingHandCursor);
    QFont linkSchrift = Label4->font();
    linkSchrift.setBold(true);
    linkSchrift.setUnderline(true);
    Label4->setFont(linkSchrift);
    QPalette linkFarbe = Label4->palette();
    linkFarbe.setColor(QPalette::WindowText, QColor(0, 0, 128)); // navy
    Label4->setPalette(linkFarbe);
    Label4->installEventFilter(this);

    auto* pfadZeile = new QHBoxLayout;
    pfadZeile->addWidget(Edit1);
    pfadZeile->addWidget(BitBtn1);
    pfadZeile->addStretch();
    auto* spalte = new QVBoxLayout(seite);
    spalte->addWidget(Label1);
    spalte->addLayout(pfadZeile);
    spalte->addWidget(Label2);
    spalte->addSpacing(12);
    spalte->addWidget(Label3);
    spalte->addWidget(Label4);
    spalte->addStretch();
    return seite;
}

QWidget* TEinstellungen::buildLanguagePage()
{
    auto* seite = new QWidget;
    seite->setObjectName(QStringLiteral("languagePage"));
    auto* label = new QLabel(m_texte.text(Txt::spracheLabel), seite);
    languageBox = new QComboBox(seite);
    languageBox->setObjectName(QStringLiteral("languageBox"));
    label->setBuddy(languageBox);
    // Item data: the stored value of each choice.
    languageBox->addItem(m_texte.text(Txt::spracheDeutsch), static_cast<int>(pref::SprachWahl::deutsch));
    languageBox->addItem(m_texte.text(Txt::spracheEnglisch), static_cast<int>(pref::SprachWahl::englisch));
    languageBox->addItem(m_texte.text(Txt::spracheDesktop), static_cast<int>(pref::SprachWahl::desktop));
    auto* hinweis = new QLabel(m_texte.text(Txt::spracheAbNeustart), seite);
    hinweis->setObjectName(QStringLiteral("languageNote"));
    hinweis->setWordWrap(true);
    auto* spalte = new QVBoxLayout(seite);
    spalte->addWidget(label);
    spalte->addWidget(languageBox);
    spalte->addWidget(hinweis);
    spalte->addStretch();
    return seite;
}

void TEinstellungen::FormCreate()
{
    PageControl1->setTabText(PageControl1->indexOf(languagePage), m_texte.text(Txt::spracheSeite));
    PageControl1->setTabText(PageControl1->indexOf(TabSheet2), m_texte.text(Txt::tutorialReiter));
    Button2->setText(m_texte.text(Txt::abbrechen));
    Label1->setText(m_texte.text(Txt::tutorialLokalerLink));
    Label2->setText(m_texte.text(Txt::tutorialPfadErklaerung));
    Label2->setFixedWidth(label2Breite);
    Label3->setText(m_texte.text(Txt::tutorialImInternet));
    Label4->setText(m_texte.text(Txt::webSeite));
}

void TEinstellungen::FormShow()
{
    setWindowTitle(m_texte.text(Txt::einstellungenTitel));
    Edit1->setText(m_registry.tutorialPfadGesetzt() ? m_registry.tutorialPfad : standardTutorialPfad());
    languageBox->setCurrentIndex(languageBox->findData(static_cast<int>(m_registry.sprachWahl)));
}

void TEinstellungen::BitBtn1Click()
{
    const QString startOrdner = QFileInfo(Edit1->text()).absolutePath();
    const QString gewaehlt =
        m_dateiAuswahl(this, startOrdner, qtFileFilter(QStringLiteral("HTML (*.html)|*.html")));
    if (gewaehlt.isEmpty())
        return;
    // Taken at once: cancelling the dialog afterwards keeps it.
    m_registry.tutorialPfad = QDir::toNativeSeparators(gewaehlt);
    Edit1->setText(m_registry.tutorialPfad);
}

void TEinstellungen::OKBtnClick()
{
    if (!Edit1->text().isEmpty())
        m_registry.tutorialPfad = Edit1->text();
    m_registry.sprachWahl = static_cast<pref::SprachWahl>(languageBox->currentData().toInt());
    accept();
}

void TEinstellungen::Button2Click()
{
    reject();
}

void TEinstellungen::Label4Click()
{
    m_shell.oeffnen(QUrl(m_texte.text(Txt::webSeite)));
}

void TEinstellungen::showEvent(QShowEvent* event)
{
    FormShow();
    mittigAufDemBildschirm();
    QDialog::showEvent(event);
}

bool TEinstellungen::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Label4 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
        Label4->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
        Label4Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TEinstellungen::mittigAufDemBildschirm()
{
    const QScreen* bildschirm = screen();
    if (bildschirm == nullptr)
        return;
    QRect rahmen = frameGeometry();
    rahmen.moveCenter(bildschirm->availableGeometry().center());
    move(rahmen.topLeft());
}
