#include "core/language/Actions.h"
#include "core/language/ControlTexts.h"

#include <gtest/gtest.h>

#include <QSet>
#include <QStringList>

#include <map>

namespace
{

const LanguageTable& tableWidget(Language s)
{
    static const LanguageTable de = LanguageTable::forLanguage(Language::german);
    static const LanguageTable en = LanguageTable::forLanguage(Language::english);
    return s == Language::german ? de : en;
}

QString name(const ActionDef& s)
{
    return QString::fromLatin1(s.name);
}

// Every action that some menu lists, with the number of times it is listed.
std::map<ActionId, int> menueEintraege()
{
    std::map<ActionId, int> r;
    for (const MenuDef& m : menuDefs())
        for (const MenuEntry& e : m.entryItems)
            if (e.variety == MenuEntry::EntryKind::actionItem)
                ++r[e.actionItem];
    return r;
}

} // namespace

TEST(ActionsTest, NamesAreUniqueAndFoundAgain)
{
    QSet<QString> names;
    for (const ActionDef& s : actionDefs()) {
        EXPECT_FALSE(names.contains(name(s))) << s.name;
        names.insert(name(s));
        EXPECT_EQ(findAction(name(s)), s.id) << s.name;
    }
    EXPECT_EQ(findAction(u"zweierharmonien"), std::nullopt); // names are case-sensitive
    EXPECT_EQ(findAction(u""), std::nullopt);
}

TEST(ActionsTest, EveryActionHasCaptionsInBothLanguages)
{
    for (Language sp : {Language::german, Language::english}) {
        for (const ActionDef& s : actionDefs()) {
            EXPECT_FALSE(tableWidget(sp).text(s.caption).isEmpty()) << s.name;
            if (s.hint) {
                EXPECT_FALSE(tableWidget(sp).text(*s.hint).isEmpty()) << s.name;
            }
        }
    }
    EXPECT_EQ(tableWidget(Language::german).text(actionDef(ActionId::luminoes).caption),
              QStringLiteral("&Luminös"));
    EXPECT_EQ(tableWidget(Language::english).text(*actionDef(ActionId::programmOhneRand).toolBarCaption),
              QStringLiteral("Fullscreen"));
    EXPECT_EQ(tableWidget(Language::german).text(*actionDef(ActionId::vollbild).toolBarCaption),
              QStringLiteral("Popup"));
}

TEST(ActionsTest, ShortcutsAreUniqueWithinALanguage)
{
    for (Language sp : {Language::german, Language::english}) {
        QSet<QString> tasten;
        for (const ActionDef& s : actionDefs()) {
            for (const QKeySequence& taste : shortcutsFor(s, sp)) {
                const QString k = taste.toString(QKeySequence::PortableText);
                EXPECT_FALSE(tasten.contains(k)) << k.toStdString() << " twice";
                tasten.insert(k);
            }
        }
        // F1, F2..F6, F7, F8, F9, F12, Alt+F1, Alt+F4, Alt+R, Alt+L, Alt+C, Ctrl+C, Ctrl+O, Ctrl+S, Ctrl+P,
        // Ctrl+E, Ctrl+V, undo and redo: Ctrl+Z, Ctrl+Shift+Z, Ctrl+Y, and the windows Contrast,
        // Color Formats and History: Ctrl+Shift+K, Ctrl+Shift+F, Ctrl+Shift+H
        EXPECT_EQ(tasten.size(), 27);
    }
}

TEST(ActionsTest, EnglishMovesOpenSaveAndPrintKeysToHiddenActions)
{
    const std::pair<ActionId, ActionId> paare[] = {{ActionId::werteDrucken, ActionId::ShortCutStrgP},
                                                   {ActionId::dateiSpeichern, ActionId::ShortCutStrgS},
                                                   {ActionId::dateiOeffnen, ActionId::ShortCutStrgO}};
    const auto menue = menueEintraege();
    for (const auto& [visible, versteckt] : paare) {
        const ActionDef& v = actionDef(visible);
        const ActionDef& h = actionDef(versteckt);
        const QKeySequence taste = shortcutFor(v, Language::german);
        EXPECT_FALSE(taste.isEmpty()) << v.name;
        EXPECT_TRUE(shortcutFor(h, Language::german).isEmpty()) << h.name;
        EXPECT_TRUE(shortcutFor(v, Language::english).isEmpty()) << v.name;
        EXPECT_EQ(shortcutFor(h, Language::english), taste) << h.name;
        EXPECT_EQ(h.handlerVon, visible);
        EXPECT_EQ(h.category, Category::fileItem);
        EXPECT_EQ(menue.count(versteckt), 0u) << h.name << " must stay out of the menus";
    }
    EXPECT_EQ(shortcutFor(actionDef(ActionId::dateiOeffnen), Language::german),
              QKeySequence(QStringLiteral("Ctrl+O")));
    // Every other shortcut is the same in both languages.
    EXPECT_EQ(shortcutFor(actionDef(ActionId::tutorialStartseite), Language::english),
              QKeySequence(QStringLiteral("Alt+F1")));
    EXPECT_EQ(shortcutFor(actionDef(ActionId::FileExit1), Language::german),
              QKeySequence(QStringLiteral("Alt+F4")));
}

