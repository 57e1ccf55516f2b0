#pragma once

#include "language/LanguageTable.h"

#include <QImage>

class TForm1;
class TfRegistryForm;

// The hidden resource form: holds the two colour wheel pictures and, once
// created, has put the texts of the chosen language on the main window.
class TfBlind
{
public:
    TfBlind(TForm1& form, const TfRegistryForm& preferences);

    QImage ImageOriginalREAL;
    QImage ImageOriginalLUM;
    // The texts of the language chosen at start-up, for every window.
    const LanguageTable sprache;
};
