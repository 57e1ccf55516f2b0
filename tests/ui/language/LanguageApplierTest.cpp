#include "ui/language/LanguageApplier.h"
#include "ui/language/ActionRegistry.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>

namespace
{

template <typename T> T* neu(QWidget* parent, const char* name)
{
    auto* w = new T(parent);
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

// A main window carrying a few of the controls the language switch addresses,
// named as the real window names them.
struct Fenster {
    QMainWindow form;
    ActionRegistry actionSet = ActionRegistry::assemble(form);
    QWidget* centre = new QWidget(&form);
    QComboBox* combo1 = neu<QComboBox>(centre, "ComboBox1");
    QComboBox* combo2 = neu<QComboBox>(centre, "ComboBox2");
    QComboBox* combo3 = neu<QComboBox>(centre, "ComboBox3");
    QPushButton* button1 = neu<QPushButton>(centre, "Button1");
    QRadioButton* radio3 = neu<QRadioButton>(centre, "RadioButton3");
    QLabel* valueText = neu<QLabel>(centre, "SKlUnLiHex");
    QTextEdit* richEdit1 = neu<QTextEdit>(centre, "RichEdit1");
    QLabel* panel0 = neu<QLabel>(form.statusBar(), statusPanel0Name);
    QLabel* panel1 = neu<QLabel>(form.statusBar(), statusPanel1Name);
    QMenu* popup = neu<QMenu>(&form, "PopupMenu1");
    QMenu* zeichen = neu<QMenu>(popup, "Zeichen1");
    QAction* kopieren1 = popup->addAction(QStringLiteral("x"));
    QAction* links1 = zeichen->addAction(QStringLiteral("x"));
    QDialog* dialog = neu<QDialog>(&form, "TForm4");
    QPushButton* fremderKnopf = neu<QPushButton>(dialog, "Button1");

    Fenster()
    {
        form.setCentralWidget(centre);
        kopieren1->setObjectName(QStringLiteral("Kopieren1"));
        links1->setObjectName(QStringLiteral("Links1"));
        popup->addMenu(zeichen);
        fremderKnopf->setText(QStringLiteral("OK"));
    }
};

bool inIrgendeinemMenue(const QMainWindow& form, const QAction* a)
{
    for (const QMenu* m : form.findChildren<QMenu*>())
        if (m->actions().contains(a))
            return true;
    return false;
}

} // namespace

TEST(SpracheZuweisenTest, BuildsDisabledActionsWithMenusAndToolBar)
{
    Fenster f;
    for (const ActionDef& s : actionDefs()) {
        QAction& a = f.actionSet.action(s.id);
        EXPECT_EQ(a.objectName(), QLatin1StringView(s.name));
        EXPECT_EQ(f.actionSet.action(a.objectName()), &a);
        EXPECT_FALSE(a.isEnabled()) << s.name << ": the window enables what it has built";
        EXPECT_EQ(a.isCheckable(), s.checkable) << s.name;
        EXPECT_EQ(a.isChecked(), s.checkedAtStart) << s.name;
        EXPECT_EQ(a.data().toInt(), s.tag) << s.name;
        EXPECT_EQ(a.icon().isNull(), s.imageIndex < 0) << s.name;
        EXPECT_TRUE(f.form.actions().contains(&a)) << s.name;
    }
    EXPECT_EQ(f.actionSet.action(u"gibtEsNicht"), nullptr);

    QStringList titleText;
    for (QAction* m : f.form.menuBar()->actions())
        titleText << m->text();
    EXPECT_EQ(titleText, (QStringList{QStringLiteral("&Datei"), QStringLiteral("&Bearbeiten"),
                                      QStringLiteral("&Ansicht"), QStringLiteral("&Modus"),
                                      QStringLiteral("&Tutorial"), QStringLiteral("&Hilfe")}));
    EXPECT_TRUE(f.actionSet.menu(MenuId::viewOptions)
                    .actions()
                    .contains(f.actionSet.menu(MenuId::colourBandType).menuAction()));

    QToolBar& tb = f.actionSet.toolBar();
    EXPECT_EQ(tb.objectName(), QStringLiteral("ActionToolBar1"));
    EXPECT_EQ(tb.actions().size(), static_cast<qsizetype>(toolBarLayout().size()));
    auto stil = [&](ActionId a) {
        return qobject_cast<QToolButton*>(tb.widgetForAction(&f.actionSet.action(a)))->toolButtonStyle();
    };
    EXPECT_EQ(stil(ActionId::programmOhneRand), Qt::ToolButtonTextBesideIcon);
    EXPECT_EQ(stil(ActionId::vollbild), Qt::ToolButtonTextBesideIcon);
    EXPECT_EQ(stil(ActionId::pipette), Qt::ToolButtonIconOnly);
    EXPECT_FALSE(f.actionSet.action(ActionId::nurWebsichereFarbenAnzeigen).isVisible());

    f.actionSet.setAllEnabled(true);
    EXPECT_TRUE(f.actionSet.action(ActionId::hilfeInfo).isEnabled());
}

TEST(SpracheZuweisenTest, ModeActionsExcludeEachOther)
{
    Fenster f;
    f.actionSet.setAllEnabled(true);
    EXPECT_TRUE(f.actionSet.exclusiveGroup(ExclusiveGroup::harmonyMode)->isExclusive());
    EXPECT_EQ(f.actionSet.exclusiveGroup(ExclusiveGroup::none), nullptr);
    f.actionSet.action(ActionId::farbreihen).trigger();
    EXPECT_TRUE(f.actionSet.action(ActionId::farbreihen).isChecked());
    EXPECT_FALSE(f.actionSet.action(ActionId::zweierHarmonien).isChecked());
    f.actionSet.action(ActionId::luminoes).trigger();
    EXPECT_FALSE(f.actionSet.action(ActionId::realistisch).isChecked());
    EXPECT_TRUE(f.actionSet.action(ActionId::farbreihen).isChecked()) << "the groups are independent";
}

TEST(SpracheZuweisenTest, EnglishMenuShowsNoShortcutButTheKeysStillWork)
{
    Fenster f;
    spracheZuweisen(f.form, LanguageTable::forVersion(std::nullopt), f.actionSet);

    const std::pair<ActionId, ActionId> paare[] = {{ActionId::dateiOeffnen, ActionId::ShortCutStrgO},
                                                   {ActionId::dateiSpeichern, ActionId::ShortCutStrgS},
                                                   {ActionId::werteDrucken, ActionId::ShortCutStrgP}};
    for (const auto& [visible, versteckt] : paare) {
        QAction& v = f.actionSet.action(visible);
        QAction& h = f.actionSet.action(versteckt);
        EXPECT_TRUE(f.actionSet.menu(MenuId::fileItem).actions().contains(&v));
        EXPECT_TRUE(v.shortcut().isEmpty()) << v.objectName().toStdString();
        EXPECT_FALSE(h.shortcut().isEmpty());
        EXPECT_FALSE(inIrgendeinemMenue(f.form, &h));
        EXPECT_TRUE(h.isVisible()) << "an invisible action would not take its keys";
    }
    EXPECT_EQ(f.actionSet.action(ActionId::dateiOeffnen).text(), QStringLiteral("&Load Settings of Colors"));

    // The key reaches the hidden action.
    f.actionSet.setAllEnabled(true);
    QSignalSpy tryOpen(&f.actionSet.action(ActionId::ShortCutStrgO), &QAction::triggered);
    QSignalSpy visible(&f.actionSet.action(ActionId::dateiOeffnen), &QAction::triggered);
    f.form.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.form));
    QTest::keyClick(&f.form, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(tryOpen.count(), 1);
    EXPECT_EQ(visible.count(), 0);
}

