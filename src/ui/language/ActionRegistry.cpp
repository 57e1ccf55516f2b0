#include "ui/language/ActionRegistry.h"

#include "core/language/LanguageTable.h"
#include "platform/screen/PortalColourPicker.h"
#include "ui/language/ActionIcons.h"

#include <QAction>
#include <QActionGroup>
#include <QFontDatabase>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace
{

std::size_t idx(ActionId a)
{
    return static_cast<std::size_t>(a);
}

std::size_t idx(MenuId m)
{
    return static_cast<std::size_t>(m);
}

// The menu bar and the tool bar use a small Tahoma where the system has it;
// elsewhere the system font reads better than a substitute at 8 points.
void applyFont(QWidget& w)
{
    const QString tahoma = QStringLiteral("Tahoma");
    if (QFontDatabase::hasFamily(tahoma)) {
        QFont f(tahoma);
        f.setPointSize(8);
        w.setFont(f);
    }
}

} // namespace

ActionRegistry ActionRegistry::assemble(QMainWindow& form)
{
    ActionRegistry reg;
    reg.m_modusGruppe = new QActionGroup(&form);
    reg.m_modusGruppe->setObjectName(QStringLiteral("modusGruppe"));
    reg.m_farbbandGruppe = new QActionGroup(&form);
    reg.m_farbbandGruppe->setObjectName(QStringLiteral("farbbandGruppe"));
    reg.m_farbsehenGruppe = new QActionGroup(&form);
    reg.m_farbsehenGruppe->setObjectName(QStringLiteral("farbsehenGruppe"));

    for (const ActionDef& s : actionDefs()) {
        auto* a = new QAction(&form);
        a->setObjectName(QString::fromLatin1(s.name));
        a->setProperty("kategorie", QString::fromLatin1(categoryName(s.category)));
        a->setData(s.tag);
        a->setCheckable(s.checkable);
        a->setChecked(s.checkedAtStart);
        a->setVisible(s.visible);
        a->setEnabled(false); // the window enables what it has built
        if (s.imageIndex >= 0)
            a->setProperty("imageIndex", s.imageIndex); // the icon follows the palette's shade
        if (s.exclusiveGroup == ExclusiveGroup::harmonyMode)
            reg.m_modusGruppe->addAction(a);
        else if (s.exclusiveGroup == ExclusiveGroup::colourBandType)
            reg.m_farbbandGruppe->addAction(a);
        else if (s.exclusiveGroup == ExclusiveGroup::colourVision)
            reg.m_farbsehenGruppe->addAction(a);
        // Shortcuts work through the window whether or not the action sits in a menu.
        form.addAction(a);
        reg.m_aktionen[idx(s.id)] = a;
    }

    QMenuBar* bar = form.menuBar();
    applyFont(*bar);
    for (const MenuDef& m : menuDefs()) {
        auto* menu = new QMenu(&form);
        menu->setObjectName(QString::fromLatin1(m.name));
        reg.m_menues[idx(m.id)] = menu;
    }
    for (const MenuDef& m : menuDefs()) {
        QMenu* menu = reg.m_menues[idx(m.id)];
        for (const MenuEntry& e : m.entryItems) {
            switch (e.variety) {
            case MenuEntry::EntryKind::actionItem:
                menu->addAction(reg.m_aktionen[idx(e.actionItem)]);
                break;
            case MenuEntry::EntryKind::separator:
                menu->addSeparator();
                break;
            case MenuEntry::EntryKind::submenu:
                menu->addMenu(reg.m_menues[idx(e.submenu)]);
                break;
            }
        }
        if (m.inMenuBar)
            bar->addMenu(menu);
    }

    auto* tb = new QToolBar(&form);
    tb->setObjectName(QStringLiteral("ActionToolBar1"));
    tb->setMovable(false);
    tb->setFloatable(false);
    tb->setIconSize(QSize(24, 24));
    tb->setContentsMargins(10, 0, 10, 0);
    tb->setStyleSheet(QStringLiteral("QToolBar#ActionToolBar1 { border-top: 1px solid palette(mid);"
                                     " border-bottom: 1px solid palette(mid); }"));
    applyFont(*tb);
    form.addToolBar(Qt::TopToolBarArea, tb);
    for (const ToolBarEntry& e : toolBarLayout()) {
        if (!e.actionItem) {
            tb->addSeparator();
            continue;
        }
        QAction* a = reg.m_aktionen[idx(*e.actionItem)];
        tb->addAction(a);
        if (actionDef(*e.actionItem).toolBarCaption)
            if (auto* button = qobject_cast<QToolButton*>(tb->widgetForAction(a)))
                button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    }
    reg.m_toolBar = tb;
    new ActionIconShading(*tb);

    const LanguageTable design = LanguageTable::forLanguage(Language::german);
    setMenuTexts(reg, design);
    setActionTexts(reg, design);
    return reg;
}

