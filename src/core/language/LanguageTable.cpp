#include "core/language/LanguageTable.h"

#include <QStringList>

namespace
{

constexpr int englischeVersion = 11;

QString auswaehlen(const char* de, const char* en, Sprache sprache)
{
    return QString::fromUtf8(sprache == Sprache::englisch ? en : de);
}

} // namespace

LanguageTable LanguageTable::forVersion(std::optional<int> sprachVersion)
{
    const bool englisch = !sprachVersion.has_value() || *sprachVersion == englischeVersion;
    return LanguageTable(englisch ? Sprache::englisch : Sprache::deutsch);
}

LanguageTable LanguageTable::forLanguage(Sprache sprache)
{
    return LanguageTable(sprache);
}

LanguageTable::LanguageTable(Sprache sprache) : m_sprache(sprache)
{
    m_texte.reserve(static_cast<std::size_t>(txtCount));
    for (const TextEntry& e : textEntries())
        m_texte.push_back(auswaehlen(e.de, e.en, sprache));
    const auto pages = tutorialPages();
    for (std::size_t i = 0; i < m_seiten.size(); ++i)
        m_seiten[i] = auswaehlen(pages[i].de, pages[i].en, sprache);
}

const QString& LanguageTable::text(Txt id) const
{
    return m_texte.at(static_cast<std::size_t>(id));
}

const QString& LanguageTable::tutorialSeite(int tag) const
{
    if (tag < 0 || tag >= tutorialSeitenAnzahl)
        return m_seiten[0];
    return m_seiten[static_cast<std::size_t>(tag)];
}

QString LanguageTable::fensterTitel() const
{
    return text(Txt::productName) + text(Txt::productVersion);
}

QString LanguageTable::reihenFeldName(int j, int felderAnzahl) const
{
    if (felderAnzahl < 3 || felderAnzahl > 15 || felderAnzahl % 2 == 0 || j < 1 || j > felderAnzahl)
        return {};
    if (j == 1)
        return text(Txt::reiheLinks);
    if (j == felderAnzahl)
        return text(Txt::reiheRechts);
    if (j == (felderAnzahl + 1) / 2)
        return text(Txt::reiheMitte);
    return text(static_cast<Txt>(static_cast<int>(Txt::reihe2) + (j - 2)));
}

QString LanguageTable::qtDateiFilter() const
{
    return qtFileFilter(text(Txt::dateiFilter));
}

QString qtFileFilter(const QString& pipeFilter)
{
    const QStringList teile = pipeFilter.split(QLatin1Char('|'));
    QStringList filter;
    for (qsizetype i = 0; i + 1 < teile.size(); i += 2) {
        const QString& beschreibung = teile[i];
        const QString& muster = teile[i + 1];
        if (beschreibung.contains(QLatin1Char('(')))
            filter << beschreibung;
        else
            filter << QStringLiteral("%1 (%2)").arg(
                beschreibung, QString(muster).replace(QLatin1Char(';'), QLatin1Char(' ')));
    }
    return filter.join(QStringLiteral(";;"));
}

QString ohneAccelerator(const QString& caption)
{
    QString r;
    r.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&')) {
            r += caption[i];
        } else if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&')) {
            r += QLatin1Char('&');
            ++i;
        }
    }
    return r;
}
