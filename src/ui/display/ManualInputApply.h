#pragma once

#include "ui/widgets/MainWidgets.h"

#include "core/colour/ManualInput.h"

#include <QColor>
#include <QString>

#include <array>
#include <memory>
#include <optional>

class DisplayHost;
struct DisplayParts;
class TfEingabe;
struct InputAccess;

// Opens the manual input dialog and applies a typed colour to the window as
// if the user had pressed the band and the light/dark field.
class ManualInputApply
{
public:
    ManualInputApply(DisplayHost& host, DisplayParts& parts);
    ~ManualInputApply();
    void connectWidgets();

    void gezielteManuelleEingabeVonWertenExecute();
    // The dialog, created on first use and kept.
    TfEingabe& dialog();
    bool hasDialog() const { return m_dialog != nullptr; }

    void form1resetten();
    // OK switches to the luminous band; Cancel returns to realistic if opening switched.
    void ensureLuminous();
    void cancel();
    // A colour picked on the screen, taken in as if typed into the hex field and confirmed.
    void applyPipetteColour(const QString& hex);

private:
    InputAccess dialogAccess();
    void showDialog();
    // The dialog's colour and texts go to the document, which shows them.
    void rememberInput();
    // The four fields as typed: red, green, blue and hex.
    std::array<QString, 4> typedTexts() const;
    QString fieldHex() const;
    // The found place applied, and the band controls and status line brought up to date.
    void applyTypedColour(const InputMatch& t);

    DisplayHost& m_host;
    DisplayParts& m_parts;
    std::unique_ptr<TfEingabe> m_dialog;
};
