#pragma once

#include "core/documents/PreviewLayout.h"

#include <QColor>
#include <QDialog>

#include <array>
#include <functional>
#include <vector>

class ColourPanel;
class LanguageTable;
struct MainState;
struct MainWidgets;

// What the preview reads of the main window and the two things it asks of it.
struct PreviewAccess {
    const MainState& s;
    const LanguageTable& t;
    const MainWidgets& w; // the shown fields, whose colours it copies
    std::function<void()> switchHalf;
    std::function<void()> help;
};
class QAction;
class QMenu;
class QTextEdit;
class QToolBar;

// The popup preview: the edited combination on the whole screen, as blocks,
// bars or sample text on the big field's colour. Made once and kept: sizes,
// positions, text mode and edited texts survive; colours and layout are
// rebuilt at every showing.
class TForm2 : public QDialog
{
    Q_OBJECT

public:
    explicit TForm2(PreviewAccess dialogAccess, QWidget* parent = nullptr);

    // Rebuilds from the main window and shows the window modally.
    int present();

    void schliessen1Execute();
    void klein1Execute() { setPreviewSize(PreviewSize::small); }
    void mittel1Execute() { setPreviewSize(PreviewSize::medium); }
    void gross1Execute() { setPreviewSize(PreviewSize::big); }
    void farbwechsel1Execute();
    void SchriftExecute();
    void WechselnExecute();
    // Help (F1): the help topic of this window, the page "::HTML\page03.htm" of the help file.
    void hilfe1Execute();

    QToolBar* ActionToolBar1 = nullptr;
    QAction *schliessen1 = nullptr, *klein1 = nullptr, *mittel1 = nullptr, *gross1 = nullptr,
            *farbwechsel1 = nullptr, *Schrift = nullptr, *Wechseln = nullptr, *hilfe1 = nullptr;
    ColourPanel* PanelBg = nullptr;
    std::array<ColourPanel*, 7> Panel{};  // blocks 1..6
    std::array<ColourPanel*, 16> R{};     // bars 1..15
    std::array<QTextEdit*, 16> REd{};     // bar texts 1..15
    ColourPanel* Panel22 = nullptr;       // text mode
    ColourPanel* Panel25 = nullptr;       // its middle
    std::array<QTextEdit*, 4> RichEdit{}; // sample texts 1..3
    QMenu* PopupMenu1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildToolBar();
    void buildFields();
    void buildTextPanel();
    void showMenu(QTextEdit* e, QPoint pos);
    void buildMenu();
    void FormShow();
    void fetchColours();
    void placeBars();
    void SchriftExecute2();
    void richEditsInPosBringen();
    void updateTextColours();
    void setPreviewSize(PreviewSize g);
    void alignText(Qt::Alignment a);
    void Font1Click();
    void backgroundColour(const QColor& c);
    bool colourRows() const;
    int colourCount() const;

    PreviewAccess m_zugang;
    std::vector<int> m_balken;   // shown bars in ring order
    QTextEdit* m_ziel = nullptr; // the text the menu acts on
    QPoint m_griff;              // where a moving block was taken
    QWidget* m_bewegt = nullptr;
    std::array<QAction*, 3> m_ausrichtung{};
};
