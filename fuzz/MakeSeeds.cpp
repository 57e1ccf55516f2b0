// Writes the seed inputs of the fuzz targets, made by the program's own
// encoders: settings files of every mode as encode writes them (two-block
// files of 222 bytes, fixed and not, and an older one-block file), the
// frames a later start sends (a raise request, path records, both in a row),
// and each palette format as the exporters write it.
//   fuzz_make_seeds CORPUS_ROOT   writes CORPUS_ROOT/<target>/seed-*
#include "core/documents/SettingsFile.h"
#include "core/export/PaletteWriters.h"
#include "platform/instance/PathRecord.h"

#include <QDir>
#include <QFile>

#include <cstdio>

namespace
{

bool schreibe(const QString& folder, const char* name, const QByteArray& bytes)
{
    if (!QDir().mkpath(folder))
        return false;
    QFile f(folder + QLatin1Char('/') + QString::fromLatin1(name));
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

FixSnapshot currentState(HarmonyMode harmonyMode, int basis, int angleTypeNumber, int stepIndex)
{
    FixSnapshot f;
    f.fixRealistisch = 1;
    f.fixModus = static_cast<int>(harmonyMode);
    f.fixPosGross = basis;
    f.fixWinkeltyp = angleTypeNumber;
    f.fixAbstand1 = 40;
    f.fixAbstand2 = 34;
    f.fixSeparat = 0;
    f.fixHdPunkte = {64, 100, 0, 255, 30, 200, 128, 128};
    f.fixPosGross2 = basis;
    f.fixPosRechts = 339;
    f.fixPosLinks = 413;
    f.fixPosMitte = 67;
    f.fixStufenIndex = stepIndex;
    return f;
}

QByteArray fileItem(const FixSnapshot& right, const FixSnapshot& left, bool fixiert, bool websicher = false)
{
    const FileOptions options{.websicher = websicher, .textInstead = false, .fixiert = fixiert};
    return encode(fileBlocks(right, left, false, options, {"218", "37", "29", "#DA251D"},
                             {"0", "146", "141", "#00928D"}));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CORPUS_ROOT\n", argv[0]);
        return 2;
    }
    const QString wurzel = QString::fromLocal8Bit(argv[1]);
    const QString einstellungen = wurzel + QStringLiteral("/settings_file");
    const QString pfade = wurzel + QStringLiteral("/path_record");

    const FixSnapshot twoColour = currentState(HarmonyMode::twoColour, 0, 1, 3);
    const FixSnapshot threeColour = currentState(HarmonyMode::threeColour, 500, 1, 3);
    const FixSnapshot vierer1 = currentState(HarmonyMode::fourColour, 100, 1, 3);
    const FixSnapshot vierer2 = currentState(HarmonyMode::fourColour, 600, 2, 3);
    const FixSnapshot faecher = currentState(HarmonyMode::fanning, 250, 1, 6);
    const FixSnapshot colourRows = currentState(HarmonyMode::colourRows, 677, 1, 0);
    bool ok = true;
    ok &= schreibe(einstellungen, "seed-fixed-3-and-4-colour.tnfx", fileItem(threeColour, vierer1, true));
    ok &= schreibe(einstellungen, "seed-fixed-fanning-and-rows.tnfx",
                   fileItem(faecher, colourRows, true, true));
    ok &= schreibe(einstellungen, "seed-unfixed-2-colour.tnfx", fileItem(twoColour, twoColour, false));
    ok &= schreibe(einstellungen, "seed-unfixed-4-colour-type-2.tnfx", fileItem(vierer2, twoColour, false));
    ok &= schreibe(einstellungen, "seed-one-block-3-colour.tnf",
                   fileItem(threeColour, threeColour, false).first(fileBlockBytes));

    ok &= schreibe(pfade, "seed-raise", encodeRaiseRequest());
    ok &= schreibe(pfade, "seed-path", encodePathRecord("/home/u/Farben/ä b.tnfx"));
    ok &= schreibe(pfade, "seed-empty-path", encodePathRecord(""));
    ok &= schreibe(pfade, "seed-raise-then-path", encodeRaiseRequest() + encodePathRecord("C:\\a.tnfx"));
    const Palette palette{
        {{QStringLiteral("Rechte Hälfte"),
          {{QStringLiteral("Große Fläche"), qRgb(218, 37, 29)},
           {QStringLiteral("Weiß"), qRgb(255, 255, 255)}}},
         {QStringLiteral("Linke Hälfte"), {{QStringLiteral("Kleine Fl. links"), qRgb(0, 146, 141)}}}}};
    const QString title = QStringLiteral("Tinctora");
    const auto palettes = [&](const char* target) {
        return wurzel + QStringLiteral("/palette_") + QLatin1String(target);
    };
    ok &= schreibe(palettes("gpl"), "seed-exported.gpl", gplFile(palette, title));
    ok &= schreibe(palettes("ase"), "seed-exported.ase", aseFile(palette));
    ok &= schreibe(palettes("soc"), "seed-exported.soc", socFile(palette));
    ok &= schreibe(palettes("tokens"), "seed-exported.tokens.json", tokensFile(palette));
    ok &= schreibe(palettes("css"), "seed-exported.css", cssFile(palette, title));
    ok &= schreibe(palettes("hexLines"), "seed-lines.txt", "#DA251D Rot\n#FFFFFF\n00928d\n");
    if (!ok) {
        std::fprintf(stderr, "cannot write the seeds under %s\n", argv[1]);
        return 1;
    }
    return 0;
}
