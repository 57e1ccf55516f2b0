#include "ui/widgets/FieldCursor.h"

#include <QImageReader>
#include <QPixmap>

namespace
{

// The PNG reader alone: a picture loaded by file name has Qt load every image plug-in to probe it.
QPixmap cursorPicture()
{
    QImageReader reader(QStringLiteral(":/cursor/field-cursor.png"), "PNG");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

} // namespace

QCursor fieldCursor()
{
    static const QPixmap picture = cursorPicture();
    if (picture.isNull())
        return QCursor(Qt::PointingHandCursor);
    return QCursor(picture, 11, 1); // the fingertip
}
