#include "cli/CommandLine.h"
#include "app/WindowLibrary.h"

#include <QCoreApplication>
#include <QDateTime>

int main(int argc, char** argv)
{
    const long long startMs = QDateTime::currentMSecsSinceEpoch();

    // Exports and reports run without a window, before the running instance is
    // asked; only a picture needs the library that draws.
    if (istKommandozeile(argc, argv)) {
        if (brauchtBild(argc, argv)) {
            auto mitBild = reinterpret_cast<KommandozeileMitBild>(fensterEinstieg(kommandozeileMitBildName, argc, argv));
            return mitBild ? mitBild(argc, argv) : 1;
        }
        const QStringList argumente = argumenteAus(argc, argv);
        const QCoreApplication app(argc, argv);
        return kommandozeileAusfuehren(argumente, textDaten);
    }
    auto fenster = reinterpret_cast<FensterStart>(fensterEinstieg(fensterStartName, argc, argv));
    return fenster ? fenster(argc, argv, startMs) : 1;
}
