#include "ui/dialogs/AboutBox.h"

#include "core/language/LanguageTable.h"
#include "platform/desktop/ShellOpener.h"
#include "ui/language/ActionIcons.h"

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

constexpr int iconEdge = 35;

} // namespace

TAboutBox::TAboutBox(const LanguageTable& textSet, ShellOpener& shell, QWidget* parent)
    : QDialog(parent), m_texte(textSet), m_shell(shell)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    build();
    FormCreate();
    setFixedSize(sizeHint());
}

QLabel* TAboutBox::newLabel(const char* name)
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

void TAboutBox::build()
{
    ProgramIcon = newLabel("ProgramIcon");
    ProgramIcon->setFixedSize(iconEdge, iconEdge);
    ProgramIcon->setScaledContents(true);
    ProductName1 = newLabel("ProductName1");
    QFont fett = ProductName1->font();
    fett.setBold(true);
    ProductName1->setFont(fett);
    ProductName2 = newLabel("ProductName2");
    Version = newLabel("Version");
    Label1 = newLabel("Label1");
    lHomepage = newLabel("lHomepage");
    Label2 = newLabel("Label2");
    lEMail = newLabel("lEMail");
    Label3 = newLabel("Label3");
    alsLink(Label2);
    alsLink(Label3);
    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);

    auto* names = new QVBoxLayout;
    names->addWidget(ProductName1);
    names->addWidget(ProductName2);
    names->addWidget(Version);
    names->addSpacing(8);
    names->addWidget(Label1);
    auto* header = new QHBoxLayout;
    header->addWidget(ProgramIcon, 0, Qt::AlignTop);
    header->addSpacing(12);
    header->addLayout(names, 1);

    auto* left = new QGridLayout;
    left->addWidget(lHomepage, 0, 0);
    left->addWidget(Label2, 0, 1);
    left->addWidget(lEMail, 1, 0);
    left->addWidget(Label3, 1, 1);
    left->setColumnStretch(1, 1);

    auto* button = new QHBoxLayout;
    button->addStretch();
    button->addWidget(Button1);
    button->addStretch();

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(16, 16, 16, 12);
    outer->addLayout(header);
    outer->addSpacing(12);
    outer->addLayout(left);
    outer->addSpacing(12);
    outer->addLayout(button);
}

void TAboutBox::FormCreate()
{
    setWindowTitle(m_texte.text(Txt::infoTitle));
    ProgramIcon->setPixmap(programIcon().pixmap(iconEdge * 2));
    ProductName1->setText(m_texte.text(Txt::productName));
    ProductName2->setText(m_texte.text(Txt::productName2));
    ProductName2->setVisible(!ProductName2->text().isEmpty());
    Version->setText(m_texte.text(Txt::versionLabel) + m_texte.text(Txt::productVersion));
    Label1->setText(m_texte.text(Txt::publisher));
    lHomepage->setText(m_texte.text(Txt::homepageLabel));
    Label2->setText(m_texte.text(Txt::website));
    lEMail->setText(m_texte.text(Txt::emailLabel));
    Label3->setText(m_texte.text(Txt::supportEMail));
}

void TAboutBox::Label2Click()
{
    m_shell.tryOpen(QUrl(m_texte.text(Txt::website)));
}

void TAboutBox::Label3Click()
{
    m_shell.tryOpen(QUrl(QStringLiteral("mailto:") + m_texte.text(Txt::supportEMail)));
}

bool TAboutBox::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == Label2 || watched == Label3) && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouseInput = static_cast<QMouseEvent*>(event);
        auto* label = static_cast<QLabel*>(watched);
        if (mouseInput->button() == Qt::LeftButton &&
            label->rect().contains(mouseInput->position().toPoint())) {
            if (watched == Label2)
                Label2Click();
            else
                Label3Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
