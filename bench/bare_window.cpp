// The yardstick of the window's start: a QApplication with one shown window of the
// program's size showing one line of text, as any window with words in it does,
// that reports its first paint the way tinctora does under TINCTORA_STARTUP_PROBE
// (scripts/measure-startup.sh). The size and the text make it pay what every window
// of that size pays: its back buffer, the font set-up and one font.
#include "FirstPaintReport.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    FirstPaintReport<QLabel> window;
    window.setText(QStringLiteral("Tinctora"));
    window.resize(988, 728); // the program's window at its first start
    window.show();
    return QApplication::exec();
}
