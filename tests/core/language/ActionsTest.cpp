#include "core/language/Actions.h"
#include "core/language/ControlTexts.h"

#include <gtest/gtest.h>

#include <QSet>
#include <QStringList>

#include <map>

namespace
{

const LanguageTable& tabelle(Sprache s)
{
    static const LanguageTable de = LanguageTable::forLanguage(Sprache::deutsch);
    static const LanguageTable en = LanguageTable::forLanguage(Sprache::englisch);
    return s == Sprache::deutsch ? de : en;
}

QString name(const ActionDef& s)
{
    return QString::fromLatin1(s.name);
}

// Every action that some menu lists, with the number of times it is listed.
std::map<Aktion, int> menueEintraege()
{
    std::map<Aktion, int> r;
    for (const MenuDef& m : menuDefs())
        for (const MenuEntry& e : m.eintraege)
            if (e.art == MenuEntry::Art::aktion)
                ++r[e.aktion];
    return r;
}

} // namespace

TEST(ActionsTest, NamesAreUniqueAndFoundAgain)
{
    QSet<QString> namen;
    for (const ActionDef& s : actionDefs()) {
        EXPECT_FALSE(namen.contains(name(s))) << s.name;
        namen.insert(name(s));
        EXPECT_EQ(findAktion(name(s)), s.id) << s.name;
    }
    EXPECT_EQ(findAktion(u"zweierharmonien"), std::nullopt); // names are case-sensitive
    EXPECT_EQ(findAktion(u""), std::nullopt);
}

TEST(ActionsTest, EveryActionHasCaptionsInBothLanguages)
{
    for (Sprache sp : {Sprache::deutsch, Sprache::englisch}) {
        for (const ActionDef& s : actionDefs()) {
            EXPECT_FALSE(tabelle(sp).text(s.caption).isEmpty()) << s.name;
            if (s.hint) {
                EXPECT_FALSE(tabelle(sp).text(*s.hint).isEmpty()) << s.name;
            }
        }
    }
    EXPECT_EQ(tabelle(Sprache::deutsch).text(actionDef(Aktion::luminoes).caption),
              QStringLiteral("&Luminös"));
    EXPECT_EQ(tabelle(Sprache::englisch).text(*actionDef(Aktion::programmOhneRand).toolBarCaption),
              QStringLiteral("Fullscreen"));
    EXPECT_EQ(tabelle(Sprache::deutsch).text(*actionDef(Aktion::vollbild).toolBarCaption),
              QStringLiteral("Popup"));
}

TEST(ActionsTest, ShortcutsAreUniqueWithinALanguage)
{
    for (Sprache sp : {Sprache::deutsch, Sprache::englisch}) {
        QSet<QString> tasten;
        for (const ActionDef& s : actionDefs()) {
            for (const QKeySequence& taste : shortcutsFor(s, sp)) {
                const QString k = taste.toString(QKeySequence::PortableText);
                EXPECT_FALSE(tasten.contains(k)) << k.toStdString() << " twice";
                tasten.insert(k);
            }
        }
        // F1, F2..F6, F7, F8, F9, F12, Alt+F1, Alt+F4, Alt+R, Alt+L, Alt+C, Ctrl+C, Ctrl+O, Ctrl+S, Ctrl+P, Ctrl+E,
        // and undo and redo: Ctrl+Z, Ctrl+Shift+Z, Ctrl+Y
        EXPECT_EQ(tasten.size(), 23);
    }
}

TEST(ActionsTest, EnglishMovesOpenSaveAndPrintKeysToHiddenActions)
{
    const std::pair<Aktion, Aktion> paare[] = {{Aktion::werteDrucken, Aktion::ShortCutStrgP},
                                               {Aktion::dateiSpeichern, Aktion::ShortCutStrgS},
                                               {Aktion::dateiOeffnen, Aktion::ShortCutStrgO}};
    const auto menue = menueEintraege();
    for (const auto& [sichtbar, versteckt] : paare) {
        const ActionDef& v = actionDef(sichtbar);
        const ActionDef& h = actionDef(versteckt);
        const QKeySequence taste = shortcutFor(v, Sprache::deutsch);
        EXPECT_FALSE(taste.isEmpty()) << v.name;
        EXPECT_TRUE(shortcutFor(h, Sprache::deutsch).isEmpty()) << h.name;
        EXPECT_TRUE(shortcutFor(v, Sprache::englisch).isEmpty()) << v.name;
        EXPECT_EQ(shortcutFor(h, Sprache::englisch), taste) << h.name;
        EXPECT_EQ(h.handlerVon, sichtbar);
        EXPECT_EQ(h.kategorie, Kategorie::datei);
        EXPECT_EQ(menue.count(versteckt), 0u) << h.name << " must stay out of the menus";
    }
    EXPECT_EQ(shortcutFor(actionDef(Aktion::dateiOeffnen), Sprache::deutsch),
              QKeySequence(QStringLiteral("Ctrl+O")));
    // Every other shortcut is the same in both languages.
    EXPECT_EQ(shortcutFor(actionDef(Aktion::tutorialStartseite), Sprache::englisch),
              QKeySequence(QStringLiteral("Alt+F1")));
    EXPECT_EQ(shortcutFor(actionDef(Aktion::FileExit1), Sprache::deutsch),
              QKeySequence(QStringLiteral("Alt+F4")));
}

