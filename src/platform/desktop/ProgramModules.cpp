#include "platform/desktop/ProgramModules.h"

#include <QCoreApplication>
#include <QDir>

QStringList programLibraryFolders()
{
    const QString program = QCoreApplication::applicationDirPath();
    return {program, QDir::cleanPath(program + QStringLiteral("/../lib/tinctora"))};
}

ProgramModule loadProgramModule(const QStringList& folders, const QString& name, const char* entryName)
{
    ProgramModule module;
    for (const QString& folder : folders) {
        auto library = std::make_unique<QLibrary>(QDir(folder).filePath(name));
        if (!library->load()) {
            module.error = library->errorString();
            continue;
        }
        if (QFunctionPointer entry = library->resolve(entryName)) {
            module.entry = entry;
            module.library = std::move(library);
            return module;
        }
        module.error = library->errorString();
    }
    return module;
}
