#include "shell/StartupProbe.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace
{

class FirstPaint : public QObject
{
public:
    FirstPaint(QWidget& window, long long startMs, bool stay)
        : QObject(&window), m_window(window), m_startMs(startMs), m_stay(stay)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            // Report once the paint has reached the screen.
            QTimer::singleShot(0, this, [this] {
                const long long now = QDateTime::currentMSecsSinceEpoch();
                std::printf("first-paint-epoch-ms %lld\nmain-to-first-paint-ms %lld\n", now, now - m_startMs);
                std::fflush(stdout);
                m_reported = true;
                if (!m_stay)
                    QCoreApplication::quit();
            });
        } else if (event->type() == QEvent::ZOrderChange && m_reported) {
            // What raise() leaves on a window that has no stacking siblings.
            std::printf("raised %s\n", m_window.windowTitle().toUtf8().constData());
            std::fflush(stdout);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget& m_window;
    long long m_startMs;
    bool m_stay;
    bool m_painted = false;
    bool m_reported = false;
};

} // namespace

void installStartupProbe(QWidget& window, long long startMs)
{
    const QString mode = qEnvironmentVariable("TINCTORA_STARTUP_PROBE");
    if (mode.isEmpty())
        return;
    window.installEventFilter(new FirstPaint(window, startMs, mode == QStringLiteral("stay")));
}
