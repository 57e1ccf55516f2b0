#pragma once

#include <QFunctionPointer>
#include <QLibrary>
#include <QStringList>

#include <memory>

// The program's own libraries that load on first use (help viewer, print dialog):
// beside the program, or in <prefix>/lib/tinctora once installed.
QStringList programLibraryFolders();

// A library of the program, loaded from the first folder that has it, and its entry point.
struct ProgramModule {
    std::unique_ptr<QLibrary> library;
    QFunctionPointer entry = nullptr; // null when no folder had it; `error` says why
    QString error;
};
ProgramModule loadProgramModule(const QStringList& folders, const QString& name, const char* entryName);
