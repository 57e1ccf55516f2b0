#include "ui/documents/Printing.h"

#include "core/language/LanguageTable.h"

#include <QFont>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>

namespace
{

// 9 points at 600 dpi.
constexpr int schriftHoehe = 9 * druckAufloesung / 72;

} // namespace

bool seiteDrucken(QPrinter& printer, const DruckSeite& seite)
{
    printer.setDocName(QStringLiteral("Tinctora"));
    printer.setResolution(druckAufloesung);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // A printer that keeps its own resolution still gets the same page.
    const double massstab = static_cast<double>(printer.resolution()) / druckAufloesung;
    painter.scale(massstab, massstab);
    QFont schrift = painter.font();
    schrift.setPixelSize(schriftHoehe);
    painter.setFont(schrift);
    const int zeilenHoehe = painter.fontMetrics().height();
    for (const DruckText& t : seite.texte)
        painter.drawText(QRect(t.x, t.y, 100 * zeilenHoehe, zeilenHoehe), Qt::AlignLeft | Qt::AlignTop,
                         t.text);
    return painter.end();
}

void auftragDrucken(QPrinter& printer, const DruckSeite& seite, QWidget* parent, const LanguageTable& t)
{
    if (!seiteDrucken(printer, seite))
        QMessageBox::critical(parent, t.text(Txt::fehler), t.text(Txt::druckFehler));
}
