#pragma once

#include "core/state/StepKind.h"

#include <QObject>

class ColourDocument;
class QEvent;
class QWidget;

// A key held down on a control is one step of the history, like the mouse
// drag it stands for: the step opens at the key's first press and closes at
// its release, when another key comes, or when the control loses focus.
class KeyGesture : public QObject
{
public:
    KeyGesture(ColourDocument& document, StepKind kind);
    ~KeyGesture() override;
    KeyGesture(const KeyGesture&) = delete;
    KeyGesture& operator=(const KeyGesture&) = delete;

    // Watches `control` for the release, other keys and the loss of focus.
    void watch(QWidget* control);
    // Before a handled key press is carried out.
    void pressed(int key, bool autoRepeat);
    void close();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ColourDocument& m_document;
    StepKind m_kind;
    int m_key = 0; // the held key while the step is open
};
