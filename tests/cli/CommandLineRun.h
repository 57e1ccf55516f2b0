#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

struct Lauf {
    int status = -1; // -1: did not end by itself in time, or crashed
    QByteArray aus, errorBox;
};

// The environment a console or a build server gives: no X server, no Wayland.
QProcessEnvironment ohneAnzeige();

// The program started with `arguments` in `folder`. `shell` is a command of sh
// that runs the program as "$0" "$@" (redirections, limits); empty: started directly.
Lauf tinctora(const QStringList& arguments, const QString& folder, const QString& shell = {},
              const QProcessEnvironment& env = ohneAnzeige());

QByteArray content(const QString& pathName);
