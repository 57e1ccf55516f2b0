#include "ui/dialogs/PrintProfileSettings.h"

#include "core/language/LanguageTable.h"
#include "platform/desktop/FileDialogs.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace
{

const QString ghostscript = QStringLiteral("/usr/share/color/icc/ghostscript/");
const QString press = ghostscript + QStringLiteral("default_cmyk.icc");
const QString psCmyk = ghostscript + QStringLiteral("ps_cmyk.icc");
const QVector<FoundProfile> found{{press, QStringLiteral("Artifex CMYK SWOP Profile")}};

struct Settings {
    LanguageTable texts = LanguageTable::forLanguage(Language::english);
    ScriptedFileDialogs files;
    std::unique_ptr<PrintProfileSettings> widget;

    explicit Settings(const PrintProfileChoice& current)
        : widget(std::make_unique<PrintProfileSettings>(texts, found, current, files))
    {
        widget->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(widget.get()));
    }
    void load(const QString& path)
    {
        files.queueAnswer(path);
        QTest::mouseClick(widget->loadButton, Qt::LeftButton);
    }
};

} // namespace

// A loaded file joins the list and is chosen; a damaged one or one of the
// wrong kind is refused with its message, and the choice before stays.
TEST(PrintProfileSettings, LoadsACmykProfileAndRefusesOthersKeepingTheChoice)
{
    Settings s({});
    EXPECT_EQ(s.widget->profileBox->currentText(), QStringLiteral("No profile"));
    EXPECT_EQ(s.widget->profileBox->count(), 2);

    s.load(psCmyk);
    EXPECT_EQ(s.widget->choice(), (PrintProfileChoice{psCmyk, PrintIntent::relativeColorimetric}));
    EXPECT_EQ(s.widget->profileBox->currentText(), QStringLiteral("Artifex PS CMYK Profile"));
    EXPECT_TRUE(s.files.recordedCalls().front().filter.contains(QStringLiteral("*.icc")));

    QTemporaryDir folder;
    const QString broken = folder.filePath(QStringLiteral("broken.icc"));
    QFile in(press), out(broken);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly));
    out.write(in.readAll().left(3000));
    out.close();
    s.load(broken);
    EXPECT_EQ(s.widget->message->text(),
              QStringLiteral("The profile \"%1\" cannot be read or is no ICC profile.").arg(broken));
    s.load(ghostscript + QStringLiteral("srgb.icc"));
    EXPECT_TRUE(s.widget->message->text().endsWith(QStringLiteral("is not a CMYK output profile.")));
    EXPECT_EQ(s.widget->choice().path, psCmyk);
    EXPECT_EQ(s.widget->profileBox->count(), 3);

    // Back to none by keyboard; the message goes with the next choice.
    s.widget->profileBox->setFocus();
    QTest::keyClick(s.widget->profileBox, Qt::Key_Home);
    EXPECT_EQ(s.widget->choice().path, QString());
    EXPECT_TRUE(s.widget->message->text().isEmpty());
}

TEST(PrintProfileSettings, ShowsTheStoredChoiceAndChangesTheIntentByKeyboard)
{
    Settings s({press, PrintIntent::perceptual});
    EXPECT_EQ(s.widget->profileBox->currentText(), QStringLiteral("Artifex CMYK SWOP Profile"));
    EXPECT_EQ(s.widget->intentBox->currentText(), QStringLiteral("Perceptual"));
    int changes = 0;
    QObject::connect(s.widget.get(), &PrintProfileSettings::choiceChanged, [&] { ++changes; });
    s.widget->intentBox->setFocus();
    QTest::keyClick(s.widget->intentBox, Qt::Key_Up);
    EXPECT_EQ(s.widget->choice(), (PrintProfileChoice{press, PrintIntent::relativeColorimetric}));
    EXPECT_EQ(changes, 1);

    // A stored profile that has gone: said so, and no profile.
    Settings gone({QStringLiteral("/nonexistent/press.icc"), PrintIntent::relativeColorimetric});
    EXPECT_EQ(gone.widget->choice().path, QString());
    EXPECT_TRUE(gone.widget->message->text().contains(QStringLiteral("/nonexistent/press.icc")));
}
