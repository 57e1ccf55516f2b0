#pragma once

#include "core/state/ColourDocument.h"

#include <QString>

class ActionRegistry;
class LanguageTable;
class QAction;
class QImage;
class QWidget;
class WindowLayoutUi;

// What the display parts may reach of the main window. The window implements
// it; the parts never see the window's class, so the shell sits above them.
class DisplayHost
{
public:
    virtual ~DisplayHost() = default;

    // Read only: every change goes through the document, which announces it.
    virtual const MainState& state() const = 0;
    virtual ColourDocument& colourDocument() = 0;
    // The window as a widget (its palette, its window state).
    virtual QWidget& mainWindow() = 0;

    // The band type as its menu command switches it, with the fields recomputed.
    virtual void switchBandType(bool luminous) = 0;
    virtual void resetStaticText() = 0;

    virtual const ActionRegistry& actions() const = 0;
    // An action by its name; nullptr for an unknown name.
    virtual QAction* actionItem(const char* name) const = 0;
    virtual WindowLayoutUi& layout() = 0;
    // The interface language's texts; German until the resource form exists,
    // as the window's design texts are.
    virtual const LanguageTable& uiLanguage() const = 0;
    // Opens a topic of the help file ("::HTML\\page06.htm") in the interface language.
    virtual void showHelpTopic(const QString& /*topic*/) {}
};
