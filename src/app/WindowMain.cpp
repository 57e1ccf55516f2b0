// The library tinctora loads for everything that draws: the window, and the
// command line when it writes a picture. Kept out of the program itself, so
// that a command-line run starts without QtGui and QtWidgets.
#include "app/WindowLibrary.h"
#include "cli/Arguments.h"
#include "cli/CommandLine.h"
#include "core/prefs/RegistryForm.h"
#include "core/prefs/SettingsPreferenceStore.h"
#include "platform/desktop/WindowActivation.h"
#include "platform/instance/InstanceServer.h"
#include "platform/instance/SingleInstance.h"
#include "ui/language/ActionIcons.h"
#include "ui/shell/ColourSettingsFile.h"
#include "ui/shell/StartupProbe.h"
#include "ui/shell/TForm1.h"
#include "ui/shell/TfBlind.h"

#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <optional>

extern "C" Q_DECL_EXPORT int tinctoraStartWindow(int argc, char** argv, long long startMs)
{
    // A second start hands its file to the running instance and ends here.
    const InstanceStart instance = startSingleInstance(argc, argv);
    if (!instance.isFirstInstance())
        return 0;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tinctora"));
    // Lets the desktop match the window to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(TINCTORA_APP_ID));
    QApplication::setWindowIcon(programIcon());

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
                     [&form](const QString& path) { form.fileItem().openPath(path); });
    server.listen();

    installStartupProbe(form, startMs);
    form.show();
    return QApplication::exec();
}

extern "C" Q_DECL_EXPORT int tinctoraCommandLineWithImage(int argc, char** argv)
{
    const QStringList arguments = argumentTexts(argc, argv);
    // Drawn into an image only: no display is needed or asked for.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's platform start asks for the runtime folder and warns when there is none;
    // the picture needs none, so a missing one is a private folder for this run.
    std::optional<QTemporaryDir> runtimeFolder;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        runtimeFolder.emplace();
        if (runtimeFolder->isValid())
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeFolder->path()));
    }
    const QGuiApplication app(argc, argv);
    return executeCommandLine(arguments, paletteData, pictureColours);
}
