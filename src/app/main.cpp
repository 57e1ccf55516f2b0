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
int runCommandLine(int argc, char** argv)
{
    guardStandardStreams();
    const QStringList arguments = argumentTexts(argc, argv);
    if (needsGui(arguments)) {
        auto withPicture =
            reinterpret_cast<CommandLineWithImage>(windowEntryPoint(commandLineWithImageName, argc, argv));
        return withPicture ? withPicture(argc, argv) : 1;
    }
    const QCoreApplication app(argc, argv);
    return executeCommandLine(arguments, textFileData);
}

} // namespace

int main(int argc, char** argv)
{
    const long long startMs = QDateTime::currentMSecsSinceEpoch();
    // A mistyped option is answered here, so it never opens the window.
    const StartPlan plan = planStart(argc, argv);
    if (plan.commandLine)
        return runCommandLine(argc, argv);

    QList<QByteArray> windowArguments = plan.windowArguments;
    std::vector<char*> windowArgv;
    for (QByteArray& a : windowArguments)
        windowArgv.push_back(a.data());
    windowArgv.push_back(nullptr);
    int windowArgc = static_cast<int>(windowArguments.size());
    auto window = reinterpret_cast<StartWindowFunction>(
        windowEntryPoint(startWindowName, windowArgc, windowArgv.data()));
    return window ? window(windowArgc, windowArgv.data(), startMs) : 1;
}
