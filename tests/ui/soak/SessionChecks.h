#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

class TForm1;

// What the user sees of the field display: the colour of every shown field,
// every value text with its swatch, the checked mode and
// whether the display is fixed. Keys are object names.
using Ansicht = QMap<QString, QString>;

enum class Half { left, right };

// The whole display.
Ansicht ansichtVon(const TForm1& form);
// One half of a fixed display: its panels and its value row.
Ansicht haelfteVon(const TForm1& form, Half half);
// The entries that differ, one line each ("name: before -> after").
QStringList unterschiede(const Ansicht& vorher, const Ansicht& nachher);

// The invariants a user relies on after any action; one line per violation.
QStringList invariantenPruefen(const TForm1& form);
