#pragma once

#include <QColor>

#include <functional>

class ColourDocument;

class QAction;
class QMainWindow;
struct MainState;
struct MainWidgets;

// Puts the main window's layout into effect: the proportional layout on every
// resize, the fixed compact layout for small screens, borderless full screen,
// and the background brightness.
class WindowLayoutUi
{
public:
    WindowLayoutUi(QMainWindow& form, MainWidgets& w, ColourDocument& colourDocument);

    void FormResize();
    void aufloesung800x600();
    void programmOhneRandExecute(QAction& programmOhneRand);
    void ComboBox2Change();
    void ComboBox2CloseUp();
    // Value texts back to the normal colours of the background, the list
    // boxes without focus highlight.
    void resetStaticText();
    // The colour the window's background shows (the chosen brightness).
    QColor backgroundColour() const;
    // The black background is chosen: texts on it are grey.
    bool backgroundIsBlack() const;
    // The background box gives up the focus, as after a file was read.
    void releaseBackgroundBoxFocus();

    // Steps that belong to the row display and the angle controls; they run
    // when set. After every resize in fanning and colour rows the outer row
    // fields go to the ends of the current row (showPanels); after the compact
    // placements the rows and the angle view are laid out again for the mode.
    std::function<void()> showPanels;
    std::function<void()> relayOutRows;
    std::function<void()> redrawAngleView;

    // Borderless mode was switched on from a window that was not maximised.
    bool borderlessFromNormal() const { return ohneRand; }
    // Until the window is first shown, and once it closes, a resize places nothing.
    void setLocked(bool locked) { m_locked = locked; }
    bool locked() const { return m_locked; }

private:
    void applyDisplayGeometry();
    void applyCompactPlacements();

    QMainWindow& m_form;
    MainWidgets& m_w;
    ColourDocument& m_doc;
    bool ohneRand = false;
    bool m_locked = true;
};
