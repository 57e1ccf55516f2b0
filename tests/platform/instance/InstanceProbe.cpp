// Runs the start-up's single-instance step exactly as the program does, with a stand-in
// for the main window: a first instance listens and appends what arrives to a log file.
//
// Environment: TINCTORA_PROBE_LOG names the log file; TINCTORA_PROBE_TIMEOUT_MS, if set,
// shortens the time a running instance gets to answer. A first instance ends, releasing
// the lock, when the file "<log>.quit" appears.
#include "instance/InstanceServer.h"
#include "instance/SingleInstance.h"

#include <QApplication>
#include <QFile>
#include <QTimer>

namespace
{

QString logPath()
{
    return qEnvironmentVariable("TINCTORA_PROBE_LOG");
}

void appendLine(const QByteArray& line)
{
    QFile log(logPath());
    if (log.open(QIODevice::Append))
        log.write(line + '\n');
}

SingleInstanceOptions probeOptions()
{
    SingleInstanceOptions options;
    bool ok = false;
    const int timeout = qEnvironmentVariableIntValue("TINCTORA_PROBE_TIMEOUT_MS", &ok);
    if (ok)
        options.answerTimeoutMs = timeout;
    options.noRecipientNotice = [](int&, char**) { appendLine("no-recipient"); };
    return options;
}

} // namespace

int main(int argc, char** argv)
{
    const InstanceStart start = startSingleInstance(argc, argv, probeOptions());
    if (!start.isFirstInstance()) {
        appendLine("second-exit");
        return 0;
    }

    QApplication app(argc, argv);
    InstanceServer server;
    QObject::connect(&server, &InstanceServer::raiseRequested, [] { appendLine("raise"); });
    QObject::connect(&server, &InstanceServer::pathReceived,
                     [](const QString& path) { appendLine("path " + path.toUtf8().toHex()); });
    if (!server.listen()) {
        appendLine("listen-failed");
        return 3;
    }
    appendLine("first");

    QTimer quitPoll;
    QObject::connect(&quitPoll, &QTimer::timeout, &app, [&app] {
        if (QFile::exists(logPath() + QStringLiteral(".quit")))
            app.quit();
    });
    quitPoll.start(20);
    return app.exec();
}
