#include "ui/dialogs/TfPipette.h"

#include "core/language/LanguageTable.h"
#include "core/prefs/RegistryForm.h"
#include "platform/screen/ScreenReader.h"
#include "ui/dialogs/TfHinweisPipette.h"
#include "ui/widgets/ColourPanel.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

MagnifierPicture::MagnifierPicture(QWidget* parent)
    : QWidget(parent), m_bild(magnifierSize, magnifierSize, QImage::Format_RGB32)
{
    m_bild.fill(Qt::black);
    setFixedSize(magnifierSize, magnifierSize);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void MagnifierPicture::paintEvent(QPaintEvent*)
{
    QPainter(this).drawImage(0, 0, m_bild);
}

TfPipette::TfPipette(ScreenReader& screen, PipetteState& currentState, HeldPreferences& prefs,
                     const LanguageTable& textSet, QWidget* mainWindow,
                     std::function<void(const QString&)> acceptValues)
    : QDialog(mainWindow), m_screen(screen), m_stand(currentState), m_prefs(prefs), m_texte(textSet),
      m_hauptfenster(mainWindow), m_uebernehmen(std::move(acceptValues))
{
    setObjectName(QStringLiteral("fPipette"));
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(textSet.text(Txt::pipetteTitle));
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    build();
    m_timer.setInterval(10);
    connect(&m_timer, &QTimer::timeout, this, &TfPipette::Timer1Timer);
}

TfPipette::~TfPipette() = default;

void TfPipette::build()
{
    for (std::size_t i = 0; i < 3; ++i) {
        auto* panel = new ColourPanel(this, QStringLiteral("Panel%1").arg(i + 1));
        panel->setBevel(ColourPanel::Bevel::lowered);
        panel->setGeometry(0, 68 * static_cast<int>(i), 68, 68);
        pictures[i] = new MagnifierPicture(panel);
        pictures[i]->setObjectName(QStringLiteral("Image%1").arg(i + 1));
        pictures[i]->move(2, 2);
    }
    Panel5 = new ColourPanel(this, QStringLiteral("Panel5"));
    Panel5->setBevel(ColourPanel::Bevel::lowered);
    Panel5->setGeometry(22, 210, 26, 26);
    const char* design[] = {"R", "G", "B", "HEX"};
    for (std::size_t i = 0; i < 4; ++i) {
        labels[i] = new QLabel(QString::fromLatin1(design[i]), this);
        labels[i]->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        labels[i]->setGeometry(2, 240 + 15 * static_cast<int>(i), 66, 14);
    }
    setFixedSize(68, 302);
}

void TfPipette::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_stand.aufnahmeAngefordert = false;
    m_stand.farbeAufgenommen = false;
    move(0, 0);
    // The screen may have changed under a still cursor since the last run, and
    // a first run has nothing drawn yet: a pick before the cursor moves must
    // still take what is under it now.
    sampleAt(m_screen.cursorPos());
    m_timer.start();
}

void TfPipette::sampleAt(QPoint cursor)
{
    m_stand.cursorX = cursor.x();
    m_stand.cursorY = cursor.y();
    drawMagnifiers();
    m_stand.abgetastetX = cursor.x();
    m_stand.abgetastetY = cursor.y();
    showColour();
}

void TfPipette::Timer1Timer()
{
    ++m_ticks;
    if (m_hauptfenster && m_hauptfenster->isVisible())
        m_hauptfenster->hide();
    if (m_stand.aufnahmeAngefordert) {
        m_stand.aufnahmeAngefordert = false;
        accept();
        return;
    }
    const QPoint cursor = m_screen.cursorPos();
    m_stand.cursorX = cursor.x();
    m_stand.cursorY = cursor.y();
    // The screen is read only when the cursor moved: waiting costs nothing.
    if (cursor != QPoint(m_stand.abgetastetX, m_stand.abgetastetY))
        sampleAt(cursor);
    if (m_stand.hinweisFaellig && m_prefs.zeigeHinweisPipette)
        showNote();
}

void TfPipette::drawMagnifiers()
{
    for (std::size_t i = 0; i < 3; ++i) {
        QImage& target = pictures[i]->picture();
        QPainter p(&target);
        p.drawImage(target.rect(), m_screen.grab(magnifiers[i].source(m_stand.cursorX, m_stand.cursorY)));
        for (const CrossHairMark& m : magnifierMarks[i])
            if (m.r > m.l)
                p.fillRect(QRect(QPoint(m.l, m.o), QPoint(m.r - 1, m.u - 1)), QColor(255, 0, 255));
        p.end();
        pictures[i]->update();
    }
}

void TfPipette::showColour()
{
    const unsigned colourValue = m_screen.pixel(m_screen.cursorPos());
    Panel5->setColour(QColor::fromRgb(colourValue));
    labels[0]->setText(QStringLiteral("R: ") + RGBWert(colourValue, 'R'));
    labels[1]->setText(QStringLiteral("G: ") + RGBWert(colourValue, 'G'));
    labels[2]->setText(QStringLiteral("B: ") + RGBWert(colourValue, 'B'));
    labels[3]->setText(HEXWert(colourValue));
}

void TfPipette::showNote()
{
    m_stand.hinweisFaellig = false;
    if (!m_hinweis)
        m_hinweis = new TfHinweisPipette(m_texte, m_prefs, m_timer, this);
    m_hinweis->exec();
    m_gedrueckt.clear();
}

void TfPipette::keyPressEvent(QKeyEvent* event)
{
    m_gedrueckt.insert(event->key());
    const int step = event->modifiers().testFlag(Qt::ControlModifier) ? 10 : 1;
    QPoint target(m_stand.cursorX, m_stand.cursorY);
    switch (event->key()) {
    case Qt::Key_Left:
        target.rx() -= step;
        break;
    case Qt::Key_Right:
        target.rx() += step;
        break;
    case Qt::Key_Up:
        target.ry() -= step;
        break;
    case Qt::Key_Down:
        target.ry() += step;
        break;
    default:
        return;
    }
    m_screen.setCursorPos(target);
}

void TfPipette::keyReleaseEvent(QKeyEvent* event)
{
    if (event->isAutoRepeat() || !m_gedrueckt.erase(event->key()))
        return;
    const int k = event->key();
    if (k == Qt::Key_Space || k == Qt::Key_Return || k == Qt::Key_Enter) {
        m_stand.farbeAufgenommen = true;
        m_stand.aufnahmeAngefordert = true;
    }
}

void TfPipette::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TfPipette::FormClose()
{
    if (m_stand.farbeAufgenommen && m_uebernehmen) {
        m_stand.farbeAufgenommen = false;
        m_uebernehmen(labels[3]->text());
    }
    m_timer.stop();
    if (m_hauptfenster)
        m_hauptfenster->show();
    if (m_prefs.zeigeHinweisPipette)
        m_stand.hinweisFaellig = true;
}
