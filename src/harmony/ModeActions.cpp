#include "harmony/ModeActions.h"

#include "harmony/DisplayParts.h"
#include "shell/TForm1.h"

ModeActions::ModeActions(TForm1& form, DisplayParts& parts) : m_form(form), m_parts(parts) {}

void ModeActions::connectWidgets() {}
