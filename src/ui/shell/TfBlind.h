#pragma once

#include "core/language/LanguageTable.h"

#include <QImage>

#include <optional>

class ActionRegistry;
class QMainWindow;
class TfBlind;
class TfRegistryForm;

// What the resource form puts its texts on and tells that it exists.
class ResourceFormHost
{
public:
    virtual ~ResourceFormHost() = default;
    virtual QMainWindow& textWindow() = 0;
    virtual const ActionRegistry& actions() const = 0;
    virtual void setBlind(const TfBlind& blind) = 0;
};

// The hidden resource form: holds the two colour wheel pictures and, once
// created, has put the texts of the chosen language on the main window.
class TfBlind
{
public:
    TfBlind(ResourceFormHost& form, const TfRegistryForm& preferences);

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
