#include "core/documents/ContrastTable.h"

#include "core/colour/Contrast.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

KontrastMatrix kontrastMatrix(std::span<const QRgb> farben)
{
    KontrastMatrix m;
    m.farben.assign(farben.begin(), farben.end());
    // Each colour's powers once; the pairs are then arithmetic.
    std::vector<double> luminanz;
    std::vector<ApcaLeuchte> apca;
    for (QRgb c : farben) {
        luminanz.push_back(relativeLuminanz(c));
        apca.push_back(apcaLeuchte(c));
    }
    m.zellen.resize(farben.size());
    for (std::size_t t = 0; t < farben.size(); ++t) {
        m.zellen[t].resize(farben.size());
        for (std::size_t h = 0; h < farben.size(); ++h)
            m.zellen[t][h] = {kontrastVerhaeltnis(luminanz[t], luminanz[h]), apcaLc(apca[t], apca[h])};
    }
    return m;
}

QString hexFarbe(QRgb c)
{
    return QStringLiteral("#%1%2%3")
        .arg(qRed(c), 2, 16, QLatin1Char('0'))
        .arg(qGreen(c), 2, 16, QLatin1Char('0'))
        .arg(qBlue(c), 2, 16, QLatin1Char('0'))
        .toUpper();
}

namespace
{

QString fest(double v, int stellen, QChar dezimal)
{
    const double faktor = std::pow(10.0, stellen);
    double gerundet = std::round(v * faktor) / faktor;
    if (gerundet == 0.0)
        gerundet = 0.0; // drops the sign of -0
    return QString::number(gerundet, 'f', stellen).replace(QLatin1Char('.'), dezimal);
}

} // namespace

QString verhaeltnisText(double verhaeltnis, QChar dezimal)
{
    return fest(verhaeltnis, 2, dezimal);
}

QString lcText(double lc, QChar dezimal)
{
    return fest(lc, 1, dezimal);
}

QString kontrastMatrixText(const KontrastMatrix& m, const QString& ecke, const QString& verhaeltnisKopf,
                           const QString& lcKopf, QChar dezimal)
{
    QString text = ecke;
    for (QRgb h : m.farben)
        text += QLatin1Char('\t') + hexFarbe(h) + QLatin1Char(' ') + verhaeltnisKopf + QLatin1Char('\t') +
                hexFarbe(h) + QLatin1Char(' ') + lcKopf;
    text += QLatin1Char('\n');
    for (std::size_t t = 0; t < m.farben.size(); ++t) {
        text += hexFarbe(m.farben[t]);
        for (std::size_t h = 0; h < m.zellen[t].size(); ++h) {
            // A colour on itself, as the window shows it: empty.
            if (h == t) {
                text += QStringLiteral("\t\t");
                continue;
            }
            const KontrastZelle& z = m.zellen[t][h];
            text += QLatin1Char('\t') + verhaeltnisText(z.verhaeltnis, dezimal) + QLatin1Char('\t') +
                    lcText(z.lc, dezimal);
        }
        text += QLatin1Char('\n');
    }
    return text;
}

QString kontrastListe(std::span<const QRgb> farben, const QString& kopf)
{
    std::vector<QRgb> verschieden;
    for (QRgb c : farben) {
        const QRgb rgb = c | 0xff000000u;
        if (std::find(verschieden.begin(), verschieden.end(), rgb) == verschieden.end())
            verschieden.push_back(rgb);
    }
    QString text = kopf + QLatin1Char('\n');
    for (QRgb t : verschieden)
        for (QRgb h : verschieden) {
            if (t == h)
                continue;
            text += hexFarbe(t) + QLatin1Char('\t') + hexFarbe(h) + QLatin1Char('\t') +
                    verhaeltnisText(kontrastVerhaeltnis(t, h)) + QLatin1Char('\t') + lcText(apcaLc(t, h)) +
                    QLatin1Char('\n');
        }
    return text;
}

std::vector<QRgb> farbenAusHex(const QStringList& texte, QString* fehler)
{
    static const QRegularExpression muster(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
    std::vector<QRgb> farben;
    for (const QString& t : texte) {
        const QString s = t.trimmed();
        if (!muster.match(s).hasMatch()) {
            if (fehler)
                *fehler = t;
            return {};
        }
        farben.push_back(0xff000000u | s.mid(1).toUInt(nullptr, 16));
    }
    return farben;
}
