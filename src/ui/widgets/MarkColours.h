#pragma once

#include <QColor>
#include <QObject>

class ColourPanel;
class QWidget;

// The colour showing behind `widget`: its nearest coloured panel (itself
// included), else its palette's window colour.
QColor colourBehind(const QWidget* widget);

// `preferred` while a thin mark in it stands out 3:1 on the colour behind
// `ground`, else the palette's text colour or black or white.
QColor markColourOn(const QWidget* ground, const QColor& preferred);

// Keeps a line panel (a frame) legible on `ground` as the background or the
// palette changes: its colour is recomputed from `preferred` each time.
class LegibleMark : public QObject
{
public:
    LegibleMark(ColourPanel* mark, QWidget* ground, const QColor& preferred);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void recolour();

    ColourPanel* m_mark;
    QWidget* m_ground;
    QColor m_preferred;
};
