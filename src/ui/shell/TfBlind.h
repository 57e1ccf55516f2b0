#pragma once

#include "core/language/LanguageTable.h"

#include <QImage>

#include <optional>

class TForm1;
class TfRegistryForm;

// The hidden resource form: holds the two colour wheel pictures and, once
// created, has put the texts of the chosen language on the main window.
class TfBlind
{
public:
    TfBlind(TForm1& form, const TfRegistryForm& preferences);

    // The unturned wheels of the two band types. Each is drawn when first
    // asked for: the luminous one is not needed before the band type changes.
    const QImage& ImageOriginalREAL() const;
    const QImage& ImageOriginalLUM() const;

    // The texts of the language chosen at start-up, for every window.
    const LanguageTable uiLanguage;

private:
    mutable std::optional<QImage> m_realistisch;
    mutable std::optional<QImage> m_luminoes;
};
