#pragma once

#include "core/print/PrintConversion.h"

#include <QHash>
#include <QObject>
#include <QPixmap>
#include <QRgb>
#include <QString>

#include <optional>

class QPainter;
class QRect;

// The print gamut warning every marked field asks at paint time: while it is on
// and a print profile is chosen, a colour the profile cannot print gets a mark.
class GamutMarks : public QObject
{
    Q_OBJECT

public:
    static GamutMarks& sharedMarks();

    // No conversion: no profile, no marks.
    void setConversion(std::optional<PrintConversion> conversion);
    void setShown(bool shown);
    bool shown() const { return m_shown; }
    // The tooltip line, %1 taking the distance (already in the interface's decimals).
    void setTip(const QString& tip, QChar decimal);

    // The round trip of a colour outside the print gamut, while marks are drawn.
    std::optional<PrintValue> outOfGamut(QRgb colour) const;
    QString tip(const PrintValue& value) const;
    // The tooltip line for a colour outside the print gamut; empty otherwise.
    QString tipFor(QRgb colour) const;
    // A warning triangle in the rectangle's top right corner.
    static void paintMark(QPainter& painter, const QRect& area);
    // A table's swatch: the colour as displayed, with the mark when it has one.
    QPixmap swatch(QRgb colour, QSize size) const;

signals:
    void modified();

private:
    GamutMarks() = default;

    std::optional<PrintConversion> m_conversion;
    bool m_shown = false;
    QString m_tip = QStringLiteral("%1");
    QChar m_decimal = QLatin1Char('.');
    mutable QHash<QRgb, PrintValue> m_seen; // one conversion per colour and profile
};
