#include "ui/display/KeyGesture.h"

#include "core/state/ColourDocument.h"

#include <QKeyEvent>
#include <QWidget>

KeyGesture::KeyGesture(ColourDocument& document, StepKind kind) : m_document(document), m_kind(kind) {}

KeyGesture::~KeyGesture()
{
    close();
}

void KeyGesture::watch(QWidget* control)
{
    control->installEventFilter(this);
}

void KeyGesture::pressed(int key, bool autoRepeat)
{
    if (m_key == key && autoRepeat)
        return;
    close();
    m_document.beginGesture(m_kind);
    m_key = key;
}

void KeyGesture::close()
{
    if (m_key == 0)
        return;
    m_key = 0;
    m_document.endGesture();
}

bool KeyGesture::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == m_key && !key->isAutoRepeat())
            close();
        break;
    }
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress: {
        // Another key (a shortcut such as undo too) ends the held one's step first.
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != m_key || !key->isAutoRepeat())
            close();
        break;
    }
    case QEvent::FocusOut:
    case QEvent::Hide:
        close();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