QAction& ActionRegistry::action(ActionId id) const
{
    return *m_aktionen.at(idx(id));
}

QAction* ActionRegistry::action(QStringView name) const
{
    const auto id = findAction(name);
    return id ? m_aktionen[idx(*id)] : nullptr;
}

QMenu& ActionRegistry::menu(MenuId id) const
{
    return *m_menues.at(idx(id));
}

QActionGroup* ActionRegistry::exclusiveGroup(ExclusiveGroup g) const
{
    switch (g) {
    case ExclusiveGroup::harmonyMode:
        return m_modusGruppe;
    case ExclusiveGroup::colourBandType:
        return m_farbbandGruppe;
    case ExclusiveGroup::colourVision:
        return m_farbsehenGruppe;
    case ExclusiveGroup::none:
        break;
    }
    return nullptr;
}

void ActionRegistry::setAllEnabled(bool enabled) const
{
    for (QAction* a : m_aktionen)
        a->setEnabled(enabled);
}

void ActionRegistry::showActionState(const ActionChoices& currentState) const
{
    const std::pair<ActionId, bool> marken[] = {
        {ActionId::realistisch, currentState.realistisch},
        {ActionId::luminoes, !currentState.realistisch},
        {ActionId::zweierHarmonien, currentState.harmonyMode == HarmonyMode::twoColour},
        {ActionId::dreierHarmonien, currentState.harmonyMode == HarmonyMode::threeColour},
        {ActionId::viererHarmonien, currentState.harmonyMode == HarmonyMode::fourColour},
        {ActionId::auffaecherungen, currentState.harmonyMode == HarmonyMode::fanning},
        {ActionId::farbreihen, currentState.harmonyMode == HarmonyMode::colourRows},
        {ActionId::fixieren, currentState.fixieren},
        {ActionId::farbenSeparatEinstellen, currentState.farbenSeparatEinstellen},
        {ActionId::nurWebsichereFarbenAnzeigen, currentState.nurWebsichereFarbenAnzeigen},
        {ActionId::TextAnstelleFlaechen, currentState.textInsteadOfFields},
        {ActionId::farbstreifenVerstecken, currentState.farbstreifenVerstecken},
    };
    for (const auto& [id, an] : marken)
        action(id).setChecked(an);
}

void setActionTexts(const ActionRegistry& actionSet, const LanguageTable& textSet)
{
    for (const ActionDef& s : actionDefs()) {
        QAction& a = actionSet.action(s.id);
        const QString& caption = textSet.text(s.caption);
        a.setText(caption);
        a.setToolTip(s.hint ? textSet.text(*s.hint) : withoutAccelerator(caption));
        a.setStatusTip(s.hint ? textSet.text(*s.hint) : QString());
        if (s.toolBarCaption)
            a.setIconText(textSet.text(*s.toolBarCaption));
        a.setShortcuts(shortcutsFor(s, textSet.uiLanguage()));
    }
    // Where the screen may not be read, the desktop's picker stands in for the pipette window.
    if (PortalColourPicker::portalSession()) {
        QAction& pipette = actionSet.action(ActionId::pipette);
        const QString record = textSet.text(Txt::pipetteWayland);
        pipette.setToolTip(pipette.toolTip() + QLatin1Char('\n') + record);
        pipette.setStatusTip(pipette.statusTip() + QStringLiteral(" – ") + record);
    }
}

void setMenuTexts(const ActionRegistry& actionSet, const LanguageTable& textSet)
{
    for (const MenuDef& m : menuDefs())
        actionSet.menu(m.id).setTitle(textSet.text(m.caption));
}
