#include "harmony/FieldSelection.h"

#include "harmony/DisplayParts.h"
#include "shell/TForm1.h"

FieldSelection::FieldSelection(TForm1& form, DisplayParts& parts) : m_form(form), m_parts(parts) {}

void FieldSelection::connectWidgets() {}
