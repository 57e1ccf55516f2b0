#include "platform/screen/ScreenReader.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

namespace
{

class DesktopScreenReader : public ScreenReader
{
public:
    QPoint cursorPos() const override { return QCursor::pos(); }
    void setCursorPos(QPoint p) override { QCursor::setPos(p); }

    // Each screen gives its own part; the rest stays black.
    QImage grab(const QRect& r) override
    {
        QImage picture(r.size(), QImage::Format_RGB32);
        picture.fill(Qt::black);
        QPainter painter(&picture);
        for (QScreen* screen : QGuiApplication::screens()) {
            const QRect teil = r.intersected(screen->geometry());
            if (teil.isEmpty())
                continue;
            const QPoint lokal = teil.topLeft() - screen->geometry().topLeft();
            const QPixmap stueck = screen->grabWindow(0, lokal.x(), lokal.y(), teil.width(), teil.height());
            painter.drawPixmap(QRect(teil.topLeft() - r.topLeft(), teil.size()), stueck);
        }
        return picture;
    }

    unsigned pixel(QPoint p) override { return grab(QRect(p, QSize(1, 1))).pixel(0, 0) & 0xFFFFFFu; }
};

} // namespace

std::unique_ptr<ScreenReader> desktopScreenReader()
{
    return std::make_unique<DesktopScreenReader>();
}
