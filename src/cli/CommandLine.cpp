#include "cli/CommandLine.h"

#include "core/documents/ContrastTable.h"
#include "core/documents/OpenedFile.h"
#include "core/documents/Palette.h"
#include "core/documents/ValueExport.h"
#include "core/export/PaletteFormats.h"
#include "core/language/LanguageTable.h"
#include "core/prefs/RegistryForm.h"
#include "core/prefs/SettingsPreferenceStore.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

namespace
{

enum Status { ok = 0, fehlgeschlagen = 1, falscheEingabe = 2 };

// A text the command line prints for a file; one entry each.
struct Bericht {
    const char* name;
    Txt beschreibung;
    QString (*text)(const GeoeffneteDatei& datei, const LanguageTable& t);
};

QString werteBericht(const GeoeffneteDatei& d, const LanguageTable& t)
{
    return zustandWerteText(d.zustand, t);
}

// Every shown colour, both halves of a fixed display, in display order.
QString kontrastBericht(const GeoeffneteDatei& d, const LanguageTable& t)
{
    std::vector<QRgb> farben;
    for (const PaletteGroup& g : paletteAus(d.zustand, t).groups)
        for (const PaletteEntry& e : g.entries)
            farben.push_back(e.rgb);
    QString text = kontrastListe(farben);
    text.chop(1); // the printing adds the last line's end
    return text;
}

constexpr std::array<Bericht, 2> berichte{{
    {"values", Txt::cliWerte, werteBericht},
    {"contrast", Txt::cliKontrast, kontrastBericht},
}};

const QString exportName = QStringLiteral("export");
const QString formatName = QStringLiteral("format");

struct Optionen {
    QCommandLineOption exportOption;
    QCommandLineOption formatOption;
};

// Without a table the descriptions stay empty: enough to find the format.
Optionen optionenAnlegen(QCommandLineParser& parser, const LanguageTable* t)
{
    const auto text = [t](Txt id) { return t ? t->text(id) : QString(); };
    parser.setApplicationDescription(text(Txt::cliBeschreibung));
    parser.addHelpOption();
    parser.addVersionOption();
    Optionen o{QCommandLineOption(exportName, text(Txt::cliExport), QStringLiteral("output")),
               QCommandLineOption(formatName, t ? t->text(Txt::cliFormat).arg(formatNamen()) : QString(),
                                  QStringLiteral("format"))};
    parser.addOption(o.exportOption);
    parser.addOption(o.formatOption);
    for (const Bericht& b : berichte)
        parser.addOption(QCommandLineOption(QLatin1String(b.name), text(b.beschreibung)));
    parser.addPositionalArgument(QStringLiteral("file"), text(Txt::cliDatei), QStringLiteral("FILE.tnfx"));
    return o;
}

int melden(const QString& text, int status)
{
    std::fprintf(stderr, "tinctora: %s\n", qPrintable(text));
    return status;
}

void ausgeben(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
    std::fputc('\n', stdout);
}

int exportieren(const GeoeffneteDatei& d, const QString& eingabe, const QString& ziel, PaletteFormat f,
                const LanguageTable& t, DateiSchreiber schreiber)
{
    const Palette palette = paletteAus(d.zustand, t);
    const std::optional<QByteArray> daten = schreiber(palette, f, QFileInfo(eingabe).completeBaseName());
    if (!daten)
        return melden(t.text(Txt::cliBildOhneSchrift), fehlgeschlagen);
    QString grund;
    if (!dateiAtomarSchreiben(ziel, *daten, &grund))
        return melden(t.text(Txt::cliNichtErstellt).arg(ziel, grund), fehlgeschlagen);
    return ok;
}

int ausfuehren(const QStringList& argumente, const LanguageTable& t, DateiSchreiber schreiber)
{
    QCommandLineParser parser;
    const Optionen o = optionenAnlegen(parser, &t);
    parser.process(argumente); // --help, --version and unknown options end here
    const bool bericht = std::any_of(berichte.begin(), berichte.end(),
                                     [&](const Bericht& b) { return parser.isSet(QLatin1String(b.name)); });
    if (!parser.isSet(o.exportOption) && !bericht)
        return melden(t.text(Txt::cliNichtsZuTun), falscheEingabe);
    const QStringList dateien = parser.positionalArguments();
    if (dateien.isEmpty())
        return melden(t.text(Txt::cliKeineDatei), falscheEingabe);
    if (dateien.size() > 1)
        return melden(t.text(Txt::cliZuVieleDateien), falscheEingabe);
    std::optional<PaletteFormat> format;
    if (parser.isSet(o.exportOption)) {
        const QString ziel = parser.value(o.exportOption);
        const QString name = parser.value(o.formatOption);
        format = parser.isSet(o.formatOption) ? formatAusName(name) : formatAusPfad(ziel);
        if (!format)
            return melden(
                t.text(Txt::cliUnbekanntesFormat)
                    .arg(parser.isSet(o.formatOption) ? name : QFileInfo(ziel).fileName(), formatNamen()),
                falscheEingabe);
    }
    const QString pfad = dateien.front();
    QFile quelle(pfad);
    std::optional<GeoeffneteDatei> datei;
    if (quelle.open(QIODevice::ReadOnly))
        datei = dateiBerechnen(quelle, istZweiBlockDatei(pfad));
    if (!datei)
        return melden(t.text(Txt::dateiNichtGelesenVor) + QFileInfo(pfad).absoluteFilePath() +
                          t.text(Txt::dateiNichtGelesenNach),
                      fehlgeschlagen);
    if (format) {
        if (const int status = exportieren(*datei, pfad, parser.value(o.exportOption), *format, t, schreiber);
            status != ok)
            return status;
    }
    for (const Bericht& b : berichte)
        if (parser.isSet(QLatin1String(b.name)))
            ausgeben(b.text(*datei, t));
    return ok;
}

} // namespace

