#include "core/documents/SettingsFile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <csignal>
#include <iostream>
#include <random>

// The real program saves over its file again and again, driven by keys through
// the X server, and is killed with SIGKILL at a random moment. Whatever moment
// that was, the file must be the old one or a whole new one.
namespace
{

QByteArray dateiMitModus(int harmonyMode)
{
    FileBlocks b;
    b.block1.valueSet[fileSlot::realistisch] = 1;
    b.block1.valueSet[fileSlot::harmonyMode] = harmonyMode;
    b.block1.hex = QByteArrayLiteral("#FF0000");
    return encode(b);
}

bool ganzeDatei(const QByteArray& content)
{
    QBuffer puffer;
    puffer.setData(content);
    puffer.open(QIODevice::ReadOnly);
    const ParsedFile d = readIn(puffer, true);
    return content.size() == 222 && d.fullyRead && d.block1 &&
           d.block1->valueSet[fileSlot::harmonyMode] >= static_cast<int>(HarmonyMode::twoColour) &&
           d.block1->valueSet[fileSlot::harmonyMode] <= static_cast<int>(HarmonyMode::colourRows);
}

QString xdotool(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral("xdotool"), args);
    p.waitForFinished(10000);
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

bool warteAufZeile(QProcess& p, const QByteArray& anfang)
{
    QByteArray gelesen;
    while (!gelesen.contains(anfang)) {
        if (!p.waitForReadyRead(15000))
            return false;
        gelesen += p.readAllStandardOutput();
    }
    return true;
}

int modusIn(const QByteArray& content)
{
    QBuffer puffer;
    puffer.setData(content);
    puffer.open(QIODevice::ReadOnly);
    return readIn(puffer, true).block1->valueSet[fileSlot::harmonyMode];
}

// Mode keys (F2..F6), each followed by a save; `letzterModus` is the mode of the last save.
QStringList tastenFolge(std::mt19937& zufall, int& letzterModus)
{
    QStringList tasten{QStringLiteral("--delay"), QStringLiteral("0")};
    std::uniform_int_distribution<int> modusTaste(2, 6);
    for (int i = 0; i < 60; ++i) {
        const int taste = modusTaste(zufall);
        tasten << QStringLiteral("F%1").arg(taste) << QStringLiteral("ctrl+s");
        letzterModus = taste - 2;
    }
    return tasten;
}

} // namespace

TEST(KilledSave, LeavesTheOldOrAWholeNewFile)
{
    const int runden = qEnvironmentVariableIsSet("TINCTORA_KILLED_SAVES")
                           ? qEnvironmentVariableIntValue("TINCTORA_KILLED_SAVES")
                           : 8;
    const unsigned saat = qEnvironmentVariableIsSet("TINCTORA_KILLED_SAVES_SEED")
                              ? qEnvironmentVariable("TINCTORA_KILLED_SAVES_SEED").toUInt()
                              : std::random_device{}();
    std::cout << "seed " << saat << " (TINCTORA_KILLED_SAVES_SEED), rounds " << runden << std::endl;
    std::mt19937 zufall(saat);
    std::uniform_int_distribution<int> killNachMs(0, 150);

    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString pathName = folder.filePath(QStringLiteral("farben.tnfx"));
    {
        QFile f(pathName);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(dateiMitModus(static_cast<int>(HarmonyMode::threeColour)));
    }

    int alteBlieb = 0;
    int mittendrin = 0;
    int amEnde = 0;
    for (int runde = 0; runde < runden; ++runde) {
        QFile vorher(pathName);
        ASSERT_TRUE(vorher.open(QIODevice::ReadOnly));
        const QByteArray alt = vorher.readAll();
        vorher.close();

        QProcess programm;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TINCTORA_STARTUP_PROBE"), QStringLiteral("stay"));
        programm.setProcessEnvironment(env);
        programm.start(QStringLiteral(TINCTORA_EXE), {pathName});
        ASSERT_TRUE(warteAufZeile(programm, "first-paint")) << "round " << runde;
        const QString topWindow = xdotool({QStringLiteral("search"), QStringLiteral("--sync"),
                                           QStringLiteral("--name"), QRegularExpression::escape(pathName)})
                                      .section(QLatin1Char('\n'), 0, 0);
        ASSERT_FALSE(topWindow.isEmpty()) << "round " << runde;
        xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), topWindow});
        int letzterModus = 0;
        xdotool(QStringList{QStringLiteral("key")} + tastenFolge(zufall, letzterModus));

        // The moment of the kill is the point of the test, not a wait for a result.
        QThread::msleep(static_cast<unsigned long>(killNachMs(zufall)));
        ::kill(static_cast<pid_t>(programm.processId()), SIGKILL);
        ASSERT_TRUE(programm.waitForFinished(10000));

        QFile nachher(pathName);
        ASSERT_TRUE(nachher.open(QIODevice::ReadOnly)) << "round " << runde << ": the file is gone";
        const QByteArray jetzt = nachher.readAll();
        ASSERT_TRUE(jetzt == alt || ganzeDatei(jetzt))
            << "round " << runde << ": " << jetzt.size() << " bytes, neither the old nor a whole new file";
        if (jetzt == alt)
            ++alteBlieb;
        else
            ++(modusIn(jetzt) == letzterModus ? amEnde : mittendrin);
        // A kill between writing and renaming leaves the unfinished copy under a
        // name of its own; nothing else may appear.
        for (const QString& name : QDir(folder.path()).entryList(QDir::Files | QDir::Hidden)) {
            EXPECT_TRUE(name == QLatin1String("farben.tnfx") ||
                        name.startsWith(QLatin1String("farben.tnfx.")))
                << "round " << runde << ": " << name.toStdString();
        }
    }
    const auto reste = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size() - 1;
    std::cout << "unfinished copies left beside it " << reste << std::endl;
    std::cout << "old file kept " << alteBlieb << ", killed among the saves " << mittendrin
              << ", new file in the last key's mode " << amEnde << std::endl;
}
