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

QByteArray dateiMitModus(int modus)
{
    DateiBloecke b;
    b.block1.werte[dateiSlot::realistisch] = 1;
    b.block1.werte[dateiSlot::modus] = modus;
    b.block1.hex = QByteArrayLiteral("#FF0000");
    return kodieren(b);
}

bool ganzeDatei(const QByteArray& inhalt)
{
    QBuffer puffer;
    puffer.setData(inhalt);
    puffer.open(QIODevice::ReadOnly);
    const GeleseneDatei d = lesen(puffer, true);
    return inhalt.size() == 222 && d.vollstaendig && d.block1 &&
           d.block1->werte[dateiSlot::modus] >= static_cast<int>(Modus::zweier) &&
           d.block1->werte[dateiSlot::modus] <= static_cast<int>(Modus::reihen);
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

int modusIn(const QByteArray& inhalt)
{
    QBuffer puffer;
    puffer.setData(inhalt);
    puffer.open(QIODevice::ReadOnly);
    return lesen(puffer, true).block1->werte[dateiSlot::modus];
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

    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    const QString pfad = ordner.filePath(QStringLiteral("farben.tnfx"));
    {
        QFile f(pfad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(dateiMitModus(static_cast<int>(Modus::dreier)));
    }

    int alteBlieb = 0;
    int mittendrin = 0;
    int amEnde = 0;
    for (int runde = 0; runde < runden; ++runde) {
        QFile vorher(pfad);
        ASSERT_TRUE(vorher.open(QIODevice::ReadOnly));
        const QByteArray alt = vorher.readAll();
        vorher.close();

        QProcess programm;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TINCTORA_STARTUP_PROBE"), QStringLiteral("stay"));
        programm.setProcessEnvironment(env);
        programm.start(QStringLiteral(TINCTORA_EXE), {pfad});
        ASSERT_TRUE(warteAufZeile(programm, "first-paint")) << "round " << runde;
        const QString fenster = xdotool({QStringLiteral("search"), QStringLiteral("--sync"),
                                         QStringLiteral("--name"), QRegularExpression::escape(pfad)})
                                    .section(QLatin1Char('\n'), 0, 0);
        ASSERT_FALSE(fenster.isEmpty()) << "round " << runde;
        xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), fenster});
        int letzterModus = 0;
        xdotool(QStringList{QStringLiteral("key")} + tastenFolge(zufall, letzterModus));

        // The moment of the kill is the point of the test, not a wait for a result.
        QThread::msleep(static_cast<unsigned long>(killNachMs(zufall)));
        ::kill(static_cast<pid_t>(programm.processId()), SIGKILL);
        ASSERT_TRUE(programm.waitForFinished(10000));

        QFile nachher(pfad);
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
        for (const QString& name : QDir(ordner.path()).entryList(QDir::Files | QDir::Hidden)) {
            EXPECT_TRUE(name == QLatin1String("farben.tnfx") ||
                        name.startsWith(QLatin1String("farben.tnfx.")))
                << "round " << runde << ": " << name.toStdString();
        }
    }
    const auto reste = QDir(ordner.path()).entryList(QDir::Files | QDir::Hidden).size() - 1;
    std::cout << "unfinished copies left beside it " << reste << std::endl;
    std::cout << "old file kept " << alteBlieb << ", killed among the saves " << mittendrin
              << ", new file in the last key's mode " << amEnde << std::endl;
}
