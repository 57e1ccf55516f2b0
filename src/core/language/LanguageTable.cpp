#include "core/language/LanguageTable.h"

#include <QStringList>

namespace
{

constexpr int englishVersion = 11;

QString choose(const char* de, const char* en, Language uiLanguage)
{
    return QString::fromUtf8(uiLanguage == Language::english ? en : de);
}

} // namespace

LanguageTable LanguageTable::forVersion(std::optional<int> sprachVersion)
{
    const bool english = !sprachVersion.has_value() || *sprachVersion == englishVersion;
    return LanguageTable(english ? Language::english : Language::german);
}

LanguageTable LanguageTable::forLanguage(Language uiLanguage)
{
    return LanguageTable(uiLanguage);
}

LanguageTable::LanguageTable(Language uiLanguage) : m_sprache(uiLanguage)
{
    m_texte.reserve(static_cast<std::size_t>(txtCount));
    for (const TextEntry& e : textEntries())
        m_texte.push_back(choose(e.de, e.en, uiLanguage));
    const auto pages = tutorialPages();
    for (std::size_t i = 0; i < m_seiten.size(); ++i)
        m_seiten[i] = choose(pages[i].de, pages[i].en, uiLanguage);
}

const QString& LanguageTable::text(Txt id) const
{
    return m_texte.at(static_cast<std::size_t>(id));
}

const QString& LanguageTable::tutorialPage(int tag) const
{
    if (tag < 0 || tag >= tutorialPageCount)
        return m_seiten[0];
    return m_seiten[static_cast<std::size_t>(tag)];
}

QString LanguageTable::mainWindowTitle() const
{
    return text(Txt::productName) + text(Txt::productVersion);
}

QString LanguageTable::rowFieldName(int j, int numberOfFields) const
{
    if (numberOfFields < 3 || numberOfFields > 15 || numberOfFields % 2 == 0 || j < 1 || j > numberOfFields)
        return {};
    if (j == 1)
        return text(Txt::rowFieldLeft);
    if (j == numberOfFields)
        return text(Txt::rowFieldRight);
    if (j == (numberOfFields + 1) / 2)
        return text(Txt::rowFieldCentre);
    return text(static_cast<Txt>(static_cast<int>(Txt::rowField2) + (j - 2)));
}

QString LanguageTable::settingsFileFilter() const
{
    return qtFileFilter(text(Txt::fileFilter));
}

QString qtFileFilter(const QString& pipeFilter)
{
    const QStringList teile = pipeFilter.split(QLatin1Char('|'));
    QStringList filter;
    for (qsizetype i = 0; i + 1 < teile.size(); i += 2) {
        const QString& descriptionText = teile[i];
        const QString& muster = teile[i + 1];
        if (descriptionText.contains(QLatin1Char('(')))
            filter << descriptionText;
        else
            filter << QStringLiteral("%1 (%2)").arg(
                descriptionText, QString(muster).replace(QLatin1Char(';'), QLatin1Char(' ')));
    }
    return filter.join(QStringLiteral(";;"));
}

QString withoutAccelerator(const QString& caption)
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
