// The yardstick of the command line's start: a QCoreApplication that starts
// and ends, and nothing else (scripts/measure-cli-startup.sh).
#include <QCoreApplication>

int main(int argc, char** argv)
{
    const QCoreApplication app(argc, argv);
    return 0;
}
