#include "app/WindowLibrary.h"
#include "cli/Arguments.h"
#include "cli/CommandLine.h"
#include "cli/NamedFiles.h"

#include <QCoreApplication>
#include <QDateTime>

#include <vector>

namespace
{

// Exports and reports run without a window, before the running instance is
// asked; only a picture needs the library that draws.
int kommandozeile(int argc, char** argv)
{
    guardStandardStreams();
    const QStringList argumente = argumentTexts(argc, argv);
    if (brauchtBild(argumente)) {
        auto mitBild =
            reinterpret_cast<KommandozeileMitBild>(fensterEinstieg(kommandozeileMitBildName, argc, argv));
        return mitBild ? mitBild(argc, argv) : 1;
    }
    const QCoreApplication app(argc, argv);
    return kommandozeileAusfuehren(argumente, textDaten);
}

} // namespace

int main(int argc, char** argv)
{
    const long long startMs = QDateTime::currentMSecsSinceEpoch();
    // A mistyped option is answered here, so it never opens the window.
    const StartPlan plan = planStart(argc, argv);
    if (plan.commandLine)
        return kommandozeile(argc, argv);

    QList<QByteArray> fensterArgumente = plan.windowArguments;
    std::vector<char*> fensterArgv;
    for (QByteArray& a : fensterArgumente)
        fensterArgv.push_back(a.data());
    fensterArgv.push_back(nullptr);
    int fensterArgc = static_cast<int>(fensterArgumente.size());
    auto fenster =
        reinterpret_cast<FensterStart>(fensterEinstieg(fensterStartName, fensterArgc, fensterArgv.data()));
    return fenster ? fenster(fensterArgc, fensterArgv.data(), startMs) : 1;
}
