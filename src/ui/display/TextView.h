#pragma once

#include "core/state/Field.h"

#include "ui/widgets/MainWidgets.h"

#include <QObject>

#include <array>

struct MainState;
class QAction;
class QEvent;
class QMenu;
class QTextEdit;
class DisplayHost;
struct DisplayParts;

// Text instead of fields: editable texts in the small fields, drawn in the
// small field's colour on the big field's, with their right-click menu.
class TextView : public QObject
{
public:
    // The widgets this part draws or reads; no others.
    struct Widgets {
        FieldWidgets& fields;
    };

    // Shows the state's text view without changing it.
    void present();
    // The fields whose text the view shows now (the big field's always counts).
    PerField<bool> textsOnShow() const;
    void present(const MainState& s);
    TextView(DisplayHost& host, Widgets widgets, DisplayParts& parts);
    void connectWidgets();

    void TextAnstelleFlaechenExecute();
    // Re-selects the shown small fields, the checked radio button's field last.
    void checkBoxenResetten();

    void RichEdit1MouseDown(QTextEdit* edit);
    // Left button up on a rich edit: a click on the field that holds it.
    void RichEditMouseUp(QTextEdit* edit);

    void AusschneidenAllClick();
    void KopierenAllClick();
    void EinfuegenAllClick();
    void AusrichtenAllClick(QAction* addEntry);
    void ZeichengroesseAllClick(QAction* addEntry);
    void FontAllClick();

    QMenu* PopupMenu1() const { return m_popupMenu1; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildPopupMenu();
    void switchOn();
    void switchOff();
    void setTextColour(QTextEdit* edit, const QColor& colourValue);
    void reapplyColour(QTextEdit* edit, const QColor& colourValue);
    // The rich edit named by the menu's tag; nullptr before the menu was opened.
    QTextEdit* richEdit() const;
    std::array<QTextEdit*, 6> richEdits() const;

    DisplayHost& m_host;

    Widgets m_w;
    DisplayParts& m_parts;
    QMenu* m_popupMenu1 = nullptr;
    int m_menuTag = 0;
    std::array<QAction*, 3> m_ausrichtung{}; // Links1, Rechts1, Zentriert1
};
