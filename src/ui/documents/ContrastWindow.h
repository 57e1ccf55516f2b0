#pragma once

#include "core/colour/ConfusedColours.h"
#include "core/documents/ContrastTable.h"

#include <QDialog>

#include <functional>
#include <vector>

class LanguageTable;
class QLabel;
class QPushButton;
class QTableWidget;
class QTimer;

// "Kontrast" / "Contrast": every shown field as text on every shown field as
// background, with the WCAG 2.2 ratio and APCA Lc and the levels they reach.
// Follows the display while it is open.

class ContrastWindow : public QDialog
{
    Q_OBJECT

public:
    // `farben` gives the colours of the fields now shown.
    ContrastWindow(const LanguageTable& t, std::function<std::vector<QRgb>()> farben,
                   QWidget* parent = nullptr);

    // The colours of the fields now shown, left half before right, big field first.
    std::vector<QRgb> shownColours() const;
    const ContrastMatrix& matrix() const { return m_matrix; }
    // The matrix as tab-separated text on the clipboard.
    void copyToClipboard() const;
    void setTexts();

public slots:
    // Recomputes at the next turn of the event loop (many changes, one refresh).
    void refreshLater();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void renew();
    void fillTable();
    void fitToMatrix();
    void showConfusions();
    QString cellText(const ContrastCell& z) const;

    const LanguageTable& m_t;
    std::function<std::vector<QRgb>()> m_farben;
    ContrastMatrix m_matrix;
    QVector<ConfusedPair> m_verwechselt; // pairs of the matrix's colours
    QLabel* m_erklaerung = nullptr;
    QTableWidget* m_tabelle = nullptr;
    QPushButton* m_kopieren = nullptr;
    QPushButton* m_schliessen = nullptr;
    QTimer* m_auffrischen = nullptr;
};

// A kind of colour vision as the View menu names it, without its accelerator.
QString colourVisionName(const LanguageTable& t, ColourVisionKind variety);