bool istKommandozeile(int argc, char** argv)
{
    const QStringList argumente = argumenteAus(argc, argv);
    for (qsizetype i = 1; i < argumente.size(); ++i) {
        const QString& a = argumente[i];
        if (!a.startsWith(QLatin1Char('-')))
            continue;
        QString name = a.section(QLatin1Char('='), 0, 0);
        name.remove(0, name.startsWith(QLatin1String("--")) ? 2 : 1);
        if (name == QLatin1String("h") || name == QLatin1String("help") ||
            name == QLatin1String("help-all") || name == QLatin1String("v") ||
            name == QLatin1String("version") || name == exportName || name == formatName)
            return true;
        for (const Bericht& b : berichte)
            if (name == QLatin1String(b.name))
                return true;
    }
    return false;
}

QStringList argumenteAus(int argc, char** argv)
{
    QStringList liste;
    for (int i = 0; i < argc; ++i)
        liste << QString::fromLocal8Bit(argv[i]);
    return liste;
}

// The format parse needs no application and no language: names only.
bool brauchtBild(int argc, char** argv)
{
    QCommandLineParser parser;
    optionenAnlegen(parser, nullptr);
    if (!parser.parse(argumenteAus(argc, argv)) || !parser.isSet(exportName))
        return false;
    const std::optional<PaletteFormat> f = parser.isSet(formatName) ? formatAusName(parser.value(formatName))
                                                                    : formatAusPfad(parser.value(exportName));
    return f == PaletteFormat::png;
}

int kommandozeileAusfuehren(const QStringList& argumente, DateiSchreiber schreiber)
{
    QCoreApplication::setApplicationName(QStringLiteral("tinctora"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TINCTORA_VERSION));
    const TfRegistryForm preferences(userPreferenceStore());
    const LanguageTable t = LanguageTable::forVersion(preferences.sprachVersion);
    return ausfuehren(argumente, t, schreiber);
}