TEST(ActionsTest, MenusListEveryVisibleActionOnce)
{
    const auto menue = menueEintraege();
    const QSet<Aktion> nurTasten{Aktion::ShortCutStrgP, Aktion::ShortCutStrgS, Aktion::ShortCutStrgO,
                                 Aktion::Action1};
    for (const ActionDef& s : actionDefs()) {
        const int mal = menue.count(s.id) ? menue.at(s.id) : 0;
        EXPECT_EQ(mal, nurTasten.contains(s.id) ? 0 : 1) << s.name;
    }

    QStringList leiste;
    for (const MenuDef& m : menuDefs())
        if (m.inMenuBar)
            leiste << ohneAccelerator(tabelle(Sprache::englisch).text(m.caption));
    EXPECT_EQ(leiste,
              (QStringList{QStringLiteral("File"), QStringLiteral("Edit"), QStringLiteral("View"),
                           QStringLiteral("Mode"), QStringLiteral("Tutorial"), QStringLiteral("Help")}));
    // The band type submenu sits in the view menu.
    bool gefunden = false;
    for (const MenuEntry& e : menuDef(MenuId::ansicht).eintraege)
        gefunden |= e.art == MenuEntry::Art::untermenue && e.untermenue == MenuId::farbbandtyp;
    EXPECT_TRUE(gefunden);
    EXPECT_EQ(menuDef(MenuId::bearbeiten).eintraege.back().aktion, Aktion::einstellungenMenu);
}

TEST(ActionsTest, GroupsStartWithExactlyOneCheckedAction)
{
    for (Gruppe g : {Gruppe::modus, Gruppe::farbbandtyp}) {
        int mitglieder = 0;
        int geprueft = 0;
        for (const ActionDef& s : actionDefs()) {
            if (s.gruppe != g)
                continue;
            ++mitglieder;
            EXPECT_TRUE(s.checkable) << s.name;
            geprueft += s.checkedAtStart ? 1 : 0;
        }
        EXPECT_EQ(mitglieder, g == Gruppe::modus ? 5 : 2);
        EXPECT_EQ(geprueft, 1);
    }
    EXPECT_TRUE(actionDef(Aktion::zweierHarmonien).checkedAtStart);
    EXPECT_TRUE(actionDef(Aktion::realistisch).checkedAtStart);
}

TEST(ActionsTest, ToolBarOrderAndHiddenWebSafeActions)
{
    QStringList leiste;
    for (const ToolBarEntry& e : toolBarLayout())
        leiste << (e.aktion ? name(actionDef(*e.aktion)) : QStringLiteral("|"));
    EXPECT_EQ(leiste.join(QLatin1Char(' ')),
              QStringLiteral("FileExit1 | fixieren farbstreifenVerstecken vollbild programmOhneRand "
                             "TextAnstelleFlaechen | realistisch luminoes | zweierHarmonien dreierHarmonien "
                             "viererHarmonien auffaecherungen farbreihen | farbenSeparatEinstellen "
                             "gezielteManuelleEingabeVonWerten nurWebsichereFarbenAnzeigen "
                             "inWebsichereFarbenUmwandeln | pipette"));
    for (const ActionDef& s : actionDefs())
        EXPECT_EQ(s.sichtbar,
                  s.id != Aktion::nurWebsichereFarbenAnzeigen && s.id != Aktion::inWebsichereFarbenUmwandeln)
            << s.name;
    // A tool bar item shows only its image, so it must have one.
    for (const ToolBarEntry& e : toolBarLayout()) {
        if (e.aktion) {
            EXPECT_FALSE(iconPfad(actionDef(*e.aktion).imageIndex).isEmpty()) << actionDef(*e.aktion).name;
        }
    }
}

