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

void deutsch(MemoryPreferenceStore& s)
{
    s.setRaw(QStringLiteral("TNVersion"), 7);
}

void englisch(MemoryPreferenceStore& s)
{
    s.setRaw(QStringLiteral("TNVersion"), 11);
}

QString buttonText(QAbstractButton* b)
{
    return b ? ohneAccelerator(b->text()) : QStringLiteral("(none)");
}

QString labelText(const QFileDialog& d, const char* name)
{
    auto* l = d.findChild<QLabel*>(QLatin1String(name));
    return l ? ohneAccelerator(l->text()) : QStringLiteral("(none)");
}

} // namespace

// Qt's own dialogs speak the interface language.
TEST(InterfaceLanguage, GermanCloseQuestionAndFileDialogUseQtsGermanTexts)
{
    WindowFixture f(deutsch);
    f.form->show();
    // A saved file, then a change: closing asks.
    QTemporaryDir ordner;
    auto dialoge = std::make_unique<ScriptedFileDialogs>();
    dialoge->antworte(ordner.filePath(QStringLiteral("farben.tnfx")));
    f.form->datei().setDialogs(std::move(dialoge));
    f.form->aktion("dateiSpeichernUnter")->trigger();
    f.form->aktion("dreierHarmonien")->trigger();

    QStringList knoepfe;
    onNextModal<QMessageBox>([&](QMessageBox& box) {
        knoepfe << buttonText(box.button(QMessageBox::Yes)) << buttonText(box.button(QMessageBox::No));
        box.button(QMessageBox::No)->click();
    });
    f.form->close();
    EXPECT_EQ(knoepfe, (QStringList{QStringLiteral("Ja"), QStringLiteral("Nein")}));

    WindowFixture g(deutsch);
    g.form->show();
    QStringList texte;
    onNextModal<QFileDialog>([&](QFileDialog& d) {
        auto* box = d.findChild<QDialogButtonBox*>();
        ASSERT_NE(box, nullptr);
        texte << labelText(d, "lookInLabel") << labelText(d, "fileNameLabel")
              << buttonText(box->button(QDialogButtonBox::Cancel));
        d.reject();
    });
    g.form->aktion("dateiSpeichernUnter")->trigger();
    EXPECT_EQ(texte, (QStringList{QStringLiteral("Suchen in:"), QStringLiteral("Dateiname:"),
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
    for (const auto& sprache : {deutsch, englisch}) {
        WindowFixture f(sprache);
        // The menus Alt and a letter reach: the menu bar's and their submenus.
        QList<QMenu*> menues;
        for (QAction* a : f.form->menuBar()->actions())
            if (a->menu())
                menues << a->menu();
        for (int i = 0; i < menues.size(); ++i)
            for (QAction* a : menues[i]->actions())
                if (a->menu())
                    menues << a->menu();
        ASSERT_EQ(menues.size(), menuCount);
        for (QMenu* menue : menues) {
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
            EXPECT_TRUE(f.form->aktion(name)->text().endsWith(QLatin1String("..."))) << name;
    }
}
