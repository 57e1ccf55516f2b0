#pragma once

struct MainWidgets;
class FocusMark;
class QWidget;

// Tab goes through the main window in its reading order: the band, the field
// choice, the row controls, the fields, the background box, the light/dark
// field, the angle box. Returns the ring that marks the focus among them.
FocusMark* setKeyboardOrder(QWidget& window, MainWidgets& w);