TEST(ActionsTest, MenusListEveryVisibleActionOnce)
{
    const auto menue = menueEintraege();
    const QSet<ActionId> nurTasten{ActionId::ShortCutStrgP, ActionId::ShortCutStrgS, ActionId::ShortCutStrgO,
                                   ActionId::Action1};
    for (const ActionDef& s : actionDefs()) {
        const int mal = menue.count(s.id) ? menue.at(s.id) : 0;
        EXPECT_EQ(mal, nurTasten.contains(s.id) ? 0 : 1) << s.name;
    }

    QStringList leiste;
    for (const MenuDef& m : menuDefs())
        if (m.inMenuBar)
            leiste << withoutAccelerator(tableWidget(Language::english).text(m.caption));
    EXPECT_EQ(leiste,
              (QStringList{QStringLiteral("File"), QStringLiteral("Edit"), QStringLiteral("View"),
                           QStringLiteral("Mode"), QStringLiteral("Tutorial"), QStringLiteral("Help")}));
    // The band type submenu sits in the view menu.
    bool gefunden = false;
    for (const MenuEntry& e : menuDef(MenuId::viewOptions).entryItems)
        gefunden |= e.variety == MenuEntry::EntryKind::submenu && e.submenu == MenuId::colourBandType;
    EXPECT_TRUE(gefunden);
    EXPECT_EQ(menuDef(MenuId::editing).entryItems.back().actionItem, ActionId::einstellungenMenu);
}

TEST(ActionsTest, GroupsStartWithExactlyOneCheckedAction)
{
    for (ExclusiveGroup g : {ExclusiveGroup::harmonyMode, ExclusiveGroup::colourBandType}) {
        int mitglieder = 0;
        int geprueft = 0;
        for (const ActionDef& s : actionDefs()) {
            if (s.exclusiveGroup != g)
                continue;
            ++mitglieder;
            EXPECT_TRUE(s.checkable) << s.name;
            geprueft += s.checkedAtStart ? 1 : 0;
        }
        EXPECT_EQ(mitglieder, g == ExclusiveGroup::harmonyMode ? 5 : 2);
        EXPECT_EQ(geprueft, 1);
    }
    EXPECT_TRUE(actionDef(ActionId::zweierHarmonien).checkedAtStart);
    EXPECT_TRUE(actionDef(ActionId::realistisch).checkedAtStart);
}

TEST(ActionsTest, ToolBarOrderAndHiddenWebSafeActions)
{
    QStringList leiste;
    for (const ToolBarEntry& e : toolBarLayout())
        leiste << (e.actionItem ? name(actionDef(*e.actionItem)) : QStringLiteral("|"));
    EXPECT_EQ(leiste.join(QLatin1Char(' ')),
              QStringLiteral("FileExit1 | fixieren farbstreifenVerstecken vollbild programmOhneRand "
                             "TextAnstelleFlaechen | realistisch luminoes | zweierHarmonien dreierHarmonien "
                             "viererHarmonien auffaecherungen farbreihen | farbenSeparatEinstellen "
                             "gezielteManuelleEingabeVonWerten nurWebsichereFarbenAnzeigen "
                             "inWebsichereFarbenUmwandeln | pipette"));
    for (const ActionDef& s : actionDefs())
        EXPECT_EQ(s.visible, s.id != ActionId::nurWebsichereFarbenAnzeigen &&
                                 s.id != ActionId::inWebsichereFarbenUmwandeln)
            << s.name;
    // A tool bar item shows only its image, so it must have one.
    for (const ToolBarEntry& e : toolBarLayout()) {
        if (e.actionItem) {
            EXPECT_FALSE(iconName(actionDef(*e.actionItem).imageIndex).isEmpty())
                << actionDef(*e.actionItem).name;
        }
    }
}

