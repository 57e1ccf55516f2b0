#include "ui/dialogs/TfHinweisPipette.h"

#include "core/language/LanguageTable.h"
#include "core/prefs/RegistryForm.h"

#include <QCheckBox>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace
{
QLabel* text(QWidget* parent, const QString& t, QRect r, bool fett = false)
{
    auto* l = new QLabel(t, parent);
    l->setGeometry(r);
    l->setWordWrap(true);
    if (fett) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}
} // namespace

TfHinweisPipette::TfHinweisPipette(const LanguageTable& textSet, HeldPreferences& prefs, QTimer& pipetteTimer,
                                   QWidget* parent)
    : QDialog(parent), m_texte(textSet), m_prefs(prefs), m_timer(pipetteTimer)
{
    setObjectName(QStringLiteral("fHinweisPipette"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    setFixedSize(458, 310);
    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setGeometry(12, 12, 434, 244);
    const Txt tasten[] = {Txt::pipettePickKeys, Txt::pipetteArrowKeys, Txt::pipetteCtrlArrowKeys};
    const Txt wirkung[] = {Txt::pipettePickColour, Txt::pipetteFineControl, Txt::pipetteCoarseControl};
    for (int i = 0; i < 3; ++i) {
        text(this, textSet.text(tasten[i]), QRect(28, 26 + 22 * i, 150, 18), true);
        text(this, textSet.text(wirkung[i]), QRect(190, 26 + 22 * i, 240, 18));
    }
    text(this, textSet.text(Txt::pipetteHintLabel), QRect(28, 104, 400, 18), true);
    text(this, textSet.text(Txt::pipetteForeground), QRect(28, 124, 400, 54));
    text(this, textSet.text(Txt::pipetteReactivate), QRect(28, 184, 400, 54));
    CheckBox1 = new QCheckBox(textSet.text(Txt::pipetteDoNotShowAgain), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(16, 272, 300, 22);
    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button1->setGeometry(366, 270, 80, 25);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
}

void TfHinweisPipette::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    setWindowTitle(m_texte.text(Txt::pipetteHintTitle));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    m_timer.stop();
}

void TfHinweisPipette::done(int result)
{
    if (CheckBox1->isChecked())
        m_prefs.zeigeHinweisPipette = false;
    m_timer.start();
    QDialog::done(result);
}
