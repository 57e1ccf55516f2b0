#pragma once

#include <QColor>
#include <QLabel>

#include <initializer_list>

// A value text of the value rows: a small sunken box of fixed width with one
// line of text. Empty texts draw no box, so an unused value row stays out
// of sight until something is written into it.
class StaticText : public QLabel
{
    Q_OBJECT

public:
    StaticText(QWidget* parent, const QString& name, int width);

    QColor background() const;
    QColor textColour() const;
    // Recolours only when a colour differs; returns whether anything changed.
    bool setColours(const QColor& background, const QColor& text);

signals:
    // Any mouse button went down on the text.
    void pressed(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

// One value row: R, G, B in decimal and the hex text.
void writeValues(StaticText* r, StaticText* g, StaticText* b, StaticText* hex, const QColor& colourValue);
// Value texts of fields the mode does not use.
void writeDashes(std::initializer_list<StaticText*> textSet);
