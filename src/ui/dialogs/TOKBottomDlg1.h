#pragma once

#include "core/tools/WebSafeSteps.h"

#include <QDialog>
#include <QSlider>

#include <QColor>
#include <QString>

#include <array>
#include <functional>

class ColourPanel;
class LanguageTable;
class QLabel;
class QPushButton;

// A field of the edited half as its value row shows it.
struct WebFieldDisplay {
    QColor colourValue;
    std::array<QString, 3> rgb; // "-" for a field the mode does not use
};

// How the dialog reaches the main window: reading a field, writing an
// allocated colour into it, and opening its help page.
struct WebFieldAccess {
    std::function<WebFieldDisplay(Field)> readIn;
    std::function<void(Field, const QColor&)> assignColour;
    std::function<void()> help;
};

// A level track bar that marks the stretch of levels giving distinct proposals.
class StepSlider : public QSlider
{
    Q_OBJECT

public:
    explicit StepSlider(QWidget* parent);
    void setSelectedRange(StepRange range);
    StepRange choice() const { return m_auswahl; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    StepRange m_auswahl;
};

// The web-safe conversion dialog: one field at a time, a web-safe proposal
// shifted per channel, written back into the field by "Allocate". Created
// anew for each use.
class TOKBottomDlg1 : public QDialog
{
    Q_OBJECT

public:
    TOKBottomDlg1(const LanguageTable& t, WebFieldAccess dialogAccess, QWidget* parent = nullptr);

    void Button1Click();
    void Button2Click();
    void Button4Click();
    Field currentField() const { return m_feld; }

    QLabel* Label4 = nullptr;
    std::array<QLabel*, 3> valueSet{};    // Label8..Label10
    std::array<QLabel*, 3> suggestions{}; // Label15..Label17
    ColourPanel* Panel1 = nullptr;
    ColourPanel* Panel2 = nullptr;
    std::array<StepSlider*, 3> sliders{}; // TrackBar1..TrackBar3
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void build();
    int valueColumnShift() const;
    void FormCreate();
    bool inUse(Field field) const;
    void loadField();
    void umrechnen();
    void recalculateChannel(std::size_t colourChannel);
    void trackBarChange(std::size_t colourChannel, int p);
    void colourSuggestion();

    const LanguageTable& m_t;
    WebFieldAccess m_zugang;
    Field m_feld = Field::big;
    std::array<int, 3> m_wert{};
    std::array<int, 3> m_stufe{2, 2, 2};
    std::array<int, 3> m_vorschlag{};
};
