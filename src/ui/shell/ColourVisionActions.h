#pragma once

#include "core/colour/ColourVision.h"

#include <QObject>

#include <memory>

class ContrastWindow;
class QLabel;
class QTextEdit;
class DisplayHost;
struct FieldWidgets;
struct FurnitureWidgets;

// The colour vision submenu of the view menu, its status bar note, the
// contrast window of the edit menu and the text view's contrast hints.
class ColourVisionActions : public QObject
{
    Q_OBJECT

public:
    // The text fields take the simulation too; the status bar says which one is on.
    ColourVisionActions(DisplayHost& form, FieldWidgets& fields, FurnitureWidgets& furniture);
    ~ColourVisionActions() override;

    void connectActions();
    void contrastExecute();
    ContrastWindow* contrastWindow() const { return m_fenster.get(); }
    QLabel* statusText() const { return m_status; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void visionChosen(ColourVisionKind variety);
    void updateStatus();
    void setNote(QTextEdit* edit) const;
    void setTexts();

    DisplayHost& m_form;
    FieldWidgets& m_fields;
    QLabel* m_status = nullptr;
    std::unique_ptr<ContrastWindow> m_fenster;
};
