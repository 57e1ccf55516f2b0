#pragma once

#include "core/state/ColourDocument.h"

#include "ui/widgets/MainWidgets.h"

#include <array>

class ColourPanel;
struct WebFieldAccess;
class DisplayHost;
struct DisplayParts;

// The web-safe display mode and its warning when row fields fold together.
class WebSafeDisplay
{
public:
    // The widgets this part draws or reads; no others.
    struct Widgets {
        WarningWidgets& warning;
    };

    WebSafeDisplay(DisplayHost& host, Widgets widgets, DisplayParts& parts);
    // The action stays invisible; the program runs the toggle itself.
    void connectWidgets();
    // Its share of the render pass: the same-colour warning of a painted row.
    void follow(Changes was);
    // The same-colour warning goes (harmonies have no row to judge).
    void hideWarning();

    void nurWebsichereFarbenAnzeigenExecute();
    // The dialog's action as the state's web-safe display allows it.
    void present();
    // The conversion dialog, created anew each time; rows only get a message.
    void inWebsichereFarbenUmwandelnExecute();
    // Whether two compared row fields of the shown row display are equal.
    bool checkFarbengleichheit() const;
    // After a row field was painted: shows or hides the warning Panel1.
    void checkWarning();

    // The conversion dialog's way into the value rows of the edited half.
    WebFieldAccess webFieldAccess();

    DisplayHost& m_host;

    Widgets m_w;
    DisplayParts& m_parts;
    // The conversion dialog's action as it was before web-safe display took it away.
    bool m_umwandelnWarAn = false;
    bool m_angezeigt = false; // web-safe display as the actions show it
};
