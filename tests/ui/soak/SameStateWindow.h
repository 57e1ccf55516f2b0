#pragma once

#include "support/InteractionFixture.h"

#include <QImage>
#include <QRect>
#include <QStringList>

// A second main window given the live window's state as a step of the history
// gives it; both drawn with QWidget::grab must agree pixel for pixel.
class SameStateWindow
{
public:
    SameStateWindow();
    // The differences between the live window and this one, one line each.
    QStringList vergleichen(TForm1& live);

private:
    // What is no colour state: the window's size and its background choice.
    QStringList rahmenUebernehmen(const TForm1& live);
    // Both pictures and the part that differs side by side; their common name.
    QString bilderSichern(const QString& folder, const QImage& live, const QImage& gleich,
                          const QRect& anders);

    ShownWindow m_f;
    int m_bilder = 0;
};