TEST(ActionsTest, ImageIndexesAndTutorialTags)
{
    EXPECT_EQ(actionDef(ActionId::hilfeInhalt).imageIndex, 5);
    EXPECT_EQ(actionDef(ActionId::hilfeInfo).imageIndex, 7);
    EXPECT_EQ(actionDef(ActionId::einstellungenMenu).imageIndex, 12);
    EXPECT_EQ(actionDef(ActionId::nurWebsichereFarbenAnzeigen).imageIndex, 22);
    EXPECT_EQ(actionDef(ActionId::inWebsichereFarbenUmwandeln).imageIndex, 23);
    EXPECT_EQ(actionDef(ActionId::pipette).imageIndex, 24);
    EXPECT_EQ(actionDef(ActionId::onlineCheckAufUpdate).imageIndex, 25);
    EXPECT_EQ(actionDef(ActionId::programmOhneRand).imageIndex, 44);
    EXPECT_EQ(actionDef(ActionId::tutorialStartseite).imageIndex, -1);

    const int erstes = static_cast<int>(ActionId::tutorialStartseite);
    for (int tag = 0; tag < tutorialPageCount; ++tag) {
        const ActionDef& s = actionDef(static_cast<ActionId>(erstes + tag));
        EXPECT_EQ(s.category, Category::tutorial) << s.name;
        EXPECT_EQ(s.tag, tag) << s.name;
        const bool farbSeite = tag >= 2 && tag <= 14;
        EXPECT_EQ(s.imageIndex, farbSeite ? 25 + tag : -1) << s.name;
    }

    // Every image index in use has exactly one icon file name.
    QSet<QString> pfade;
    for (int i : usedImageIndices()) {
        const QString p = iconName(i);
        EXPECT_FALSE(p.isEmpty() || p.contains(QLatin1Char('.')) || p.contains(QLatin1Char('/'))) << i;
        EXPECT_FALSE(pfade.contains(p)) << i;
        pfade.insert(p);
    }
    for (const ActionDef& s : actionDefs())
        EXPECT_EQ(s.imageIndex < 0, iconName(s.imageIndex).isEmpty()) << s.name;
}

TEST(ActionsTest, ControlTextListsNameTheFieldControls)
{
    const auto items = mainWindowTexts();
    auto finde = [&](const char* n) -> const ControlText* {
        for (const ControlText& c : items)
            if (c.name == QLatin1StringView(n))
                return &c;
        return nullptr;
    };
    ASSERT_NE(finde("SKlUnMiHex"), nullptr);
    EXPECT_EQ(finde("SKlUnMiHex")->txt, Txt::smallCentreField);
    EXPECT_EQ(finde("SKlObB")->txt, Txt::smallRightField);
    EXPECT_EQ(finde("Panel8")->txt, Txt::bigField);
    EXPECT_EQ(finde("RadioButton2")->txt, Txt::smallLeftField);
    // 4 fields x (radio button's hint and name + 2 swatches + 8 value texts), Button1, ComboBox2 hint,
    // 2 status panels
    EXPECT_EQ(items.size(), 4u * 12u + 4u);
    EXPECT_EQ(finde(statusPanel0Name)->prefix, QStringLiteral("  "));
    EXPECT_EQ(harmonyModeStatusText(3), Txt::statusFanning);
    EXPECT_EQ(harmonyModeStatusText(99), Txt::statusTwoColour);
}

TEST(ActionsTest, ColourVisionSubmenuSitsInTheViewMenuWithFiveExclusiveKinds)
{
    const MenuDef& sub = menuDef(MenuId::colourVision);
    EXPECT_FALSE(sub.inMenuBar);
    bool imAnsichtMenue = false;
    for (const MenuEntry& e : menuDef(MenuId::viewOptions).entryItems)
        imAnsichtMenue |= e.variety == MenuEntry::EntryKind::submenu && e.submenu == MenuId::colourVision;
    EXPECT_TRUE(imAnsichtMenue);
    EXPECT_EQ(tableWidget(Language::german).text(sub.caption), QStringLiteral("Farbsehen &simulieren"));
    EXPECT_EQ(tableWidget(Language::english).text(sub.caption), QStringLiteral("Simulate Color &Vision"));

    QStringList de, en;
    for (const MenuEntry& e : sub.entryItems) {
        const ActionDef& a = actionDef(e.actionItem);
        EXPECT_EQ(a.exclusiveGroup, ExclusiveGroup::colourVision) << a.name;
        EXPECT_EQ(a.checkedAtStart, e.actionItem == ActionId::colourVisionNormal) << a.name;
        de << tableWidget(Language::german).text(a.caption);
        en << tableWidget(Language::english).text(a.caption);
    }
    EXPECT_EQ(de, (QStringList{"&Normal", "&Protanopie", "&Deuteranopie", "&Tritanopie", "&Achromatopsie"}));
    EXPECT_EQ(en, (QStringList{"&Normal", "&Protanopia", "&Deuteranopia", "&Tritanopia", "&Achromatopsia"}));

    bool kontrastImBearbeiten = false;
    for (const MenuEntry& e : menuDef(MenuId::editing).entryItems)
        kontrastImBearbeiten |=
            e.variety == MenuEntry::EntryKind::actionItem && e.actionItem == ActionId::contrast;
    EXPECT_TRUE(kontrastImBearbeiten);
}
