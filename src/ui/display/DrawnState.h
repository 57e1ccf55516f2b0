#pragma once

#include "core/state/MainState.h"
#include "ui/display/DisplayHost.h"

#include <QScopedValueRollback>

// The state a part draws: the document's, or another one it was given for
// one drawing (the fixed half not being edited).
class DrawnState
{
public:
    explicit DrawnState(const DisplayHost& host) : m_host(host) {}

    const MainState& operator()() const { return m_given != nullptr ? *m_given : m_host.state(); }
    // Another state than the document's is being drawn.
    bool given() const { return m_given != nullptr; }
    // Draws `s` until the returned guard ends.
    [[nodiscard]] QScopedValueRollback<const MainState*> draw(const MainState& s)
    {
        return QScopedValueRollback<const MainState*>(m_given, &s);
    }

private:
    const DisplayHost& m_host;
    const MainState* m_given = nullptr;
};
