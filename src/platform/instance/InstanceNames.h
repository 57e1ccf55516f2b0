#pragma once

#include <QString>

// Names under which one user's instance of the program is found. Both live in a
// folder only this user can use, so other users' instances never meet ours.
struct InstanceNames {
    QString lockFile;   // held by the first instance for its whole life
    QString serverName; // its local socket (see LocalSocket.h)
};

// The key keeps separate programs apart (tests use their own).
QString defaultInstanceKey();
InstanceNames instanceNames(const QString& key = defaultInstanceKey());
