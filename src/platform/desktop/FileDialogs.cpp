#include "platform/desktop/FileDialogs.h"

#include <QFileDialog>
#include <QGridLayout>

namespace
{

std::optional<QString> gewaehlt(const QString& pfad)
{
    if (pfad.isEmpty())
        return std::nullopt;
    return pfad;
}

// The system's dialog takes no widgets of ours; Qt's own does, in its grid.
std::optional<FileDialogs::Ziel> mitOptionen(QWidget* eltern, const QString& filter, const QString& name,
                                             QWidget& optionen)
{
    QFileDialog dialog(eltern, {}, name, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
    if (auto* raster = qobject_cast<QGridLayout*>(dialog.layout()))
        raster->addWidget(&optionen, raster->rowCount(), 0, 1, raster->columnCount());
    optionen.show();
    const bool gewaehlt = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    // Back to the caller before the dialog takes it with it.
    optionen.hide();
    optionen.setParent(nullptr);
    if (!gewaehlt)
        return std::nullopt;
    return FileDialogs::Ziel{dialog.selectedFiles().front(), dialog.selectedNameFilter()};
}

} // namespace

std::optional<QString> QtFileDialogs::oeffnen(QWidget* eltern, const QString& filter)
{
    return gewaehlt(QFileDialog::getOpenFileName(eltern, {}, {}, filter));
}

// The caller asks about replacing, after it has changed the extension.
std::optional<QString> QtFileDialogs::speichern(QWidget* eltern, const QString& filter, const QString& name)
{
    return gewaehlt(
        QFileDialog::getSaveFileName(eltern, {}, name, filter, nullptr, QFileDialog::DontConfirmOverwrite));
}

std::optional<FileDialogs::Ziel> QtFileDialogs::speichernMitFilter(QWidget* eltern, const QString& filter,
                                                                   const QString& name, QWidget* optionen)
{
    if (optionen)
        return mitOptionen(eltern, filter, name, *optionen);
    QString gewaehlterFilter;
    const QString pfad = QFileDialog::getSaveFileName(eltern, {}, name, filter, &gewaehlterFilter,
                                                      QFileDialog::DontConfirmOverwrite);
    if (pfad.isEmpty())
        return std::nullopt;
    return Ziel{pfad, gewaehlterFilter};
}
