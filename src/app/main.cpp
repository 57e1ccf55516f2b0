#include "CommandLine.h"
#include "desktop/WindowActivation.h"
#include "instance/InstanceServer.h"
#include "instance/SingleInstance.h"
#include "prefs/RegistryForm.h"
#include "prefs/SettingsPreferenceStore.h"
#include "shell/ColourSettingsFile.h"
#include "shell/StartupProbe.h"
#include "shell/TForm1.h"
#include "shell/TfBlind.h"

#include <QApplication>
#include <QDateTime>
#include <QIcon>

int main(int argc, char** argv)
{
    const long long startMs = QDateTime::currentMSecsSinceEpoch();

    // Exports and reports run without a window, before the running instance is asked.
    if (istKommandozeile(argc, argv))
        return kommandozeileAusfuehren(argc, argv);

    // A second start hands its file to the running instance and ends here.
    const InstanceStart instance = startSingleInstance(argc, argv);
    if (!instance.isFirstInstance())
        return 0;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tinctora"));
    // Lets the desktop match the window to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(TINCTORA_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/tinctora.svg")));

    TForm1 form;
    TfRegistryForm preferences(userPreferenceStore());
    form.setPreferences(preferences);
    const TfBlind blind(form, preferences);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1)
        form.setCommandLineFile(arguments.at(1));

    InstanceServer server;
    QObject::connect(&server, &InstanceServer::raiseRequested, &form, [&form] { bringWindowToFront(&form); });
    // The raise comes first on the wire, so the window is in front before it asks or opens.
    QObject::connect(&server, &InstanceServer::pathReceived, &form,
                     [&form](const QString& path) { form.datei().pfadOeffnen(path); });
    server.listen();

    installStartupProbe(form, startMs);
    form.show();
    return QApplication::exec();
}
