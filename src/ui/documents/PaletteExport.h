#pragma once

#include "core/documents/Palette.h"

#include <QString>

#include <memory>

class DisplayHost;
class FileDialogs;

// "Export Palette...": the shown colours into a file for another program; the
// dialog's filter (or the name's extension) picks the format.
class PaletteExport
{
public:
    explicit PaletteExport(DisplayHost& host);
    ~PaletteExport();
    PaletteExport(const PaletteExport&) = delete;
    PaletteExport& operator=(const PaletteExport&) = delete;

    void connectWidgets();
    void paletteExportierenExecute();
    void setDialogs(std::unique_ptr<FileDialogs> dialoge);

    // What the display shows now, the big field as typed in while manual input shows it.
    Palette angezeigtePalette() const;

private:
    bool frage(const QString& text) const;
    void fehler(const QString& text) const;
    QString vorschlag() const;

    DisplayHost& m_host;
    std::unique_ptr<FileDialogs> m_dialoge;
    QString m_letzterPfad;
};
