#include "platform/desktop/FileDialogs.h"

#include <QFileDialog>
#include <QGridLayout>

namespace
{

std::optional<QString> chosen(const QString& pathName)
{
    if (pathName.isEmpty())
        return std::nullopt;
    return pathName;
}

// The system's dialog takes no widgets of ours; Qt's own does, in its grid.
std::optional<FileDialogs::SaveTarget> withOptions(QWidget* parent, const QString& filter,
                                                   const QString& name, QWidget& options)
{
    QFileDialog dialog(parent, {}, name, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
    if (auto* raster = qobject_cast<QGridLayout*>(dialog.layout()))
        raster->addWidget(&options, raster->rowCount(), 0, 1, raster->columnCount());
    options.show();
    const bool chosen = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    // Back to the caller before the dialog takes it with it.
    options.hide();
    options.setParent(nullptr);
    if (!chosen)
        return std::nullopt;
    return FileDialogs::SaveTarget{dialog.selectedFiles().front(), dialog.selectedNameFilter()};
}

} // namespace

std::optional<QString> QtFileDialogs::tryOpen(QWidget* parent, const QString& filter)
{
    return chosen(QFileDialog::getOpenFileName(parent, {}, {}, filter));
}

// The caller asks about replacing, after it has changed the extension.
std::optional<QString> QtFileDialogs::chooseSaveFile(QWidget* parent, const QString& filter,
                                                     const QString& name)
{
    return chosen(
        QFileDialog::getSaveFileName(parent, {}, name, filter, nullptr, QFileDialog::DontConfirmOverwrite));
}

std::optional<FileDialogs::SaveTarget> QtFileDialogs::chooseSaveFileWithFilter(QWidget* parent,
                                                                               const QString& filter,
                                                                               const QString& name,
                                                                               QWidget* options)
{
    if (options)
        return withOptions(parent, filter, name, *options);
    QString gewaehlterFilter;
    const QString pathName = QFileDialog::getSaveFileName(parent, {}, name, filter, &gewaehlterFilter,
                                                          QFileDialog::DontConfirmOverwrite);
    if (pathName.isEmpty())
        return std::nullopt;
    return SaveTarget{pathName, gewaehlterFilter};
}
