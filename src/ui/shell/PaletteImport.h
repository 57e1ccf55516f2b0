#pragma once

#include <QObject>
#include <QRgb>
#include <QString>

#include <functional>
#include <memory>

class FileDialogs;
class LanguageTable;
class PaletteWindow;
class QWidget;
struct ImportResult;

// Colours coming in: a palette file or a picture chosen in the file dialog or
// dropped on the window, or hex values pasted. They are shown in the "Palette"
// window, from which a swatch becomes the base colour.
class PaletteImport : public QObject
{
    Q_OBJECT

public:
    // `language` gives the interface language's table as it is at each call;
    // `takeAsBase` makes a colour the base colour as the manual input does.
    PaletteImport(QWidget& window, std::function<const LanguageTable&()> language,
                  std::function<void(QRgb)> takeAsBase);
    ~PaletteImport() override;

    void importPaletteExecute();
    void pasteColoursExecute();
    // Reads a palette file or a picture and shows it; a message when it is neither.
    void openFile(const QString& path);

    void setDialogs(std::unique_ptr<FileDialogs> dialogs);
    // The window shown last; nullptr before the first.
    PaletteWindow* paletteWindow() const { return m_fenster.get(); }

private:
    void show(const ImportResult& r, const QString& name);
    void errorBox(const QString& text) const;

    QWidget& m_window;
    std::function<const LanguageTable&()> m_language;
    std::function<void(QRgb)> m_takeAsBase;
    std::unique_ptr<FileDialogs> m_dialoge;
    std::unique_ptr<PaletteWindow> m_fenster;
};
