#pragma once

#include "core/print/PrintConversion.h"

#include <QDialog>
#include <QVector>

#include <functional>
#include <optional>

class ColourPanel;
class LanguageTable;
class QLabel;
class QPushButton;
struct MainState;

// "Color Formats": the selected field's colour as hex, rgb(), HSL, HSV, CMYK,
// Lab, LCh, OKLab and OKLCH, each line with a button that copies it (as CSS
// where CSS has a notation); with a print profile also CMYK through it, below
// the naive CMYK. Not modal: it follows the selection and every repaint of the
// fields while it is open.
class ColourFormatsWindow : public QDialog
{
    Q_OBJECT

public:
    ColourFormatsWindow(const MainState& s, const LanguageTable& t, QWidget* parent);

    // Shows the selected field now and raises the window.
    void present();
    // The selected field's name and colour as the window shows them.
    QString fieldName() const;
    QColor colourValue() const;
    // The text a line's button copies (0 = hex ... 8 = OKLCH, 9 = CMYK through the profile).
    QString copyText(int rowLine) const;
    // None: the naive CMYK alone, as without print profiles.
    void setPrintConversion(std::optional<PrintConversion> conversion);

    // Many panels change in one recompute: one update after them.
    void updateLater();

private:
    void assemble();
    void refresh();
    void showPrintRow();

    const MainState& m_s;
    const LanguageTable& m_t;
    bool m_vorgemerkt = false;
    QLabel* m_feld = nullptr;
    ColourPanel* m_muster = nullptr;
    QVector<QLabel*> m_namen;
    QVector<QLabel*> m_werte;
    QVector<QPushButton*> m_knoepfe;
    QVector<QString> m_kopien;
    QColor m_farbe;
    std::optional<PrintConversion> m_print;
};
