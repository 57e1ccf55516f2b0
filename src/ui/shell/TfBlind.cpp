#include "ui/shell/TfBlind.h"

#include "core/colour/BandPictures.h"
#include "core/language/QtTranslations.h"
#include "core/prefs/RegistryForm.h"
#include "ui/language/LanguageApplier.h"

TfBlind::TfBlind(ResourceFormHost& form, const TfRegistryForm& preferences)
    : uiLanguage(LanguageTable::forVersion(preferences.sprachVersion))
{
    // Qt's own texts (message box buttons, file dialogs) follow the interface language.
    installQtTranslations(uiLanguage.uiLanguage());
    spracheZuweisen(form.textWindow(), uiLanguage, form.actions());
    form.setBlind(*this);
}

const QImage& TfBlind::ImageOriginalREAL() const
{
    if (!m_realistisch)
        m_realistisch = wheelPicture(false);
    return *m_realistisch;
}

const QImage& TfBlind::ImageOriginalLUM() const
{
    if (!m_luminoes)
        m_luminoes = wheelPicture(true);
    return *m_luminoes;
}
