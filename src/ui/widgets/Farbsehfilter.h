#pragma once

#include "core/colour/ColourVision.h"

#include <QColor>
#include <QObject>
#include <QPointer>

#include <vector>

class QWidget;

// The colour vision every shown colour passes through at paint time. Only
// what is painted changes: the widgets keep their real colours, so values,
// copies, prints and files never see the simulation.
class Farbsehfilter : public QObject
{
    Q_OBJECT

public:
    static Farbsehfilter& instanz();

    Farbsehen art() const { return m_art; }
    // Repaints every window once; nothing is recomputed.
    void setArt(Farbsehen art);

    QColor gezeigt(const QColor& farbe) const;

    // A widget painted by Qt itself (a rich edit): its whole picture, text and
    // ground, passes through the simulation while one is on.
    void folgen(QWidget* widget);

signals:
    void geaendert(Farbsehen art);

private:
    Farbsehfilter() = default;
    void effektSetzen(QWidget* widget) const;

    Farbsehen m_art = Farbsehen::normal;
    std::vector<QPointer<QWidget>> m_folgende;
};
