#pragma once

#include <QCursor>

// The pointing hand with a colour drop that every clickable colour field shows.
QCursor fieldCursor();
