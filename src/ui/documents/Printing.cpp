#include "ui/documents/Printing.h"

#include "core/language/LanguageTable.h"

#include <QFont>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>

namespace
{

// 9 points at 600 dpi.
constexpr int fontHeight = 9 * printResolution / 72;

} // namespace

bool printPage(QPrinter& printer, const PrintPage& page)
{
    printer.setDocName(QStringLiteral("Tinctora"));
    printer.setResolution(printResolution);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // A printer that keeps its own resolution still gets the same page.
    const double massstab = static_cast<double>(printer.resolution()) / printResolution;
    painter.scale(massstab, massstab);
    QFont lettering = painter.font();
    lettering.setPixelSize(fontHeight);
    painter.setFont(lettering);
    const int lineHeight = painter.fontMetrics().height();
    for (const PrintText& t : page.textSet)
        painter.drawText(QRect(t.x, t.y, 100 * lineHeight, lineHeight), Qt::AlignLeft | Qt::AlignTop, t.text);
    return painter.end();
}

void printJob(QPrinter& printer, const PrintPage& page, QWidget* parent, const LanguageTable& t)
{
    if (!printPage(printer, page))
        QMessageBox::critical(parent, t.text(Txt::errorBox), t.text(Txt::printError));
}
