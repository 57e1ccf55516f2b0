#pragma once

#include <QPointer>
#include <QSet>
#include <QWidget>

// The ring that shows which control of the main window has the keyboard's
// focus. It shows when the focus came by keyboard (Tab, a shortcut) or a key
// was pressed on the control, not after a click, so the mouse user's window
// looks as before. Black outside, white inside: one of the two stands out
// against any colour a field or the band may have.
class FocusMark : public QWidget
{
    Q_OBJECT

public:
    // Marks the focus of these controls; lies hidden in `home` until one has it.
    FocusMark(QWidget* home, const QList<QWidget*>& controls);

    // The control the ring lies on, or none.
    QWidget* markedControl() const { return isVisible() ? m_target.data() : nullptr; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void showOn(QWidget* control);
    void hideMark();

    QSet<QWidget*> m_controls;
    QPointer<QWidget> m_target;
};
