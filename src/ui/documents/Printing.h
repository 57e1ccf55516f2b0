#pragma once

#include "core/documents/ValueExport.h"

class QPrinter;

// The printer's resolution: the page's coordinates are units of it, so the
// page keeps its proportions on every printer and in PDF.
inline constexpr int printResolution = 600;

// Prints the page as one job titled "Tinctora" in 9-point text. False when
// the job could not be started.
bool printPage(QPrinter& printer, const PrintPage& page);

class LanguageTable;
class QWidget;

// Prints the page; a job that cannot be started is reported in an error box.
void printJob(QPrinter& printer, const PrintPage& page, QWidget* parent, const LanguageTable& t);
