#pragma once

#include "cli/ArgumentBytes.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// How main() goes on, decided from the arguments alone, before anything that
// draws is loaded.
struct StartPlan {
    // An option of the command line or an argument that looks like one but is
    // none: the command line answers (a usage error for the latter), no window.
    bool commandLine = false;
    // Otherwise the window's argv: the program, the files (one that begins
    // with "-" as "./-…", so nothing takes it for an option), then Qt's
    // window options, so a file stays parameter 1 for the running instance.
    QList<QByteArray> windowArguments;
};
StartPlan planStart(int argc, char** argv);
