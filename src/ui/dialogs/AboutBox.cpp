#include "ui/dialogs/AboutBox.h"

#include "platform/desktop/ShellOpener.h"
#include "core/language/LanguageTable.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace
{

constexpr int iconGroesse = 35;

} // namespace

TAboutBox::TAboutBox(const LanguageTable& texte, ShellOpener& shell, QWidget* parent)
    : QDialog(parent), m_texte(texte), m_shell(shell)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    bauen();
    FormCreate();
    setFixedSize(sizeHint());
}

QLabel* TAboutBox::neuesLabel(const char* name)
{
    auto* l = new QLabel(this);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

void TAboutBox::alsLink(QLabel* label)
{
    label->setCursor(Qt::PointingHandCursor);
    QFont f = label->font();
    f.setBold(true);
    f.setUnderline(true);
    label->setFont(f);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, QColor(0, 0, 128)); // navy
    label->setPalette(p);
    label->installEventFilter(this);
}

void TAboutBox::bauen()
{
    ProgramIcon = neuesLabel("ProgramIcon");
    ProgramIcon->setFixedSize(iconGroesse, iconGroesse);
    ProgramIcon->setScaledContents(true);
    ProductName1 = neuesLabel("ProductName1");
    QFont fett = ProductName1->font();
    fett.setBold(true);
    ProductName1->setFont(fett);
    ProductName2 = neuesLabel("ProductName2");
    Version = neuesLabel("Version");
    Label1 = neuesLabel("Label1");
    lHomepage = neuesLabel("lHomepage");
    Label2 = neuesLabel("Label2");
    lEMail = neuesLabel("lEMail");
    Label3 = neuesLabel("Label3");
    alsLink(Label2);
    alsLink(Label3);
    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);

    auto* namen = new QVBoxLayout;
    namen->addWidget(ProductName1);
    namen->addWidget(ProductName2);
    namen->addWidget(Version);
    namen->addSpacing(8);
    namen->addWidget(Label1);
    auto* kopf = new QHBoxLayout;
    kopf->addWidget(ProgramIcon, 0, Qt::AlignTop);
    kopf->addSpacing(12);
    kopf->addLayout(namen, 1);

    auto* links = new QGridLayout;
    links->addWidget(lHomepage, 0, 0);
    links->addWidget(Label2, 0, 1);
    links->addWidget(lEMail, 1, 0);
    links->addWidget(Label3, 1, 1);
    links->setColumnStretch(1, 1);

    auto* knopf = new QHBoxLayout;
    knopf->addStretch();
    knopf->addWidget(Button1);
    knopf->addStretch();

    auto* aussen = new QVBoxLayout(this);
    aussen->setContentsMargins(16, 16, 16, 12);
    aussen->addLayout(kopf);
    aussen->addSpacing(12);
    aussen->addLayout(links);
    aussen->addSpacing(12);
    aussen->addLayout(knopf);
}

void TAboutBox::FormCreate()
{
    setWindowTitle(m_texte.text(Txt::infoTitel));
    ProgramIcon->setPixmap(QIcon(QStringLiteral(":/icons/tinctora.svg")).pixmap(iconGroesse * 2));
    ProductName1->setText(m_texte.text(Txt::productName));
    ProductName2->setText(m_texte.text(Txt::productName2));
    ProductName2->setVisible(!ProductName2->text().isEmpty());
    Version->setText(m_texte.text(Txt::versionLabel) + m_texte.text(Txt::productVersion));
    Label1->setText(m_texte.text(Txt::herausgeber));
    lHomepage->setText(m_texte.text(Txt::homepageLabel));
    Label2->setText(m_texte.text(Txt::webSeite));
    lEMail->setText(m_texte.text(Txt::emailLabel));
    Label3->setText(m_texte.text(Txt::supportEMail));
}

void TAboutBox::Label2Click()
{
    m_shell.oeffnen(QUrl(m_texte.text(Txt::webSeite)));
}

void TAboutBox::Label3Click()
{
    m_shell.oeffnen(QUrl(QStringLiteral("mailto:") + m_texte.text(Txt::supportEMail)));
}

bool TAboutBox::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == Label2 || watched == Label3) && event->type() == QEvent::MouseButtonRelease) {
        const auto* maus = static_cast<QMouseEvent*>(event);
        auto* label = static_cast<QLabel*>(watched);
        if (maus->button() == Qt::LeftButton && label->rect().contains(maus->position().toPoint())) {
            if (watched == Label2)
                Label2Click();
            else
                Label3Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
