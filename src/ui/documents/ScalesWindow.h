#pragma once

#include "core/colour/ContrastScales.h"
#include "core/documents/ScaleTable.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QVector>

#include <array>

class BackgroundBox;
class LanguageTable;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;
class QTimer;
struct MainState;

// "Skalen" / "Scales": per shown colour the steps that reach each contrast
// target against a light and a dark background, with the steps a simulated
// colour vision runs together marked. Not modal: it follows the display while open.
class ScalesWindow : public QDialog
{
    Q_OBJECT

public:
    ScalesWindow(const MainState& s, const LanguageTable& t, QWidget* parent);

    // Shows the current colours now and raises the window.
    void present();
    // Many panels change in one recompute, a drag changes them many times a
    // frame: one refresh after them, at most every few frames.
    void updateLater();

    ContrastMethod contrastMethod() const { return m_methode; }
    // The light (0) or dark (1) set as the window shows it.
    const QVector<ColourScale>& colourScales(int record) const
    {
        return m_skalen[static_cast<std::size_t>(record)];
    }
    QTableWidget* tableWidget(int record) const { return m_tabellen[static_cast<std::size_t>(record)]; }

private:
    void assemble();
    void setTexts();
    void refresh();
    void computeScaleSet(int record);
    void fillTable(int record);
    void fillCells(int record);
    void fitToTable();
    void chooseMethod(int index);
    void readTargets();
    void readBackground(int record);
    int shownSet() const;
    void copyToClipboard(int was) const;

    const MainState& m_s;
    const LanguageTable& m_t;
    bool m_englisch = false;
    ContrastMethod m_methode = ContrastMethod::wcag2;
    QVector<double> m_ziele = defaultTargets(ContrastMethod::wcag2);
    std::array<QRgb, 2> m_hintergrund{qRgb(255, 255, 255), qRgb(0, 0, 0)};
    QVector<QRgb> m_farben;
    std::array<QVector<ColourScale>, 2> m_skalen;
    std::array<QVector<QVector<QVector<StepConfusion>>>, 2> m_verwechslungen;
    std::array<bool, 2> m_veraltet{true, true};

    QLabel* m_erklaerung = nullptr;
    QLabel* m_methodeName = nullptr;
    QComboBox* m_methodeWahl = nullptr;
    QLabel* m_zieleName = nullptr;
    QLineEdit* m_zieleText = nullptr;
    std::array<QLabel*, 2> m_hintergrundName{};
    std::array<BackgroundBox*, 2> m_hintergrundWahl{};
    QTabWidget* m_seiten = nullptr;
    std::array<QTableWidget*, 2> m_tabellen{};
    std::array<QPushButton*, 3> m_kopieren{};
    QPushButton* m_schliessen = nullptr;
    QTimer* m_takt = nullptr;
    QElapsedTimer m_seitAktualisiert;
};
