#pragma once

#include "core/language/Actions.h"
#include "core/state/MainState.h"

#include <QString>
#include <QStringView>

#include <array>
#include <span>

class LanguageTable;
class QAction;
class QActionGroup;
class QMainWindow;
class QMenu;
class QToolBar;

// The main window's actions, menus and tool bar, built from the action table.
// The window owns every object (Qt parent); the registry only finds them and
// must not outlive the window.
class ActionRegistry
{
public:
    // Creates every action (disabled, with German design captions), the menu
    // bar and the tool bar "ActionToolBar1" on the window.
    static ActionRegistry assemble(QMainWindow& form);

    QAction& action(ActionId id) const;
    QAction* action(QStringView name) const; // nullptr for an unknown name
    QMenu& menu(MenuId id) const;
    QToolBar& toolBar() const { return *m_toolBar; }
    QActionGroup* exclusiveGroup(ExclusiveGroup g) const; // nullptr for ExclusiveGroup::none

    std::span<QAction* const> allItems() const { return m_aktionen; }
    void setAllEnabled(bool enabled) const;
    // The check marks of the actions that currentState for the state's choices.
    void showActionState(const ActionChoices& currentState) const;

private:
    ActionRegistry() = default;

    std::array<QAction*, actionCount> m_aktionen{};
    std::array<QMenu*, menuCount> m_menues{};
    QToolBar* m_toolBar = nullptr;
    QActionGroup* m_modusGruppe = nullptr;
    QActionGroup* m_farbbandGruppe = nullptr;
    QActionGroup* m_farbsehenGruppe = nullptr;
};

// Captions, hints and shortcuts (with the English shortcut move) of every
// action, and the menus' titles, in the table's language.
void setActionTexts(const ActionRegistry& actionSet, const LanguageTable& textSet);
void setMenuTexts(const ActionRegistry& actionSet, const LanguageTable& textSet);
