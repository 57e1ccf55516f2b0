#pragma once

#include "core/documents/ContrastTable.h"

#include <QDialog>

#include <vector>

class DisplayHost;
class QLabel;
class QPushButton;
class QTableWidget;
class QTimer;

// "Kontrast" / "Contrast": every shown field as text on every shown field as
// background, with the WCAG 2.2 ratio and APCA Lc and the levels they reach.
// Follows the display while it is open.
class KontrastFenster : public QDialog
{
    Q_OBJECT

public:
    explicit KontrastFenster(DisplayHost& host, QWidget* parent = nullptr);

    // The colours of the fields now shown, left half before right, big field first.
    std::vector<QRgb> gezeigteFarben() const;
    const KontrastMatrix& matrix() const { return m_matrix; }
    // The matrix as tab-separated text on the clipboard.
    void kopieren() const;
    void texteSetzen();

public slots:
    // Recomputes at the next turn of the event loop (many changes, one refresh).
    void spaeterAuffrischen();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void auffrischen();
    void tabelleFuellen();
    QString zellenText(const KontrastZelle& z) const;

    DisplayHost& m_host;
    KontrastMatrix m_matrix;
    QLabel* m_erklaerung = nullptr;
    QTableWidget* m_tabelle = nullptr;
    QPushButton* m_kopieren = nullptr;
    QPushButton* m_schliessen = nullptr;
    QTimer* m_auffrischen = nullptr;
};
