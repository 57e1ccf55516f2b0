#include "shell/TfBlind.h"

#include "colour/BandPictures.h"
#include "language/SpracheZuweisen.h"
#include "shell/TForm1.h"
#include "tools/RegistryForm.h"

TfBlind::TfBlind(TForm1& form, const TfRegistryForm& preferences)
    : ImageOriginalREAL(wheelPicture(false)), ImageOriginalLUM(wheelPicture(true)),
      sprache(LanguageTable::forVersion(preferences.sprachVersion))
{
    spracheZuweisen(form, sprache, form.actions());
    form.setBlind(*this);
}
