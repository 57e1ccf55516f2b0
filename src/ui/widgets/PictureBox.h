#pragma once

#include "core/colour/ColourVision.h"

#include <QImage>
#include <QWidget>

#include <array>
#include <functional>

class QMouseEvent;

// A picture on the main window (band pictures, overlay, angle picture), or a
// paint box that draws through a function. Reports the mouse to whoever
// handles it; the handlers live with the routines they belong to.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    PictureBox(QWidget* parent, const QString& name);

    const QImage& image() const { return m_image; }
    void setImage(const QImage& image);
    // Stretch the picture over the whole box (the compact light/dark field).
    void setStretched(bool stretched);
    bool stretched() const { return m_stretched; }

    // A picture made for the screen's own pixels: makePicture() sets what the
    // maker gives for the box's device pixel ratio, and the box makes it again
    // when the window moves to a screen with another ratio.
    using PictureMaker = std::function<QImage(double ratio)>;
    void setPictureMaker(PictureMaker maker) { m_maker = std::move(maker); }
    void makePicture();

    // A paint box draws with this instead of a picture.
    using Painter = std::function<void(QPainter&, const QRect&)>;
    void setPainter(Painter painter);

signals:
    void mousePressed(QMouseEvent* event);
    void mouseMoved(QMouseEvent* event);
    void mouseReleased(QMouseEvent* event);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // The picture as the current colour vision shows it, made once per kind.
    const QImage& shownImage() const;

    QImage m_image;
    mutable std::array<QImage, allColourVisions.size()> m_simuliert;
    mutable std::array<QImage, allColourVisions.size()> m_proofed;
    mutable int m_proofSerial = 0; // the soft proof m_proofed was made with
    Painter m_painter;
    PictureMaker m_maker;
    bool m_stretched = false;
};
