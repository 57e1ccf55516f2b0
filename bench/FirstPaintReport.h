#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>
#include <QTimer>

#include <cstdio>

// A window that reports its first paint the way tinctora does under
// TINCTORA_STARTUP_PROBE (scripts/measure-startup.sh), once the paint has reached
// the screen, and quits.
template <typename Window> class FirstPaintReport : public Window
{
protected:
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            QTimer::singleShot(0, this, [] {
                std::printf("first-paint-epoch-ms %lld\n", QDateTime::currentMSecsSinceEpoch());
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return Window::event(e);
    }

private:
    bool m_painted = false;
};
