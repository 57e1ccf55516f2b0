// The yardstick of the window's start: a QApplication with one shown window of the
// program's size showing one line of text, as any window with words in it does,
// that reports its first paint the way tinctora does under TINCTORA_STARTUP_PROBE
// (scripts/measure-startup.sh). The size and the text make it pay what every window
// of that size pays: its back buffer, the font set-up and one font.
#include <QApplication>
#include <QDateTime>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace
{

class BareWindow : public QLabel
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
        return QLabel::event(e);
    }

private:
    bool m_painted = false;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    BareWindow window;
    window.setText(QStringLiteral("Tinctora"));
    window.resize(988, 728); // the program's window at its first start
    window.show();
    return QApplication::exec();
}
