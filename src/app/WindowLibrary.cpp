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
    const QFileInfo selbst(QStringLiteral("/proc/self/exe"));
    if (selbst.exists())
        return QFileInfo(selbst.canonicalFilePath()).absolutePath();
    return QFileInfo(QString::fromLocal8Bit(argv[0])).absolutePath();
}

void reportError(int argc, char** argv, const QString& grund)
{
    const QCoreApplication app(argc, argv);
    const TfRegistryForm preferences(userPreferenceStore());
    const LanguageTable t = LanguageTable::forVersion(preferences.sprachVersion);
    std::fprintf(stderr, "tinctora: %s\n", qPrintable(t.text(Txt::windowMissing).arg(grund)));
}

} // namespace

void* windowEntryPoint(const char* name, int argc, char** argv)
{
    const QString folder = programFolder(argv);
    QString grund;
    for (const QString& kandidat : {folder, QDir::cleanPath(folder + QStringLiteral("/../lib/tinctora"))}) {
        // The handle may go: a loaded library stays until the process ends unless unloaded.
        QLibrary bibliothek(QDir(kandidat).filePath(QStringLiteral("tinctora_window")));
        if (!bibliothek.load()) {
            grund = bibliothek.errorString();
            continue;
        }
        if (QFunctionPointer f = bibliothek.resolve(name))
            return reinterpret_cast<void*>(f);
        grund = bibliothek.errorString();
    }
    reportError(argc, argv, grund);
    return nullptr;
}
