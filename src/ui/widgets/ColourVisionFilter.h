#pragma once

#include "core/colour/ColourVision.h"
#include "core/print/PrintConversion.h"

#include <QColor>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QPointer>

#include <optional>
#include <vector>

class QWidget;

// The colour vision every shown colour passes through at paint time, and the
// soft proof before it: the print's round trip, then the eye. Only what is
// painted changes: the widgets keep their real colours, so values, copies,
// prints and files never see either simulation.
class ColourVisionFilter : public QObject
{
    Q_OBJECT

public:
    static ColourVisionFilter& sharedFilter();

    ColourVisionKind variety() const { return m_art; }
    // Repaints every window once; nothing is recomputed.
    void setKind(ColourVisionKind variety);
    // The soft proof's round trip; none: off. Repaints every window once.
    void setProof(std::optional<PrintConversion> proof);
    bool proofing() const { return m_proof.has_value(); }
    // Whether anything painted differs from the real colours.
    bool changesColours() const { return m_art != ColourVisionKind::normal || m_proof; }
    // Counts the proofs taken, for pictures kept once proofed.
    int proofSerial() const { return m_proofSerial; }

    QColor displayed(const QColor& colourValue) const;
    QImage displayed(const QImage& picture) const;

    // A widget painted by Qt itself (a rich edit): its whole picture, text and
    // ground, passes through the simulation while one is on.
    void follow(QWidget* widget);

signals:
    void modified(ColourVisionKind variety);

private:
    ColourVisionFilter() = default;
    void applyEffects();
    void applyEffect(QWidget* widget) const;
    QRgb proofed(QRgb colour) const;

    ColourVisionKind m_art = ColourVisionKind::normal;
    std::optional<PrintConversion> m_proof;
    int m_proofSerial = 0;
    const void* m_proofIdentity = nullptr;  // the conversion m_roundTrips and the serial belong to
    mutable QHash<QRgb, QRgb> m_roundTrips; // one conversion per colour and profile
    std::vector<QPointer<QWidget>> m_folgende;
};
