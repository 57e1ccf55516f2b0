#pragma once

#include "core/colour/ColourVision.h"

#include <QObject>

#include <memory>

class ContrastWindow;
class QLabel;
class QTextEdit;
class DisplayHost;

// The colour vision submenu of the view menu, its status bar note, the
// contrast window of the edit menu and the text view's contrast hints.
class ColourVisionActions : public QObject
{
    Q_OBJECT

public:
    explicit ColourVisionActions(DisplayHost& form);
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
    QLabel* m_status = nullptr;
    std::unique_ptr<ContrastWindow> m_fenster;
};