TEST(SpracheZuweisenTest, GermanMenuKeepsTheShortcutsOnTheVisibleActions)
{
    Fenster f;
    spracheZuweisen(f.form, LanguageTable::forVersion(std::nullopt), f.actionSet);
    spracheZuweisen(f.form, LanguageTable::forVersion(0), f.actionSet); // applying twice leaves no trace
    EXPECT_EQ(f.actionSet.action(ActionId::dateiSpeichern).shortcut(),
              QKeySequence(QStringLiteral("Ctrl+S")));
    EXPECT_TRUE(f.actionSet.action(ActionId::ShortCutStrgS).shortcut().isEmpty());
    EXPECT_EQ(f.actionSet.action(ActionId::auffaecherungen).text(), QStringLiteral("&Auffächerungen"));
    EXPECT_EQ(f.actionSet.action(ActionId::auffaecherungen).toolTip(), QStringLiteral("Auffächerungen"));
    EXPECT_EQ(f.actionSet.action(ActionId::programmOhneRand).iconText(), QStringLiteral("Vollbild"));
    EXPECT_EQ(f.actionSet.action(ActionId::programmOhneRand).statusTip(),
              QStringLiteral("Programm ohne Titel- und Taskleiste"));
    // Without a hint of its own the tool tip is the plain caption.
    EXPECT_EQ(f.actionSet.action(ActionId::dateiSpeichernUnter).toolTip(),
              QStringLiteral("Farbeinstellungen speichern unter..."));
}

