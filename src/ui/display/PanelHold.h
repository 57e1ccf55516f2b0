#pragma once

#include <QScopedValueRollback>

// While a fixed half's snapshot is swapped in, the panels keep the colours and
// values they show: the display already shows both halves.
class PanelHold
{
public:
    bool held() const { return m_held; }
    // Holds the panels, when on, until the returned guard ends.
    [[nodiscard]] QScopedValueRollback<bool> hold(bool on = true)
    {
        return QScopedValueRollback<bool>(m_held, m_held || on);
    }

private:
    bool m_held = false;
};
