#include "desktop/HelpViewer.h"

HilfeAdresse zerlegeHilfeAdresse(const QString& adresse)
{
    const qsizetype trenner = adresse.indexOf(QStringLiteral("::"));
    if (trenner < 0)
        return {adresse, QString()};
    QString thema = adresse.mid(trenner + 2);
    thema.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (thema.startsWith(QLatin1Char('/')))
        thema.remove(0, 1);
    return {adresse.left(trenner), thema};
}
