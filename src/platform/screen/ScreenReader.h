#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

#include <memory>

// What the pipette reads of the screen: the cursor, pixels around it.
class ScreenReader
{
public:
    virtual ~ScreenReader() = default;
    virtual QPoint cursorPos() const = 0;
    virtual void setCursorPos(QPoint p) = 0;
    // The screen inside r; parts off the screen stay black.
    virtual QImage grab(const QRect& r) = 0;
    // 0xRRGGBB of one screen pixel.
    virtual unsigned pixel(QPoint p) = 0;
};

// The desktop's screens through Qt (X11 and other systems that let a program
// read the screen and move the cursor).
std::unique_ptr<ScreenReader> desktopScreenReader();

// A screen made of a picture, with a cursor of its own. For tests and benchmarks.
class FakeScreenReader : public ScreenReader
{
public:
    explicit FakeScreenReader(QImage picture) : m_bild(std::move(picture)) {}
    QPoint cursorPos() const override { return m_cursor; }
    void setCursorPos(QPoint p) override { m_cursor = p; }
    QImage grab(const QRect& r) override
    {
        ++m_lesungen;
        return m_bild.copy(r);
    }
    unsigned pixel(QPoint p) override
    {
        ++m_lesungen;
        return m_bild.rect().contains(p) ? m_bild.pixel(p) & 0xFFFFFFu : 0u;
    }
    QImage& picture() { return m_bild; }
    int readCount() const { return m_lesungen; }

private:
    QImage m_bild;
    QPoint m_cursor;
    int m_lesungen = 0;
};
