#include "ui/documents/Printing.h"

#include "core/language/LanguageTable.h"

#include <QFont>
#include <QMessageBox>
#include <QPagedPaintDevice>
#include <QPainter>

namespace
{

// 9 points at 600 dpi.
constexpr int fontHeight = 9 * printResolution / 72;

} // namespace

bool printPage(QPagedPaintDevice& printer, const PrintPage& page)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // A printer that keeps its own resolution still gets the same page.
    const double massstab = static_cast<double>(printer.logicalDpiY()) / printResolution;
    painter.scale(massstab, massstab);
    QFont lettering = painter.font();
    lettering.setPixelSize(fontHeight);
    painter.setFont(lettering);
    const int lineHeight = painter.fontMetrics().height();
    for (const PrintText& t : page.textSet)
        painter.drawText(QRect(t.x, t.y, 100 * lineHeight, lineHeight), Qt::AlignLeft | Qt::AlignTop, t.text);
    return painter.end();
}

void printJob(QPagedPaintDevice& printer, const PrintPage& page, QWidget* parent, const LanguageTable& t)
{
    if (!printPage(printer, page))
        QMessageBox::critical(parent, t.text(Txt::errorBox), t.text(Txt::printError));
}
