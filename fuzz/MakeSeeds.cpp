// Writes the seed inputs of both fuzz targets, made by the program's own
// encoders: settings files of every mode as kodieren writes them (two-block
// files of 222 bytes, fixed and not, and an older one-block file), and the
// frames a later start sends (a raise request, path records, both in a row).
//   fuzz_make_seeds CORPUS_ROOT   writes CORPUS_ROOT/<target>/seed-*
#include "core/documents/SettingsFile.h"
#include "platform/instance/PathRecord.h"

#include <QDir>
#include <QFile>

#include <cstdio>

namespace
{

bool schreibe(const QString& ordner, const char* name, const QByteArray& bytes)
{
    if (!QDir().mkpath(ordner))
        return false;
    QFile f(ordner + QLatin1Char('/') + QString::fromLatin1(name));
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

FixStand stand(Modus modus, int basis, int winkeltyp, int stufenIndex)
{
    FixStand f;
    f.fixRealistisch = 1;
    f.fixModus = static_cast<int>(modus);
    f.fixPosGross = basis;
    f.fixWinkeltyp = winkeltyp;
    f.fixAbstand1 = 40;
    f.fixAbstand2 = 34;
    f.fixSeparat = 0;
    f.fixHdPunkte = {64, 100, 0, 255, 30, 200, 128, 128};
    f.fixPosGross2 = basis;
    f.fixPosRechts = 339;
    f.fixPosLinks = 413;
    f.fixPosMitte = 67;
    f.fixStufenIndex = stufenIndex;
    return f;
}

QByteArray datei(const FixStand& rechts, const FixStand& links, bool fixiert, bool websicher = false)
{
    const DateiOptionen optionen{.websicher = websicher, .textStatt = false, .fixiert = fixiert};
    return kodieren(dateiBloecke(rechts, links, false, optionen, {"218", "37", "29", "#DA251D"},
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

    const FixStand zweier = stand(Modus::zweier, 0, 1, 3);
    const FixStand dreier = stand(Modus::dreier, 500, 1, 3);
    const FixStand vierer1 = stand(Modus::vierer, 100, 1, 3);
    const FixStand vierer2 = stand(Modus::vierer, 600, 2, 3);
    const FixStand faecher = stand(Modus::auffaecher, 250, 1, 6);
    const FixStand reihen = stand(Modus::reihen, 677, 1, 0);
    bool ok = true;
    ok &= schreibe(einstellungen, "seed-fixed-3-and-4-colour.tnfx", datei(dreier, vierer1, true));
    ok &= schreibe(einstellungen, "seed-fixed-fanning-and-rows.tnfx", datei(faecher, reihen, true, true));
    ok &= schreibe(einstellungen, "seed-unfixed-2-colour.tnfx", datei(zweier, zweier, false));
    ok &= schreibe(einstellungen, "seed-unfixed-4-colour-type-2.tnfx", datei(vierer2, zweier, false));
    ok &= schreibe(einstellungen, "seed-one-block-3-colour.tnf",
                   datei(dreier, dreier, false).first(dateiBlockBytes));

    ok &= schreibe(pfade, "seed-raise", encodeRaiseRequest());
    ok &= schreibe(pfade, "seed-path", encodePathRecord("/home/u/Farben/ä b.tnfx"));
    ok &= schreibe(pfade, "seed-empty-path", encodePathRecord(""));
    ok &= schreibe(pfade, "seed-raise-then-path", encodeRaiseRequest() + encodePathRecord("C:\\a.tnfx"));
    if (!ok) {
        std::fprintf(stderr, "cannot write the seeds under %s\n", argv[1]);
        return 1;
    }
    return 0;
}
