#pragma once

#include "core/documents/ValueExport.h"

class QPagedPaintDevice;

// Prints the page as one job in 9-point text. False when the job could not be started.
bool printPage(QPagedPaintDevice& printer, const PrintPage& page);

class LanguageTable;
class QWidget;

// Prints the page; a job that cannot be started is reported in an error box.
void printJob(QPagedPaintDevice& printer, const PrintPage& page, QWidget* parent, const LanguageTable& t);
