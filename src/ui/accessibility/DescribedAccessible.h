#pragma once

#include <QAccessible>
#include <QString>

#include <functional>

class QWidget;

// What a screen reader learns of a widget that draws its content itself: its
// role, a name read out as the content changes, optionally a value it can set
// and an action that does what a click does.
struct AccessibleDescription {
    QAccessible::Role role = QAccessible::Client;
    std::function<QString()> name;
    std::function<int()> value;            // empty: the widget has no value
    std::function<int()> minimum, maximum; // of the value
    std::function<void(int)> setValue;     // empty: read only
    std::function<QString()> valueText;    // spoken instead of the bare number
    std::function<void()> press;           // empty: no press action
    std::function<bool()> checked;         // empty: carries no check mark
};

// The described widget gets an interface built from the description, in
// place of Qt's own, from its next query on. Call before the widget is
// first shown; the description goes with the widget.
void describeWidget(QWidget* widget, AccessibleDescription description);

// Screen readers hear that the widget's name, or its value, changed.
void announceNameChange(QWidget* widget);
void announceValueChange(QWidget* widget);
