#include "ui/widgets/FieldCursor.h"

#include <QPixmap>

QCursor fieldCursor()
{
    static const QPixmap bild(QStringLiteral(":/cursor/field-cursor.png"));
    if (bild.isNull())
        return QCursor(Qt::PointingHandCursor);
    return QCursor(bild, 11, 1); // the fingertip
}
