#include "core/documents/ContrastTable.h"

#include "core/colour/Contrast.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

ContrastMatrix contrastMatrix(std::span<const QRgb> farben)
{
    ContrastMatrix m;
    m.farben.assign(farben.begin(), farben.end());
    // Each colour's powers once; the pairs are then arithmetic.
    std::vector<double> luminanz;
    std::vector<ApcaLuminance> apca;
    for (QRgb c : farben) {
        luminanz.push_back(relativeLuminance(c));
        apca.push_back(apcaLuminance(c));
    }
    m.cells.resize(farben.size());
    for (std::size_t t = 0; t < farben.size(); ++t) {
        m.cells[t].resize(farben.size());
        for (std::size_t h = 0; h < farben.size(); ++h)
            m.cells[t][h] = {contrastRatio(luminanz[t], luminanz[h]), apcaLc(apca[t], apca[h])};
    }
    return m;
}

QString hexColour(QRgb c)
{
    return QStringLiteral("#%1%2%3")
        .arg(qRed(c), 2, 16, QLatin1Char('0'))
        .arg(qGreen(c), 2, 16, QLatin1Char('0'))
        .arg(qBlue(c), 2, 16, QLatin1Char('0'))
        .toUpper();
}

namespace
{

QString fixedDecimal(double v, int stellen, QChar decimal)
{
    const double faktor = std::pow(10.0, stellen);
    double roundedValue = std::round(v * faktor) / faktor;
    if (roundedValue == 0.0)
        roundedValue = 0.0; // drops the sign of -0
    return QString::number(roundedValue, 'f', stellen).replace(QLatin1Char('.'), decimal);
}

} // namespace

QString ratioText(double ratio, QChar decimal)
{
    return fixedDecimal(ratio, 2, decimal);
}

QString lcText(double lc, QChar decimal)
{
    return fixedDecimal(lc, 1, decimal);
}

QString contrastMatrixText(const ContrastMatrix& m, const QString& corner, const QString& ratioHeader,
                           const QString& lcHeader, QChar decimal)
{
    QString text = corner;
    for (QRgb h : m.farben)
        text += QLatin1Char('\t') + hexColour(h) + QLatin1Char(' ') + ratioHeader + QLatin1Char('\t') +
                hexColour(h) + QLatin1Char(' ') + lcHeader;
    text += QLatin1Char('\n');
    for (std::size_t t = 0; t < m.farben.size(); ++t) {
        text += hexColour(m.farben[t]);
        for (std::size_t h = 0; h < m.cells[t].size(); ++h) {
            // A colour on itself, as the window shows it: empty.
            if (h == t) {
                text += QStringLiteral("\t\t");
                continue;
            }
            const ContrastCell& z = m.cells[t][h];
            text +=
                QLatin1Char('\t') + ratioText(z.ratio, decimal) + QLatin1Char('\t') + lcText(z.lc, decimal);
        }
        text += QLatin1Char('\n');
    }
    return text;
}

QString contrastList(std::span<const QRgb> farben, const QString& header)
{
    std::vector<QRgb> verschieden;
    for (QRgb c : farben) {
        const QRgb rgb = c | 0xff000000u;
        if (std::find(verschieden.begin(), verschieden.end(), rgb) == verschieden.end())
            verschieden.push_back(rgb);
    }
    QString text = header + QLatin1Char('\n');
    for (QRgb t : verschieden)
        for (QRgb h : verschieden) {
            if (t == h)
                continue;
            text += hexColour(t) + QLatin1Char('\t') + hexColour(h) + QLatin1Char('\t') +
                    ratioText(contrastRatio(t, h)) + QLatin1Char('\t') + lcText(apcaLc(t, h)) +
                    QLatin1Char('\n');
        }
    return text;
}

std::vector<QRgb> coloursFromHex(const QStringList& textSet, QString* errorBox)
{
    static const QRegularExpression muster(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
    std::vector<QRgb> farben;
    for (const QString& t : textSet) {
        const QString s = t.trimmed();
        if (!muster.match(s).hasMatch()) {
            if (errorBox)
                *errorBox = t;
            return {};
        }
        farben.push_back(0xff000000u | s.mid(1).toUInt(nullptr, 16));
    }
    return farben;
}
