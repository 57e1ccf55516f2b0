#include "ui/language/ActionRegistry.h"

#include "core/language/LanguageTable.h"
#include "ui/language/SpracheZuweisen.h"

#include <QAction>
#include <QActionGroup>
#include <QFontDatabase>
#include <QIcon>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace
{

std::size_t idx(Aktion a)
{
    return static_cast<std::size_t>(a);
}

std::size_t idx(MenuId m)
{
    return static_cast<std::size_t>(m);
}

// The menu bar and the tool bar use a small Tahoma where the system has it;
// elsewhere the system font reads better than a substitute at 8 points.
void schriftSetzen(QWidget& w)
{
    const QString tahoma = QStringLiteral("Tahoma");
    if (QFontDatabase::hasFamily(tahoma)) {
        QFont f(tahoma);
        f.setPointSize(8);
        w.setFont(f);
    }
}

} // namespace

ActionRegistry ActionRegistry::aufbauen(QMainWindow& form)
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
        a->setProperty("kategorie", QString::fromLatin1(kategorieName(s.kategorie)));
        a->setData(s.tag);
        a->setCheckable(s.checkable);
        a->setChecked(s.checkedAtStart);
        a->setVisible(s.sichtbar);
        a->setEnabled(false); // the window enables what it has built
        if (s.imageIndex >= 0)
            a->setIcon(QIcon(iconPfad(s.imageIndex)));
        if (s.gruppe == Gruppe::modus)
            reg.m_modusGruppe->addAction(a);
        else if (s.gruppe == Gruppe::farbbandtyp)
            reg.m_farbbandGruppe->addAction(a);
        else if (s.gruppe == Gruppe::farbsehen)
            reg.m_farbsehenGruppe->addAction(a);
        // Shortcuts work through the window whether or not the action sits in a menu.
        form.addAction(a);
        reg.m_aktionen[idx(s.id)] = a;
    }

    QMenuBar* bar = form.menuBar();
    schriftSetzen(*bar);
    for (const MenuDef& m : menuDefs()) {
        auto* menu = new QMenu(&form);
        menu->setObjectName(QString::fromLatin1(m.name));
        reg.m_menues[idx(m.id)] = menu;
    }
    for (const MenuDef& m : menuDefs()) {
        QMenu* menu = reg.m_menues[idx(m.id)];
        for (const MenuEntry& e : m.eintraege) {
            switch (e.art) {
            case MenuEntry::Art::aktion:
                menu->addAction(reg.m_aktionen[idx(e.aktion)]);
                break;
            case MenuEntry::Art::trenner:
                menu->addSeparator();
                break;
            case MenuEntry::Art::untermenue:
                menu->addMenu(reg.m_menues[idx(e.untermenue)]);
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
    schriftSetzen(*tb);
    form.addToolBar(Qt::TopToolBarArea, tb);
    for (const ToolBarEntry& e : toolBarLayout()) {
        if (!e.aktion) {
            tb->addSeparator();
            continue;
        }
        QAction* a = reg.m_aktionen[idx(*e.aktion)];
        tb->addAction(a);
        if (actionDef(*e.aktion).toolBarCaption)
            if (auto* knopf = qobject_cast<QToolButton*>(tb->widgetForAction(a)))
                knopf->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    }
    reg.m_toolBar = tb;

    const LanguageTable design = LanguageTable::forLanguage(Sprache::deutsch);
    menueTexteSetzen(reg, design);
    aktionsTexteSetzen(reg, design);
    return reg;
}

QAction& ActionRegistry::action(Aktion id) const
{
    return *m_aktionen.at(idx(id));
}

QAction* ActionRegistry::action(QStringView name) const
{
    const auto id = findAktion(name);
    return id ? m_aktionen[idx(*id)] : nullptr;
}

QMenu& ActionRegistry::menu(MenuId id) const
{
    return *m_menues.at(idx(id));
}

QActionGroup* ActionRegistry::gruppe(Gruppe g) const
{
    switch (g) {
    case Gruppe::modus:
        return m_modusGruppe;
    case Gruppe::farbbandtyp:
        return m_farbbandGruppe;
    case Gruppe::farbsehen:
        return m_farbsehenGruppe;
    case Gruppe::keine:
        break;
    }
    return nullptr;
}

void ActionRegistry::setAllEnabled(bool enabled) const
{
    for (QAction* a : m_aktionen)
        a->setEnabled(enabled);
}

void ActionRegistry::zustandZeigen(const AktionsStand& stand) const
{
    const std::pair<Aktion, bool> marken[] = {
        {Aktion::realistisch, stand.realistisch},
        {Aktion::luminoes, !stand.realistisch},
        {Aktion::zweierHarmonien, stand.modus == Modus::zweier},
        {Aktion::dreierHarmonien, stand.modus == Modus::dreier},
        {Aktion::viererHarmonien, stand.modus == Modus::vierer},
        {Aktion::auffaecherungen, stand.modus == Modus::auffaecher},
        {Aktion::farbreihen, stand.modus == Modus::reihen},
        {Aktion::fixieren, stand.fixieren},
        {Aktion::farbenSeparatEinstellen, stand.farbenSeparatEinstellen},
        {Aktion::nurWebsichereFarbenAnzeigen, stand.nurWebsichereFarbenAnzeigen},
        {Aktion::TextAnstelleFlaechen, stand.textAnstelleFlaechen},
        {Aktion::farbstreifenVerstecken, stand.farbstreifenVerstecken},
    };
    for (const auto& [id, an] : marken)
        action(id).setChecked(an);
}
