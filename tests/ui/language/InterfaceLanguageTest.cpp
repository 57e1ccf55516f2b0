#include "support/ModalGuard.h"
#include "support/WindowFixture.h"

#include "core/language/Actions.h"
#include "platform/desktop/FileDialogs.h"
#include "ui/language/ActionRegistry.h"
#include "ui/shell/ColourSettingsFile.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace
{

void german(MemoryPreferenceStore& s)
{
    s.setRaw(QStringLiteral("TNVersion"), 7);
}

void english(MemoryPreferenceStore& s)
{
    s.setRaw(QStringLiteral("TNVersion"), 11);
}

QString buttonText(QAbstractButton* b)
{
    return b ? withoutAccelerator(b->text()) : QStringLiteral("(none)");
}

QString labelText(const QFileDialog& d, const char* name)
{
    auto* l = d.findChild<QLabel*>(QLatin1String(name));
    return l ? withoutAccelerator(l->text()) : QStringLiteral("(none)");
}

} // namespace

// Qt's own dialogs speak the interface language.
TEST(InterfaceLanguage, GermanCloseQuestionAndFileDialogUseQtsGermanTexts)
{
    WindowFixture f(german);
    f.form->show();
    // A saved file, then a change: closing asks.
    QTemporaryDir folder;
    auto dialogs = std::make_unique<ScriptedFileDialogs>();
    dialogs->queueAnswer(folder.filePath(QStringLiteral("farben.tnfx")));
    f.form->fileItem().setDialogs(std::move(dialogs));
    f.form->actionItem("dateiSpeichernUnter")->trigger();
    f.form->actionItem("dreierHarmonien")->trigger();

    QStringList knoepfe;
    onNextModal<QMessageBox>([&](QMessageBox& box) {
        knoepfe << buttonText(box.button(QMessageBox::Yes)) << buttonText(box.button(QMessageBox::No));
        box.button(QMessageBox::No)->click();
    });
    f.form->close();
    EXPECT_EQ(knoepfe, (QStringList{QStringLiteral("Ja"), QStringLiteral("Nein")}));

    WindowFixture g(german);
    g.form->show();
    QStringList textSet;
    onNextModal<QFileDialog>([&](QFileDialog& d) {
        auto* box = d.findChild<QDialogButtonBox*>();
        ASSERT_NE(box, nullptr);
        textSet << labelText(d, "lookInLabel") << labelText(d, "fileNameLabel")
                << buttonText(box->button(QDialogButtonBox::Cancel));
        d.reject();
    });
    g.form->actionItem("dateiSpeichernUnter")->trigger();
    EXPECT_EQ(textSet, (QStringList{QStringLiteral("Suchen in:"), QStringLiteral("Dateiname:"),
                                    QStringLiteral("Abbrechen")}));
}

// Alt+menu letter then an entry's letter runs one entry. Shared letters are
// allowed only where both captions are given ones (not ours).
TEST(InterfaceLanguage, EveryMenuGivesEachEntryItsOwnLetter)
{
    const std::set<std::pair<QString, QString>> gegebenGeteilt{
        {QStringLiteral("Adjust Colors &Separately"), QStringLiteral("&Settings")},
        {QStringLiteral("&Start Page"), QStringLiteral("&Silver")},
        {QStringLiteral("&Startseite"), QStringLiteral("Ro&sa")},
        {QStringLiteral("&Inhalt"), QStringLiteral("&Info")},
    };
    for (const auto& uiLanguage : {german, english}) {
        WindowFixture f(uiLanguage);
        // The menus Alt and a letter reach: the menu bar's and their submenus.
        QList<QMenu*> menus;
        for (QAction* a : f.form->menuBar()->actions())
            if (a->menu())
                menus << a->menu();
        for (int i = 0; i < menus.size(); ++i)
            for (QAction* a : menus[i]->actions())
                if (a->menu())
                    menus << a->menu();
        ASSERT_EQ(menus.size(), menuCount);
        for (QMenu* menue : menus) {
            std::map<QChar, QString> vergeben;
            for (QAction* a : menue->actions()) {
                const QString text = a->menu() ? a->menu()->title() : a->text();
                if (a->isSeparator() || !a->isVisible())
                    continue;
                const auto pos = text.indexOf(QLatin1Char('&'));
                ASSERT_GE(pos, 0) << qPrintable(text) << " has no letter";
                const QChar buchstabe = text.at(pos + 1).toLower();
                const auto [it, neu] = vergeben.emplace(buchstabe, text);
                if (!neu) {
                    EXPECT_TRUE(gegebenGeteilt.contains({it->second, text}))
                        << qPrintable(menue->title()) << ": " << qPrintable(it->second) << " and "
                        << qPrintable(text);
                }
            }
        }
        // Our entries that open a window say so.
        for (const char* name : {"verlauf", "farbformate", "kontrast", "paletteExportieren"})
            EXPECT_TRUE(f.form->actionItem(name)->text().endsWith(QLatin1String("..."))) << name;
    }
}
