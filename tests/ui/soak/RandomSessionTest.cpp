#include "ui/soak/RandomSession.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace
{

std::uint32_t ausUmgebung(const char* name, std::uint32_t vorgabe)
{
    const QByteArray value = qgetenv(name);
    bool ok = false;
    const uint numeral = value.toUInt(&ok);
    return ok ? numeral : vorgabe;
}

QString wiederholung(std::uint32_t seed, std::uint32_t anzahl)
{
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    return QStringLiteral("QT_QPA_PLATFORM=offscreen TINCTORA_SOAK_SEED=%1 TINCTORA_SOAK_ACTIONS=%2 %3 "
                          "--gtest_filter=%4.%5")
        .arg(seed)
        .arg(anzahl)
        .arg(QCoreApplication::applicationFilePath(), QString::fromUtf8(info->test_suite_name()),
             QString::fromUtf8(info->name()));
}

} // namespace

// Seed and length come from TINCTORA_SOAK_SEED and TINCTORA_SOAK_ACTIONS
// (scripts/soak.sh runs long sessions under the sanitizers); a failure lists
// the last 25 actions, or TINCTORA_SOAK_TAIL of them. The run stops at the
// first failed check unless TINCTORA_SOAK_KEEP_GOING is set: then it goes on,
// reports the first five, lists the rest one line each and counts them.
TEST(RandomSession, EveryUserActionKeepsTheDisplayConsistent)
{
    const std::uint32_t seed = ausUmgebung("TINCTORA_SOAK_SEED", 20261208);
    const std::uint32_t anzahl = ausUmgebung("TINCTORA_SOAK_ACTIONS", 300);
    const bool weiter = ausUmgebung("TINCTORA_SOAK_KEEP_GOING", 0) != 0;
    const qsizetype schwanz = std::max(25, qEnvironmentVariableIntValue("TINCTORA_SOAK_TAIL"));
    ZufallsSitzung sitzung(seed);
    int fehlschlaege = 0;
    for (std::uint32_t i = 0; i < anzahl; ++i) {
        const QStringList errorBox = sitzung.step();
        if (errorBox.isEmpty())
            continue;
        // The last action is reported in full, so that a replay ending there shows its actions.
        if (++fehlschlaege <= 5 || i + 1 == anzahl) {
            const QStringList& p = sitzung.protokoll();
            ADD_FAILURE() << "seed " << seed << ", action " << i << ":\n  "
                          << errorBox.join(QStringLiteral("\n  ")).toStdString() << "\nlast actions:\n  "
                          << p.mid(std::max<qsizetype>(0, p.size() - schwanz))
                                 .join(QStringLiteral("\n  "))
                                 .toStdString()
                          << "\nreplay: " << wiederholung(seed, i + 1).toStdString();
        } else {
            // Beyond the first five one line each, so that the failures can be counted by kind.
            std::printf("action %u: %s\n", i, errorBox.join(QStringLiteral(" | ")).toStdString().c_str());
        }
        if (!weiter)
            return;
    }
    std::printf("seed %u: %u actions, %d with a failed check\n", seed, anzahl, fehlschlaege);
}
