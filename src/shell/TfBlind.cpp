#include "shell/TfBlind.h"

#include "colour/BandPictures.h"
#include "shell/TForm1.h"
#include "tools/RegistryForm.h"

TfBlind::TfBlind(TForm1& form, const TfRegistryForm& preferences)
    : ImageOriginalREAL(wheelPicture(false)), ImageOriginalLUM(wheelPicture(true))
{
    (void)preferences; // the language table is chosen from its sprachVersion
    form.setBlind(*this);
}
