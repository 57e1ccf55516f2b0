#include "ui/dialogs/Einstellungen.h"

#include "core/language/LanguageTable.h"
#include "core/prefs/RegistryForm.h"
#include "platform/desktop/FileDialogs.h"
#include "platform/desktop/ShellOpener.h"
#include "ui/dialogs/PrintProfileSettings.h"

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

constexpr int clientWidth = 430;
constexpr int clientHeight = 302;
constexpr int edit1Width = 361;
constexpr int label2Width = 327;

QString systemFileChooser(QWidget* parent, const QString& startFolder, const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, QString(), startFolder, filter);
}

} // namespace

TEinstellungen::TEinstellungen(TfRegistryForm& registry, const LanguageTable& textSet, ShellOpener& shell,
                               QWidget* parent, const PrintProfileSources& print)
    : QDialog(parent), m_registry(registry), m_texte(textSet), m_shell(shell),
      m_dateiAuswahl(systemFileChooser)
{
    setObjectName(QStringLiteral("Einstellungen"));
    // Fixed border, only a close button.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    build(print);
    setFixedSize(clientWidth, clientHeight);
    FormCreate();
}

TEinstellungen::~TEinstellungen() = default;

void TEinstellungen::build(const PrintProfileSources& print)
{
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    TabSheet2 = buildTutorialPage();
    PageControl1->addTab(TabSheet2, QString());
    languagePage = buildLanguagePage();
    PageControl1->addTab(languagePage, QString());
    if (print.files == nullptr)
        m_systemFiles = std::make_unique<QtFileDialogs>();
    const PrintProfileChoice stored{m_registry.printProfilePath,
                                    static_cast<PrintIntent>(m_registry.printIntent)};
    printPage =
        new PrintProfileSettings(m_texte, print.found, stored, print.files ? *print.files : *m_systemFiles);
    printPage->setObjectName(QStringLiteral("printPage"));
    PageControl1->addTab(printPage, m_texte.text(Txt::printTab));

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
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(PageControl1);
    outer->addLayout(knoepfe);
}

QWidget* TEinstellungen::buildTutorialPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet2"));

    Label1 = new QLabel(page);
    Label1->setObjectName(QStringLiteral("Label1"));
    Edit1 = new QLineEdit(page);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setReadOnly(true);
    Edit1->setFixedWidth(edit1Width);
    BitBtn1 = new QToolButton(page);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    connect(BitBtn1, &QToolButton::clicked, this, &TEinstellungen::BitBtn1Click);
    Label2 = new QLabel(page);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setWordWrap(true);
    Label3 = new QLabel(page);
    Label3->setObjectName(QStringLiteral("Label3"));

    Label4 = new QLabel(page);
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
    auto* column = new QVBoxLayout(page);
    column->addWidget(Label1);
    column->addLayout(pfadZeile);
    column->addWidget(Label2);
    column->addSpacing(12);
    column->addWidget(Label3);
    column->addWidget(Label4);
    column->addStretch();
    return page;
}

QWidget* TEinstellungen::buildLanguagePage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("languagePage"));
    auto* label = new QLabel(m_texte.text(Txt::languageLabel), page);
    languageBox = new QComboBox(page);
    languageBox->setObjectName(QStringLiteral("languageBox"));
    label->setBuddy(languageBox);
    // Item data: the stored value of each choice.
    languageBox->addItem(m_texte.text(Txt::languageGerman), static_cast<int>(pref::LanguageChoice::german));
    languageBox->addItem(m_texte.text(Txt::languageEnglish), static_cast<int>(pref::LanguageChoice::english));
    languageBox->addItem(m_texte.text(Txt::languageDesktop), static_cast<int>(pref::LanguageChoice::desktop));
    auto* note = new QLabel(m_texte.text(Txt::languageAfterRestart), page);
    note->setObjectName(QStringLiteral("languageNote"));
    note->setWordWrap(true);
    auto* column = new QVBoxLayout(page);
    column->addWidget(label);
    column->addWidget(languageBox);
    column->addWidget(note);
    column->addStretch();
    return page;
}

void TEinstellungen::FormCreate()
{
    PageControl1->setTabText(PageControl1->indexOf(languagePage), m_texte.text(Txt::languageTab));
    PageControl1->setTabText(PageControl1->indexOf(TabSheet2), m_texte.text(Txt::tutorialTab));
    Button2->setText(m_texte.text(Txt::cancel));
    Label1->setText(m_texte.text(Txt::tutorialLocalLink));
    Label2->setText(m_texte.text(Txt::tutorialPathExplanation));
    Label2->setFixedWidth(label2Width);
    Label3->setText(m_texte.text(Txt::tutorialImInternet));
    Label4->setText(m_texte.text(Txt::website));
}

void TEinstellungen::FormShow()
{
    setWindowTitle(m_texte.text(Txt::settingsTitle));
    Edit1->setText(m_registry.tutorialPathSet() ? m_registry.tutorialPfad : defaultTutorialPath());
    languageBox->setCurrentIndex(languageBox->findData(static_cast<int>(m_registry.languageChoice)));
}

void TEinstellungen::BitBtn1Click()
{
    const QString startFolder = QFileInfo(Edit1->text()).absolutePath();
    const QString chosen =
        m_dateiAuswahl(this, startFolder, qtFileFilter(QStringLiteral("HTML (*.html)|*.html")));
    if (chosen.isEmpty())
        return;
    // Taken at once: cancelling the dialog afterwards keeps it.
    m_registry.tutorialPfad = QDir::toNativeSeparators(chosen);
    Edit1->setText(m_registry.tutorialPfad);
}

void TEinstellungen::OKBtnClick()
{
    if (!Edit1->text().isEmpty())
        m_registry.tutorialPfad = Edit1->text();
    m_registry.languageChoice = static_cast<pref::LanguageChoice>(languageBox->currentData().toInt());
    const PrintProfileChoice print = printPage->choice();
    m_registry.printProfilePath = print.path;
    m_registry.printIntent = static_cast<int>(print.intent);
    accept();
}

void TEinstellungen::Button2Click()
{
    reject();
}

void TEinstellungen::Label4Click()
{
    m_shell.tryOpen(QUrl(m_texte.text(Txt::website)));
}

void TEinstellungen::showEvent(QShowEvent* event)
{
    FormShow();
    centreOnScreen();
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

void TEinstellungen::centreOnScreen()
{
    const QScreen* bildschirm = screen();
    if (bildschirm == nullptr)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(bildschirm->availableGeometry().center());
    move(frame.topLeft());
}
