#pragma once

#include "core/tools/PipetteGeometry.h"

#include <QDialog>
#include <QImage>
#include <QTimer>

#include <array>
#include <functional>
#include <set>

class ColourPanel;
class LanguageTable;
class QLabel;
class ScreenReader;
class TfHinweisPipette;
struct HeldPreferences;

// One magnifier picture, drawn as it is.
class Lupenbild : public QWidget
{
public:
    explicit Lupenbild(QWidget* parent);
    QImage& bild() { return m_bild; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_bild;
};

// The pipette: the screen around the cursor at three magnifications, the
// colour under it, arrow keys to steer, Space or Enter to pick. Created anew
// for each run and shown modally while the main window is hidden.
class TfPipette : public QDialog
{
    Q_OBJECT

public:
    // uebernehmen gets the picked colour's hex text when the window closes after a pick.
    TfPipette(ScreenReader& screen, PipettenStand& stand, HeldPreferences& prefs, const LanguageTable& texte,
              QWidget* hauptfenster, std::function<void(const QString&)> uebernehmen);
    ~TfPipette() override;

    void Timer1Timer();
    QTimer& timer() { return m_timer; }
    int ticks() const { return m_ticks; }

    std::array<Lupenbild*, 3> bilder{}; // Image1..Image3
    ColourPanel* Panel5 = nullptr;
    std::array<QLabel*, 4> labels{}; // Label1..Label4

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void done(int result) override;

private:
    void bauen();
    void abtasten(QPoint cursor);
    void lupenZeichnen();
    void farbeZeigen();
    void hinweisZeigen();
    void FormClose();

    ScreenReader& m_screen;
    PipettenStand& m_stand;
    HeldPreferences& m_prefs;
    const LanguageTable& m_texte;
    QWidget* m_hauptfenster;
    std::function<void(const QString&)> m_uebernehmen;
    QTimer m_timer;
    TfHinweisPipette* m_hinweis = nullptr;
    // Keys pressed while the pipette had the focus: a release alone (of the
    // hint's OK key, say) picks nothing.
    std::set<int> m_gedrueckt;
    int m_ticks = 0;
};
