// The yardstick of the window's start: a QApplication with one shown QWidget that
// reports its first paint the way tinctora does under TINCTORA_STARTUP_PROBE
// (scripts/measure-startup.sh).
#include <QApplication>
#include <QDateTime>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace
{

class BareWindow : public QWidget
{
protected:
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            // Reported once the paint has reached the screen, as the program does.
            QTimer::singleShot(0, this, [] {
                std::printf("first-paint-epoch-ms %lld\n", QDateTime::currentMSecsSinceEpoch());
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QWidget::event(e);
    }

private:
    bool m_painted = false;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    BareWindow window;
    window.resize(640, 480);
    window.show();
    return QApplication::exec();
}
