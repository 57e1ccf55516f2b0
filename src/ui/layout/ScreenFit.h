#pragma once

#include <QSize>

class QWidget;

// `gewuenscht`, made no larger than the available area of the window's screen,
// its frame left out.
QSize aufDenBildschirm(const QWidget& fenster, QSize gewuenscht);

// Lets a window that is shown take the size its content asks for, up to the screen;
// `nurWachsen` keeps a larger size the user (or an earlier content) gave it.
void anInhaltAnpassen(QWidget& fenster, bool nurWachsen);
