#pragma once

#include "core/state/ColourDocument.h"

#include <QObject>
#include <QPointer>

class DisplayHost;
class QWidget;

// Undo, redo and the history window over the document's steps; the Save
// action follows whether the current step is the saved one.
class VerlaufAktionen : public QObject
{
public:
    explicit VerlaufAktionen(DisplayHost& host);
    ~VerlaufAktionen() override;

    void connectActions();
    void verlaufZeigen();
    QWidget* fenster() const { return m_fenster; }
    // The entries name the steps in the interface language (after a switch too).
    void texteSetzen();

private:
    QString schrittName(StepKind art) const;

    DisplayHost& m_host;
    QPointer<QWidget> m_fenster;
};
