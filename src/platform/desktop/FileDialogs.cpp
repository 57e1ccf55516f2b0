#include "platform/desktop/FileDialogs.h"

#include <QFileDialog>

namespace
{

std::optional<QString> gewaehlt(const QString& pfad)
{
    if (pfad.isEmpty())
        return std::nullopt;
    return pfad;
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
                                                                 const QString& name)
{
    QString gewaehlterFilter;
    const QString pfad = QFileDialog::getSaveFileName(eltern, {}, name, filter, &gewaehlterFilter,
                                                      QFileDialog::DontConfirmOverwrite);
    if (pfad.isEmpty())
        return std::nullopt;
    return Ziel{pfad, gewaehlterFilter};
}
