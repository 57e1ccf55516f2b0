#pragma once

#include <QSize>

class QWidget;

// `requested`, made no larger than the available area of the window's screen,
// its frame left out.
QSize clampToScreen(const QWidget& topWindow, QSize requested);

// Lets a window that is shown take the size its content asks for, up to the screen;
// `growOnly` keeps a larger size the user (or an earlier content) gave it.
void fitToContent(QWidget& topWindow, bool growOnly);
