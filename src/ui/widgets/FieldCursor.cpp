#include "ui/widgets/FieldCursor.h"

#include "core/colour/OverlayPicture.h"

#include <QPixmap>

QCursor fieldCursor()
{
    static const QPixmap picture = QPixmap::fromImage(readPng(QStringLiteral(":/cursor/field-cursor.png")));
    if (picture.isNull())
        return QCursor(Qt::PointingHandCursor);
    return QCursor(picture, 11, 1); // the fingertip
}
