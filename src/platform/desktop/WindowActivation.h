#pragma once

class QWidget;

// Restores a minimised window to the state it had before (normal or maximised),
// shows it and asks the window system to put it in front with the focus.
void bringWindowToFront(QWidget* window);
