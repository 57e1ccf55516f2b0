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
class MagnifierPicture : public QWidget
{
public:
    explicit MagnifierPicture(QWidget* parent);
    QImage& picture() { return m_bild; }

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
    // acceptValues gets the picked colour's hex text when the window closes after a pick.
    TfPipette(ScreenReader& screen, PipetteState& currentState, HeldPreferences& prefs,
              const LanguageTable& textSet, QWidget* mainWindow,
              std::function<void(const QString&)> acceptValues);
    ~TfPipette() override;

    void Timer1Timer();
    QTimer& timer() { return m_timer; }
    int ticks() const { return m_ticks; }

    std::array<MagnifierPicture*, 3> pictures{}; // Image1..Image3
    ColourPanel* Panel5 = nullptr;
    std::array<QLabel*, 4> labels{}; // Label1..Label4

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void done(int result) override;

private:
    void build();
    void sampleAt(QPoint cursor);
    void drawMagnifiers();
    void showColour();
    void showNote();
    void FormClose();

    ScreenReader& m_screen;
    PipetteState& m_stand;
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
