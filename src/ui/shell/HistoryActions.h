#pragma once

#include "core/state/ColourDocument.h"

#include <QObject>
#include <QPointer>

class DisplayHost;
class QWidget;

// Undo, redo and the history window over the document's steps; the Save
// action follows whether the current step is the saved one.
class HistoryActions : public QObject
{
public:
    explicit HistoryActions(DisplayHost& host);
    ~HistoryActions() override;

    void connectActions();
    void showHistory();
    QWidget* topWindow() const { return m_fenster; }
    // The entries name the steps in the interface language (after a switch too).
    void setTexts();

private:
    QString stepKindName(StepKind variety) const;

    DisplayHost& m_host;
    QPointer<QWidget> m_fenster;
};
