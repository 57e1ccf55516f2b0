#pragma once

#include "core/import/ImportedPalette.h"

#include <QDialog>
#include <QRgb>

#include <functional>

class LanguageTable;
class QLabel;
class QListWidget;
class QListWidgetItem;

// "Palette": the swatches of an imported palette or of a picture's dominant
// colours, group after group, each with its name, hex value and share. A
// double-click or Enter on a swatch hands its colour to `takeAsBase`; the
// window follows no harmony, it is only the source.
class PaletteWindow : public QDialog
{
    Q_OBJECT

public:
    using TakeAsBase = std::function<void(QRgb)>;

    PaletteWindow(ImportedPalette palette, const LanguageTable& t, TakeAsBase takeAsBase,
                  QWidget* parent = nullptr);

    const ImportedPalette& palette() const { return m_palette; }
    // The list of headings and swatches the window shows.
    QListWidget* swatchList() const { return m_list; }

private:
    void assemble();
    void addGroup(const ImportedGroup& g, bool withHeading);
    void take(QListWidgetItem* item);
    void passHeading(int row);

    const ImportedPalette m_palette;
    const LanguageTable& m_t;
    const TakeAsBase m_takeAsBase;
    QListWidget* m_list = nullptr;
    QLabel* m_note = nullptr;
    int m_lastRow = -1; // the swatch the keys were on
};