TEST(SpracheZuweisenTest, FillsTheListBoxesWithoutFiringTheirHandlers)
{
    Fenster f;
    QSignalSpy wechsel(f.combo1, &QComboBox::currentIndexChanged);
    spracheZuweisen(f.form, LanguageTable::forVersion(11), f.actionSet);
    spracheZuweisen(f.form, LanguageTable::forVersion(11), f.actionSet);

    ASSERT_EQ(f.combo1->count(), 7);
    EXPECT_EQ(f.combo1->itemText(0), QStringLiteral("3 Fields"));
    EXPECT_EQ(f.combo1->itemText(6), QStringLiteral("15 Fields"));
    EXPECT_EQ(f.combo1->currentIndex(), 3);
    EXPECT_EQ(f.combo1->currentText(), QStringLiteral("9 Fields"));
    EXPECT_EQ(f.combo1->maxVisibleItems(), 8);
    EXPECT_EQ(wechsel.count(), 0);

    ASSERT_EQ(f.combo2->count(), 4);
    EXPECT_EQ(f.combo2->itemText(3), QStringLiteral("Background: Black"));
    EXPECT_EQ(f.combo2->currentIndex(), 0);
    EXPECT_EQ(f.combo2->toolTip(), QStringLiteral("Brightness of the Background"));
    ASSERT_EQ(f.combo3->count(), 2);
    EXPECT_EQ(f.combo3->itemText(1), QStringLiteral("Angle Type 2"));
    EXPECT_EQ(f.combo3->currentIndex(), 0);

    spracheZuweisen(f.form, LanguageTable::forVersion(7), f.actionSet);
    EXPECT_EQ(f.combo2->itemText(1), QStringLiteral("Hintergrund: Weiß"));
    EXPECT_EQ(f.combo1->currentText(), QStringLiteral("9 Felder"));
}

TEST(SpracheZuweisenTest, CaptionsHintsAndPopupMenusOfTheWindow)
{
    Fenster f;
    spracheZuweisen(f.form, LanguageTable::forVersion(std::nullopt), f.actionSet);
    EXPECT_EQ(f.form.windowTitle(), QStringLiteral("Tinctora for Zevediz Adirevivo 3.25"));
    EXPECT_EQ(f.button1->text(), QStringLiteral("Interm. Values"));
    EXPECT_EQ(f.radio3->toolTip(), QStringLiteral("Small field center"));
    EXPECT_EQ(f.valueText->toolTip(), QStringLiteral("Small field left-hand side"));
    EXPECT_EQ(f.panel0->text(), QStringLiteral("  2-Color Harmony"));
    EXPECT_EQ(f.panel1->text(), QStringLiteral("Big field selected"));
    EXPECT_EQ(f.richEdit1->toPlainText(), QStringLiteral("Test text\n(click right mouse for options)"));
    EXPECT_EQ(f.kopieren1->text(), QStringLiteral("C&opy"));
    EXPECT_EQ(f.zeichen->title(), QStringLiteral("&Signs"));
    EXPECT_EQ(f.links1->text(), QStringLiteral("&Left"));
    EXPECT_EQ(f.fremderKnopf->text(), QStringLiteral("OK")) << "a dialog's own controls are its business";
    EXPECT_EQ(f.actionSet.menu(MenuId::colourBandType).title(), QStringLiteral("&Type of Color Band"));

    spracheZuweisen(f.form, LanguageTable::forVersion(0), f.actionSet);
    EXPECT_EQ(f.form.windowTitle(), QStringLiteral("Tinctora 3.25"));
    EXPECT_EQ(f.button1->text(), QStringLiteral("Zwischendaten"));
    EXPECT_EQ(f.panel0->text(), QStringLiteral("  Zweier-Harmonie"));
    EXPECT_EQ(f.richEdit1->toPlainText(), QStringLiteral("Testtext\n(re. Maustaste für Optionen)"));
    EXPECT_EQ(f.zeichen->title(), QStringLiteral("&Zeichen"));
}

TEST(SpracheZuweisenTest, AWindowWithoutTheNamedControlsIsLeftAlone)
{
    QMainWindow blank;
    const ActionRegistry actionSet = ActionRegistry::assemble(blank);
    spracheZuweisen(blank, LanguageTable::forVersion(11), actionSet);
    EXPECT_EQ(actionSet.action(ActionId::hilfeInhalt).text(), QStringLiteral("&Content"));
}
