#include "ui/widgets/StaticText.h"

#include "core/colour/Conversions.h"

#include <QMouseEvent>
#include <QPainter>

StaticText::StaticText(QWidget* parent, const QString& name, int width) : QLabel(parent)
{
    setObjectName(name);
    setFixedWidth(width);
    setAlignment(Qt::AlignCenter);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setMargin(0);
    setTextFormat(Qt::PlainText);
    setAutoFillBackground(false);
    // Entry-field colours, as value boxes have on a standard background.
    setColours(palette().color(QPalette::Base), palette().color(QPalette::Text));
}

QColor StaticText::background() const
{
    return palette().color(QPalette::Window);
}

QColor StaticText::textColour() const
{
    return palette().color(QPalette::WindowText);
}

bool StaticText::setColours(const QColor& background, const QColor& text)
{
    if (testAttribute(Qt::WA_SetPalette) && background == this->background() && text == textColour())
        return false;
    QPalette p = palette();
    p.setColor(QPalette::Window, background);
    p.setColor(QPalette::WindowText, text);
    setPalette(p);
    return true;
}

void StaticText::paintEvent(QPaintEvent* event)
{
    if (text().isEmpty())
        return;
    {
        QPainter painter(this);
        painter.fillRect(contentsRect(), background());
    }
    QLabel::paintEvent(event);
}

void StaticText::mousePressEvent(QMouseEvent* event)
{
    emit pressed(event->button());
    QLabel::mousePressEvent(event);
}

void writeValues(StaticText* r, StaticText* g, StaticText* b, StaticText* hex, const QColor& colourValue)
{
    r->setText(QString::number(colourValue.red()));
    g->setText(QString::number(colourValue.green()));
    b->setText(QString::number(colourValue.blue()));
    hex->setText(hexText(colourValue.red(), colourValue.green(), colourValue.blue()));
}

void writeDashes(std::initializer_list<StaticText*> textSet)
{
    for (StaticText* t : textSet)
        t->setText(QStringLiteral("-"));
}
