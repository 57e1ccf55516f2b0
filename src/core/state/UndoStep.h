#pragma once

#include "core/state/MainState.h"
#include "core/state/StepKind.h"

#include <QUndoCommand>

#include <cstdint>
#include <functional>
#include <vector>

// The colour words in which two states differ, kept as their exclusive or: applied
// once it turns the one state into the other, applied again it turns it back.
class StateDelta
{
public:
    StateDelta() = default;
    StateDelta(const MainState& von, const MainState& nach);

    void applyChange(MainState& s) const;
    bool blank() const { return m_daten.empty(); }
    // Bytes the delta holds.
    std::size_t extent() const { return sizeof(*this) + m_daten.capacity(); }

private:
    // Per changed word its number and the exclusive or in 7-bit groups: colour
    // values and positions are small numbers, so most words take two or three bytes.
    std::vector<std::uint8_t> m_daten;
};

// One step of the history: the change between two states, undone and redone
// by the document's apply routine. Steps of one drag are one step.
class UndoStep : public QUndoCommand
{
public:
    using ApplyChange = std::function<void(const StateDelta&)>;

    UndoStep(StepKind variety, const QString& name, StateDelta delta, int gesture, ApplyChange applyChange);

    void undo() override;
    void redo() override;
    int id() const override { return m_geste != 0 ? 1 : -1; }
    bool mergeWith(const QUndoCommand* other) override;

    std::size_t extent() const { return sizeof(*this) + m_delta.extent(); }
    StepKind variety() const { return m_art; }

private:
    StepKind m_art;
    StateDelta m_delta;
    int m_geste; // the mouse press this step belongs to; 0: none
    ApplyChange m_anwenden;
    bool m_ersterRedo = true;
};
