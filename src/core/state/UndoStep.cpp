#include "core/state/UndoStep.h"

#include <array>
#include <cstddef>
#include <cstring>
#include <type_traits>

namespace
{

static_assert(std::is_trivially_copyable_v<MainState>);
static_assert(sizeof(MainState) % sizeof(std::uint32_t) == 0);
constexpr std::size_t wordCount = sizeof(MainState) / sizeof(std::uint32_t);
using Worte = std::array<std::uint32_t, wordCount>;

Worte wordList(const MainState& s)
{
    Worte w;
    std::memcpy(w.data(), &s, sizeof(MainState));
    return w;
}

// Where the angle markers were drawn last is the picture's bookkeeping, drawn
// anew with every step: no part of a step.
bool notInStep(std::size_t wort)
{
    constexpr std::size_t gezeichnet =
        (offsetof(MainState, farbWerte) + sizeof(int) * slot::posGezeichnetGross) / sizeof(std::uint32_t);
    return wort >= gezeichnet && wort < gezeichnet + 4;
}

// Seven bits per byte, the high bit saying that more follow.
void writeWord(std::vector<std::uint8_t>& payload, std::uint32_t x)
{
    while (x >= 0x80) {
        payload.push_back(static_cast<std::uint8_t>(x | 0x80));
        x >>= 7;
    }
    payload.push_back(static_cast<std::uint8_t>(x));
}

std::uint32_t readIn(const std::vector<std::uint8_t>& payload, std::size_t& k)
{
    std::uint32_t x = 0;
    for (int verschiebung = 0;; verschiebung += 7) {
        const std::uint8_t teil = payload[k++];
        x |= static_cast<std::uint32_t>(teil & 0x7f) << verschiebung;
        if (!(teil & 0x80))
            return x;
    }
}

} // namespace

StateDelta::StateDelta(const MainState& von, const MainState& nach)
{
    const Worte a = wordList(von);
    const Worte b = wordList(nach);
    std::vector<std::uint8_t> payload;
    payload.reserve(3 * wordCount);
    for (std::size_t i = 0; i < wordCount; ++i) {
        if (a[i] == b[i] || notInStep(i))
            continue;
        writeWord(payload, static_cast<std::uint32_t>(i));
        writeWord(payload, a[i] ^ b[i]);
    }
    m_daten.assign(payload.begin(), payload.end());
}

void StateDelta::applyChange(MainState& s) const
{
    Worte w = wordList(s);
    for (std::size_t k = 0; k < m_daten.size();) {
        const std::uint32_t wort = readIn(m_daten, k);
        w[wort] ^= readIn(m_daten, k);
    }
    std::memcpy(static_cast<void*>(&s), w.data(), sizeof(MainState));
}

UndoStep::UndoStep(StepKind variety, const QString& name, StateDelta delta, int gesture,
                   ApplyChange applyChange)
    : QUndoCommand(name), m_art(variety), m_delta(std::move(delta)), m_geste(gesture),
      m_anwenden(std::move(applyChange))
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
    m_delta.applyChange(b);
    weiter->m_delta.applyChange(b);
    m_delta = StateDelta(a, b);
    // A drag that ends where it began changed nothing: the history drops it.
    setObsolete(m_delta.blank());
    return true;
}
