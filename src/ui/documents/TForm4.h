#pragma once

#include "core/documents/ValueExport.h"

#include <QDialog>

#include <vector>

class LanguageTable;
class PrinterChooser;
class QMenu;
class QPushButton;
class StaticText;

// The intermediate values window: every field of a fanning or colour row as
// a row with swatch, name and values. A snapshot: it does not follow the
// main window after it was made.
class TForm4 : public QDialog
{
    Q_OBJECT

public:
    // `druckZeile` is the main window's print position, which every job
    // starts from and sets back.
    TForm4(const MainState& s, const LanguageTable& t, PrinterChooser& printerChooser, int& druckZeile,
           QWidget* parent = nullptr);

    const std::vector<IntermediateRow>& rowList() const { return m_zeilen; }
    const std::vector<FieldTexts>& valueSet() const { return m_werte; }
    QString werteKopieren() const;
    // Adds the row table to a page at its print position.
    void werteDrucken(PrintPage& page) const;
    // The row widget of a row (same order as rowList()).
    QWidget* rowLine(std::size_t i) const { return m_zeilenPanels.at(i); }
    // The four value texts of a row (R, G, B, hex).
    StaticText* valueText(std::size_t rowLine, int column) const;
    QString zwischenKopierWert() const { return m_zwischenKopierWert; }

    void Button2Click();
    void Button3Click();
    void Kopieren1Click();

    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QMenu* PopupMenu1 = nullptr;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildIntermediateRows();
    void buildButtons(int n);
    void StaticTextMouseDown(StaticText* text);
    void resetteStaticText();

    const LanguageTable& m_t;
    PrinterChooser& m_drucker;
    int& m_druckZeile;
    std::vector<IntermediateRow> m_zeilen;
    std::vector<FieldTexts> m_werte;
    std::vector<QWidget*> m_zeilenPanels;
    std::vector<StaticText*> m_wertTexte; // four per row
    QString m_zwischenKopierWert;
    int m_mehrBreite = 0; // the name column's width beyond the design's, for long names
};
