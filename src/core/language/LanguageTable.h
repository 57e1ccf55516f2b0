#pragma once

#include "core/language/LanguageData.h"
#include "core/language/Texts.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

enum class Language { german, english };

// The user-interface texts of one language, chosen once at start-up and
// unchanged afterwards. Windows keep a const reference to the one table.
class LanguageTable
{
public:
    // The stored "TNVersion" value: missing or 11 selects English, anything else German.
    static LanguageTable forVersion(std::optional<int> sprachVersion);
    static LanguageTable forLanguage(Language uiLanguage);

    Language uiLanguage() const { return m_sprache; }
    bool english() const { return m_sprache == Language::english; }

    const QString& text(Txt id) const;
    // What separates decimals in this language's window texts: "4,68" in German, "4.68" in English.
    QChar decimalSeparator() const { return english() ? QLatin1Char('.') : QLatin1Char(','); }

    // Page name for a tutorial action's tag; any tag outside 0..19 gives the start page.
    const QString& tutorialPage(int tag) const;
    const std::array<QString, tutorialPageCount>& tutorialSeiten() const { return m_seiten; }

    // Default window caption: product name directly followed by the version.
    QString mainWindowTitle() const;

    // Name of row j (1-based, small left = 1) of a fanning or colour row of
    // 2n+1 fields as the intermediate values list shows it after renumbering:
    // the outer and centre fields keep their own names.
    QString rowFieldName(int j, int numberOfFields) const;

    // The file filter in the form Qt's file dialogs take ("A (*.x);;B (*.*)").
    QString settingsFileFilter() const;

private:
    explicit LanguageTable(Language uiLanguage);

    Language m_sprache;
    std::vector<QString> m_texte;
    std::array<QString, tutorialPageCount> m_seiten;
};

// "Name (*.x)|*.x|All (*.*)|*.*" -> "Name (*.x);;All (*.*)"; a description
// without its pattern in brackets gets the pattern appended.
QString qtFileFilter(const QString& pipeFilter);

// A menu caption as plain text: accelerator marks removed, "&&" kept as "&".
QString withoutAccelerator(const QString& caption);
