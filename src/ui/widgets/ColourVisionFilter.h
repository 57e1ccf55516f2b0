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
class ColourVisionFilter : public QObject
{
    Q_OBJECT

public:
    static ColourVisionFilter& sharedFilter();

    ColourVisionKind variety() const { return m_art; }
    // Repaints every window once; nothing is recomputed.
    void setKind(ColourVisionKind variety);

    QColor displayed(const QColor& colourValue) const;

    // A widget painted by Qt itself (a rich edit): its whole picture, text and
    // ground, passes through the simulation while one is on.
    void follow(QWidget* widget);

signals:
    void modified(ColourVisionKind variety);

private:
    ColourVisionFilter() = default;
    void applyEffect(QWidget* widget) const;

    ColourVisionKind m_art = ColourVisionKind::normal;
    std::vector<QPointer<QWidget>> m_folgende;
};
