#include "cli/Arguments.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{

StartPlan plan(QList<QByteArray> arguments)
{
    arguments.prepend("tinctora");
    std::vector<char*> argv;
    for (QByteArray& a : arguments)
        argv.push_back(a.data());
    return planStart(static_cast<int>(argv.size()), argv.data());
}

QList<QByteArray> topWindow(const QList<QByteArray>& arguments)
{
    return QList<QByteArray>{"tinctora"} + arguments;
}

} // namespace

TEST(Arguments, EveryByteSequenceComesBackAsGiven)
{
    for (const QByteArray& bytes :
         {QByteArray("in\xff.tnfx"), QByteArray("out\xe9.gpl"), QByteArray("Fläche.tnfx"),
          QByteArray("\xed\xa0\x80 \xc3"), QByteArray("\xf0\x9f\x8e\xa8\x80"),
          QByteArray("\xf0\x9f\x92\xa8\xa8") /* U+1F4A8: its low surrogate lies where bytes are kept */}) {
        const QString text = argumentText(bytes);
        EXPECT_EQ(argumentBytes(text), bytes) << bytes.toHex().toStdString();
        EXPECT_FALSE(text.contains(QChar(0xFFFD)));
    }
    EXPECT_EQ(argumentText("Fläche"), QStringLiteral("Fläche"));
}

TEST(Arguments, TheWindowGetsItsFileFirstAndQtsOptionsAfter)
{
    // A plain file stays parameter 1, unchanged, for the running instance.
    EXPECT_EQ(plan({"f.tnfx"}).windowArguments, topWindow({"f.tnfx"}));
    EXPECT_EQ(plan({"-style", "fusion", "f.tnfx", "-reverse"}).windowArguments,
              topWindow({"f.tnfx", "-style", "fusion", "-reverse"}));
    EXPECT_EQ(plan({"--platform", "offscreen", "-stylesheet=a.qss"}).windowArguments,
              topWindow({"--platform", "offscreen", "-stylesheet=a.qss"}));
    EXPECT_EQ(plan({"--", "-f.tnfx"}).windowArguments, topWindow({"./-f.tnfx"}));
    EXPECT_FALSE(plan({"--", "--values"}).commandLine);
    EXPECT_EQ(plan({}).windowArguments, topWindow({}));
}

TEST(Arguments, AnOptionOfOursOrAMistypedOneGoesToTheCommandLine)
{
    for (const QList<QByteArray>& arguments : {QList<QByteArray>{"--values", "f.tnfx"},
                                               {"f.tnfx", "-export=x.gpl"},
                                               {"--expotr", "x.gpl", "f.tnfx"},
                                               {"-x"},
                                               {"-"},
                                               {"---"},
                                               {"-style", "fusion", "--help"}}) {
        const StartPlan p = plan(arguments);
        EXPECT_TRUE(p.commandLine) << arguments.join(' ').toStdString();
        EXPECT_TRUE(p.windowArguments.isEmpty());
    }
}
