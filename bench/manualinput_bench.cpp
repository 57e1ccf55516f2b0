#include "core/colour/LightDark.h"
#include "core/colour/ManualInput.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>

namespace
{

// One search as OK runs it.
void BM_ManualInputSearch(benchmark::State& state)
{
    int v = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(convertInput({200, v & 0xFF, 100}));
        ++v;
    }
}
BENCHMARK(BM_ManualInputSearch)->Unit(benchmark::kMicrosecond);

// Every colour typed in and mixed back: how many come back exactly and the
// largest channel error. The search depends only on the channel order and the
// middle channel's share, so it is looked up once per pair.
void BM_ManualInputAllColours(benchmark::State& state)
{
    const BandTable& band = luminousBand();
    long long exakt = 0, ohneTreffer = 0;
    int maxFehler = 0;
    for (auto _ : state) {
        std::array<std::optional<int>, 6 * 256> positions;
        std::array<bool, 6 * 256> bekannt{};
        exakt = ohneTreffer = maxFehler = 0;
        for (int r = 0; r < 256; ++r)
            for (int g = 0; g < 256; ++g)
                for (int b = 0; b < 256; ++b) {
                    const Rgb c{r, g, b};
                    const ChannelOrder s = positionDerFarben(c);
                    const ChannelRoles ro = channelRoles(c, s);
                    const auto k = static_cast<std::size_t>(static_cast<int>(s) * 256 +
                                                            reinFarben(ro.max, ro.mid, ro.min));
                    if (!bekannt[k]) {
                        positions[k] = findOnBand(band, c);
                        bekannt[k] = true;
                    }
                    if (!positions[k]) {
                        ++ohneTreffer;
                        continue;
                    }
                    const InputPoint p = hellDklFarben(ro.max, ro.min);
                    const LightDarkPoint m = pointToAmounts(p.x, p.y, false);
                    const Rgb basis = band.at(*positions[k] - 1);
                    const int errorBox =
                        std::max({std::abs(rechneHellDunkel(basis.r, m.dunkel, m.hell) - r),
                                  std::abs(rechneHellDunkel(basis.g, m.dunkel, m.hell) - g),
                                  std::abs(rechneHellDunkel(basis.b, m.dunkel, m.hell) - b)});
                    if (errorBox == 0)
                        ++exakt;
                    maxFehler = std::max(maxFehler, errorBox);
                }
    }
    state.counters["exact"] = static_cast<double>(exakt);
    state.counters["noPosition"] = static_cast<double>(ohneTreffer);
    state.counters["maxChannelError"] = maxFehler;
}
BENCHMARK(BM_ManualInputAllColours)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
