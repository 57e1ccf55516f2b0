#include "core/state/UndoStep.h"

#include <array>
#include <cstddef>
#include <cstring>
#include <type_traits>

namespace
{

static_assert(std::is_trivially_copyable_v<MainState>);
static_assert(sizeof(MainState) % sizeof(std::uint32_t) == 0);
constexpr std::size_t wortAnzahl = sizeof(MainState) / sizeof(std::uint32_t);
static_assert(wortAnzahl <= 0xffff);
using Worte = std::array<std::uint32_t, wortAnzahl>;

Worte worte(const MainState& s)
{
    Worte w;
    std::memcpy(w.data(), &s, sizeof(MainState));
    return w;
}

bool istAblauf(std::size_t wort)
{
    constexpr std::size_t von = offsetof(MainState, ablauf) / sizeof(std::uint32_t);
    constexpr std::size_t bis = (offsetof(MainState, ablauf) + sizeof(Ablauf) + 3) / sizeof(std::uint32_t);
    return wort >= von && wort < bis;
}

} // namespace

StateDelta::StateDelta(const MainState& von, const MainState& nach)
{
    const Worte a = worte(von);
    const Worte b = worte(nach);
    for (std::size_t i = 0; i < wortAnzahl; ++i) {
        if (a[i] == b[i] || istAblauf(i))
            continue;
        m_worte.push_back(static_cast<std::uint16_t>(i));
        m_xor.push_back(a[i] ^ b[i]);
    }
}

void StateDelta::anwenden(MainState& s) const
{
    Worte w = worte(s);
    for (std::size_t k = 0; k < m_worte.size(); ++k)
        w[m_worte[k]] ^= m_xor[k];
    std::memcpy(static_cast<void*>(&s), w.data(), sizeof(MainState));
}

std::size_t StateDelta::groesse() const
{
    return sizeof(*this) + m_worte.capacity() * sizeof(std::uint16_t) +
           m_xor.capacity() * sizeof(std::uint32_t);
}

UndoStep::UndoStep(const QString& name, StateDelta delta, int geste, Anwenden anwenden)
    : QUndoCommand(name), m_delta(std::move(delta)), m_geste(geste), m_anwenden(std::move(anwenden))
{
}

void UndoStep::undo()
{
    m_anwenden(m_delta);
}

// Pushing a step records what the display already shows.
void UndoStep::redo()
{
    if (m_ersterRedo) {
        m_ersterRedo = false;
        return;
    }
    m_anwenden(m_delta);
}

bool UndoStep::mergeWith(const QUndoCommand* other)
{
    const auto* weiter = static_cast<const UndoStep*>(other);
    if (weiter->m_geste != m_geste)
        return false;
    // Both deltas applied in a row: words changed twice keep the combined change.
    MainState a{};
    MainState b = a;
    m_delta.anwenden(b);
    weiter->m_delta.anwenden(b);
    m_delta = StateDelta(a, b);
    return true;
}
