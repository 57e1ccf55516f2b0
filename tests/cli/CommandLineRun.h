#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

struct Lauf {
    int status = -1; // -1: did not end by itself in time, or crashed
    QByteArray aus, fehler;
};

// The environment a console or a build server gives: no X server, no Wayland.
QProcessEnvironment ohneAnzeige();

// The program started with `argumente` in `ordner`. `shell` is a command of sh
// that runs the program as "$0" "$@" (redirections, limits); empty: started directly.
Lauf tinctora(const QStringList& argumente, const QString& ordner, const QString& shell = {},
              const QProcessEnvironment& env = ohneAnzeige());

QByteArray inhalt(const QString& pfad);
