#include "app/WindowLibrary.h"

#include "core/language/LanguageTable.h"
#include "core/prefs/RegistryForm.h"
#include "core/prefs/SettingsPreferenceStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include <cstdio>

namespace
{

// No application exists yet: the program's folder comes from the system.
QString programFolder(char** argv)
{
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    if (self.exists())
        return QFileInfo(self.canonicalFilePath()).absolutePath();
    return QFileInfo(QString::fromLocal8Bit(argv[0])).absolutePath();
}

void reportError(int argc, char** argv, const QString& reason)
{
    const QCoreApplication app(argc, argv);
    const TfRegistryForm preferences(userPreferenceStore());
    const LanguageTable t = LanguageTable::forVersion(preferences.sprachVersion);
    std::fprintf(stderr, "tinctora: %s\n", qPrintable(t.text(Txt::windowMissing).arg(reason)));
}

} // namespace

void* windowEntryPoint(const char* name, int argc, char** argv)
{
    const QString folder = programFolder(argv);
    QString reason;
    for (const QString& candidate : {folder, QDir::cleanPath(folder + QStringLiteral("/../lib/tinctora"))}) {
        // The handle may go: a loaded library stays until the process ends unless unloaded.
        QLibrary library(QDir(candidate).filePath(QStringLiteral("tinctora_window")));
        if (!library.load()) {
            reason = library.errorString();
            continue;
        }
        if (QFunctionPointer f = library.resolve(name))
            return reinterpret_cast<void*>(f);
        reason = library.errorString();
    }
    reportError(argc, argv, reason);
    return nullptr;
}
