// Pictures of the help window and the about box for a look or for the manual.
// Not part of the normal run: scripts/help-screenshots.sh runs them with
// --gtest_also_run_disabled_tests and TINCTORA_SHOT_DIR set.

#include "support/WindowFixture.h"

#include "platform/desktop/HelpWindow.h"
#include "platform/desktop/QtHelpViewer.h"
#include "platform/desktop/ShellOpener.h"
#include "ui/dialogs/AboutBox.h"

#include <QDir>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace
{

const QString payload = QStringLiteral(TINCTORA_PROGRAM_DATA);

QString zielOrdner()
{
    const QString folder = qEnvironmentVariable("TINCTORA_SHOT_DIR", QStringLiteral("."));
    QDir().mkpath(folder);
    return folder;
}

void aufnehmen(QWidget& w, const QString& name)
{
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    const QString pathName = QDir(zielOrdner()).filePath(name);
    ASSERT_TRUE(w.grab().save(pathName)) << pathName.toStdString();
}

} // namespace

TEST(HelpScreenshots, DISABLED_HelpWindowOnTopicPages)
{
    for (Language s : {Language::english, Language::german}) {
        QtHelpViewer viewer({payload});
        const QString code = s == Language::english ? QStringLiteral("en") : QStringLiteral("de");
        viewer.htmlHelp(payload + QStringLiteral("/manual.chm"), HelpCommand::content, s);
        HelpWindow* w = viewer.topWindow();
        ASSERT_NE(w, nullptr);
        w->resize(1000, 700);
        ASSERT_TRUE(QTest::qWaitFor([w] { return w->engine()->contentWidget()->model()->rowCount() > 0; }));
        w->engine()->contentWidget()->expandAll();
        aufnehmen(*w, QStringLiteral("help-contents-%1.png").arg(code));
        viewer.htmlHelp(payload + QStringLiteral("/manual.chm::HTML\\page06.htm"), HelpCommand::topic, s);
        aufnehmen(*w, QStringLiteral("help-page06-%1.png").arg(code));
        viewer.htmlHelp(payload + QStringLiteral("/manual.chm::HTML\\page04.htm"), HelpCommand::topic, s);
        aufnehmen(*w, QStringLiteral("help-page04-%1.png").arg(code));
        viewer.htmlHelp(payload + QStringLiteral("/manual.chm::HTML\\page01.htm"), HelpCommand::topic, s);
        aufnehmen(*w, QStringLiteral("help-page01-%1.png").arg(code));
    }
}

TEST(HelpScreenshots, DISABLED_AboutBox)
{
    for (Language s : {Language::english, Language::german}) {
        const LanguageTable textSet = LanguageTable::forLanguage(s);
        RecordingShellOpener shell;
        TAboutBox box(textSet, shell);
        box.show();
        aufnehmen(box, QStringLiteral("about-%1.png")
                           .arg(s == Language::english ? QStringLiteral("en") : QStringLiteral("de")));
    }
}

// The manual's picture of the main window, in each language; written into
// $TINCTORA_HELP_IMAGES/<lang>/HTML/images/ (the folder resources/help of the sources).
TEST(HelpScreenshots, DISABLED_MainWindowForTheManual)
{
    const QString target = qEnvironmentVariable("TINCTORA_HELP_IMAGES");
    ASSERT_FALSE(target.isEmpty()) << "TINCTORA_HELP_IMAGES is not set";
    for (const auto& [version, code] : {std::pair{11, "en"}, {7, "de"}}) {
        WindowFixture f([v = version](MemoryPreferenceStore& s) {
            s.setRaw(QStringLiteral("TNVersion"), v);
            s.setRaw(QStringLiteral("cFullscrn"), 0);
            s.setRaw(QStringLiteral("appWidth"), 1000);
            s.setRaw(QStringLiteral("appHeight"), 720);
        });
        f.form->show();
        f.form->resize(1000, 720);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(f.form.get()));
        const QString folder =
            target + QStringLiteral("/") + QString::fromLatin1(code) + QStringLiteral("/HTML/images");
        QDir().mkpath(folder);
        const QImage picture = f.form->grab().toImage().scaledToWidth(720, Qt::SmoothTransformation);
        ASSERT_TRUE(picture.save(folder + QStringLiteral("/main-window.png")));
    }
}
