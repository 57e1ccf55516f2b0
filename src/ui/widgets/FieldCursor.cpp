#include "ui/widgets/FieldCursor.h"

#include <QPixmap>

QCursor fieldCursor()
{
    static const QPixmap picture(QStringLiteral(":/cursor/field-cursor.png"));
    if (picture.isNull())
        return QCursor(Qt::PointingHandCursor);
    return QCursor(picture, 11, 1); // the fingertip
}
