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
    FirstPaint(QWidget& window, long long startMs) : QObject(&window), m_startMs(startMs) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            // Report once the paint has reached the screen.
            QTimer::singleShot(0, this, [this] {
                const long long now = QDateTime::currentMSecsSinceEpoch();
                std::printf("first-paint-epoch-ms %lld\nmain-to-first-paint-ms %lld\n", now, now - m_startMs);
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    long long m_startMs;
    bool m_done = false;
};

} // namespace

void installStartupProbe(QWidget& window, long long startMs)
{
    if (qEnvironmentVariableIsEmpty("TINCTORA_STARTUP_PROBE"))
        return;
    window.installEventFilter(new FirstPaint(window, startMs));
}
