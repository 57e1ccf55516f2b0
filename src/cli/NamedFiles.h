#pragma once

#include <QByteArray>

// Files named by the bytes the command line gave, never re-encoded. Each
// returns 0 or the errno of the step that failed, so a message can say why.

int readNamedFile(const QByteArray& path, QByteArray& content);

// Written beside the target and renamed over it only when whole; a folder that
// takes no new files still lets an existing file be overwritten in place, as
// the window's saving does. A new file gets the permissions the umask allows,
// a replaced one keeps its own. A link is followed: the file it names is replaced.
int writeNamedFile(const QByteArray& path, const QByteArray& data);

// Both exist and are one file: left followed, hard left included.
bool sameFile(const QByteArray& a, const QByteArray& b);

// Written and flushed, so a full disk or a closed standard output is noticed.
int writeStandardOutput(const QByteArray& data);

// A closed standard output or error gets a descriptor that refuses writing, so
// a file opened later cannot take its number and receive the text.
void guardStandardStreams();