TEST(ActionsTest, ImageIndexesAndTutorialTags)
{
    EXPECT_EQ(actionDef(Aktion::hilfeInhalt).imageIndex, 5);
    EXPECT_EQ(actionDef(Aktion::hilfeInfo).imageIndex, 7);
    EXPECT_EQ(actionDef(Aktion::einstellungenMenu).imageIndex, 12);
    EXPECT_EQ(actionDef(Aktion::nurWebsichereFarbenAnzeigen).imageIndex, 22);
    EXPECT_EQ(actionDef(Aktion::inWebsichereFarbenUmwandeln).imageIndex, 23);
    EXPECT_EQ(actionDef(Aktion::pipette).imageIndex, 24);
    EXPECT_EQ(actionDef(Aktion::onlineCheckAufUpdate).imageIndex, 25);
    EXPECT_EQ(actionDef(Aktion::programmOhneRand).imageIndex, 44);
    EXPECT_EQ(actionDef(Aktion::tutorialStartseite).imageIndex, -1);

    const int erstes = static_cast<int>(Aktion::tutorialStartseite);
    for (int tag = 0; tag < tutorialSeitenAnzahl; ++tag) {
        const ActionDef& s = actionDef(static_cast<Aktion>(erstes + tag));
        EXPECT_EQ(s.kategorie, Kategorie::tutorial) << s.name;
        EXPECT_EQ(s.tag, tag) << s.name;
        const bool farbSeite = tag >= 2 && tag <= 14;
        EXPECT_EQ(s.imageIndex, farbSeite ? 25 + tag : -1) << s.name;
    }

    // Every image index in use has exactly one icon file name.
    QSet<QString> pfade;
    for (int i : verwendeteBildIndizes()) {
        const QString p = iconPfad(i);
        EXPECT_TRUE(p.startsWith(QStringLiteral(":/icons/")) && p.endsWith(QStringLiteral(".svg"))) << i;
        EXPECT_FALSE(pfade.contains(p)) << i;
        pfade.insert(p);
    }
    for (const ActionDef& s : actionDefs())
        EXPECT_EQ(s.imageIndex < 0, iconPfad(s.imageIndex).isEmpty()) << s.name;
}

TEST(ActionsTest, ControlTextListsNameTheFieldControls)
{
    const auto liste = hauptfensterTexte();
    auto finde = [&](const char* n) -> const ControlText* {
        for (const ControlText& c : liste)
            if (c.name == QLatin1StringView(n))
                return &c;
        return nullptr;
    };
    ASSERT_NE(finde("SKlUnMiHex"), nullptr);
    EXPECT_EQ(finde("SKlUnMiHex")->txt, Txt::feldMitte);
    EXPECT_EQ(finde("SKlObB")->txt, Txt::feldRechts);
    EXPECT_EQ(finde("Panel8")->txt, Txt::feldGross);
    EXPECT_EQ(finde("RadioButton2")->txt, Txt::feldLinks);
    // 4 fields x (radio button + 2 swatches + 8 value texts), Button1, ComboBox2 hint, 2 status panels
    EXPECT_EQ(liste.size(), 4u * 11u + 4u);
    EXPECT_EQ(finde(statusPanel0Name)->praefix, QStringLiteral("  "));
    EXPECT_EQ(modusStatusText(3), Txt::statusAuffaecherung);
    EXPECT_EQ(modusStatusText(99), Txt::statusZweier);
}

TEST(ActionsTest, ColourVisionSubmenuSitsInTheViewMenuWithFiveExclusiveKinds)
{
    const MenuDef& sub = menuDef(MenuId::farbsehen);
    EXPECT_FALSE(sub.inMenuBar);
    bool imAnsichtMenue = false;
    for (const MenuEntry& e : menuDef(MenuId::ansicht).eintraege)
        imAnsichtMenue |= e.art == MenuEntry::Art::untermenue && e.untermenue == MenuId::farbsehen;
    EXPECT_TRUE(imAnsichtMenue);
    EXPECT_EQ(tabelle(Sprache::deutsch).text(sub.caption), QStringLiteral("Farbsehen &simulieren"));
    EXPECT_EQ(tabelle(Sprache::englisch).text(sub.caption), QStringLiteral("Simulate Color &Vision"));

    QStringList de, en;
    for (const MenuEntry& e : sub.eintraege) {
        const ActionDef& a = actionDef(e.aktion);
        EXPECT_EQ(a.gruppe, Gruppe::farbsehen) << a.name;
        EXPECT_EQ(a.checkedAtStart, e.aktion == Aktion::farbsehenNormal) << a.name;
        de << tabelle(Sprache::deutsch).text(a.caption);
        en << tabelle(Sprache::englisch).text(a.caption);
    }
    EXPECT_EQ(de, (QStringList{"&Normal", "&Protanopie", "&Deuteranopie", "&Tritanopie", "&Achromatopsie"}));
    EXPECT_EQ(en, (QStringList{"&Normal", "&Protanopia", "&Deuteranopia", "&Tritanopia", "&Achromatopsia"}));

    bool kontrastImBearbeiten = false;
    for (const MenuEntry& e : menuDef(MenuId::bearbeiten).eintraege)
        kontrastImBearbeiten |= e.art == MenuEntry::Art::aktion && e.aktion == Aktion::kontrast;
    EXPECT_TRUE(kontrastImBearbeiten);
}
