#pragma once

#include "core/documents/Palette.h"
#include "core/export/PaletteFormats.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

class FileDialogs;
class LanguageTable;
class QCheckBox;
class QComboBox;
class QWidget;

// "Export Palette...": the shown colours into a file for another program; the
// dialog's filter (or the name's extension) picks the format. CSS and design
// tokens can carry every colour's contrast scales, asked for in the dialog.
class PaletteExport
{
public:
    // `language` gives the interface language's table as it is at each call.
    PaletteExport(const MainState& state, std::function<const LanguageTable&()> language, QWidget& window);
    ~PaletteExport();
    PaletteExport(const PaletteExport&) = delete;
    PaletteExport& operator=(const PaletteExport&) = delete;

    void exportPaletteExecute();
    void setDialogs(std::unique_ptr<FileDialogs> dialogs);

    // What the display shows now, the big field as typed in while manual input shows it.
    Palette shownPalette() const;

private:
    bool questionBox(const QString& text) const;
    void errorBox(const QString& text) const;
    QString suggestion() const;
    QWidget* scaleOptions();
    // What the export writes: one file, or with scales the files they go into.
    std::optional<QVector<ExportFile>> exportFiles(PaletteFormat f, const QString& pathName) const;

    const MainState& m_state;
    std::function<const LanguageTable&()> m_language;
    QWidget& m_window;
    std::unique_ptr<FileDialogs> m_dialoge;
    QString m_letzterPfad;
    // Kept from one export to the next, like the name.
    std::unique_ptr<QWidget> m_scaleOptions;
    QCheckBox* m_withScales = nullptr;
    QComboBox* m_method = nullptr;
};
