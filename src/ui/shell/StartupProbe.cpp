#include "ui/shell/StartupProbe.h"

#include "core/prefs/ProgramFolders.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace
{

enum class ProbeMode { quit, stay, help };

// Opens the help contents as F1 does and names what came up, then where the tutorial
// was found, so a script can check that an installed program finds its own data.
void reportHelpAndTutorial(QWidget& window)
{
    if (auto* content = window.findChild<QAction*>(QStringLiteral("hilfeInhalt")))
        content->trigger();
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->objectName() == QStringLiteral("HelpWindow"))
            std::printf("help-window %s\n", w->windowTitle().toUtf8().constData());
        else if (w->isVisible() && w->objectName() == QStringLiteral("HelpViewerMissing"))
            std::printf("help-viewer-missing\n");
    }
    const QString tutorial = findInFolders(programDataFolders(), QStringLiteral("tutorial/index.html"));
    std::printf("tutorial %s\n", tutorial.isEmpty() ? "-" : tutorial.toUtf8().constData());
}

class FirstPaint : public QObject
{
public:
    FirstPaint(QWidget& window, long long startMs, ProbeMode mode)
        : QObject(&window), m_window(window), m_startMs(startMs), m_mode(mode)
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
                if (m_mode == ProbeMode::help)
                    reportHelpAndTutorial(m_window);
                std::fflush(stdout);
                m_reported = true;
                if (m_mode != ProbeMode::stay)
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
    ProbeMode m_mode;
    bool m_painted = false;
    bool m_reported = false;
};

} // namespace

void installStartupProbe(QWidget& window, long long startMs)
{
    const QString mode = qEnvironmentVariable("TINCTORA_STARTUP_PROBE");
    if (mode.isEmpty())
        return;
    const ProbeMode probe = mode == QStringLiteral("stay")   ? ProbeMode::stay
                            : mode == QStringLiteral("help") ? ProbeMode::help
                                                             : ProbeMode::quit;
    window.installEventFilter(new FirstPaint(window, startMs, probe));
}
