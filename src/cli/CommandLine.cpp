#include "cli/CommandLine.h"

#include "cli/Arguments.h"
#include "cli/NamedFiles.h"
#include "cli/ScaleReports.h"
#include "core/documents/ContrastTable.h"
#include "core/documents/OpenedFile.h"
#include "core/documents/Palette.h"
#include "core/documents/ValueExport.h"
#include "core/export/PaletteFormats.h"
#include "core/language/LanguageTable.h"
#include "core/language/QtTranslations.h"
#include "core/prefs/RegistryForm.h"
#include "core/prefs/SettingsPreferenceStore.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <variant>
#include <vector>

namespace
{

enum Status { ok = 0, fehlgeschlagen = 1, falscheEingabe = 2 };

// A text the command line prints for a file; one entry each.
struct Bericht {
    const char* name;
    Txt beschreibung;
    QString (*text)(const GeoeffneteDatei& datei, const ScaleRequest& scales, const LanguageTable& t);
};

QString werteBericht(const GeoeffneteDatei& d, const ScaleRequest&, const LanguageTable& t)
{
    return zustandWerteText(d.zustand, t);
}

// Every shown colour, both halves of a fixed display, in display order.
QString kontrastBericht(const GeoeffneteDatei& d, const ScaleRequest&, const LanguageTable& t)
{
    std::vector<QRgb> farben;
    for (const PaletteGroup& g : paletteAus(d.zustand, t).groups)
        for (const PaletteEntry& e : g.entries)
            farben.push_back(e.rgb);
    return kontrastListe(farben, t.text(Txt::cliKontrastKopf));
}

QString scalesBericht(const GeoeffneteDatei& d, const ScaleRequest& scales, const LanguageTable& t)
{
    return scalesReport(paletteColours(paletteAus(d.zustand, t)), scales, t.text(Txt::cliScalesHead));
}

QString cvdBericht(const GeoeffneteDatei& d, const ScaleRequest&, const LanguageTable& t)
{
    return confusedPairsReport(paletteColours(paletteAus(d.zustand, t)));
}

const QString scalesName = QStringLiteral("scales");

constexpr std::array<Bericht, 4> berichte{{
    {"values", Txt::cliWerte, werteBericht},
    {"contrast", Txt::cliKontrast, kontrastBericht},
    {"scales", Txt::cliScales, scalesBericht},
    {"cvd", Txt::cliColourVision, cvdBericht},
}};

const QString exportName = QStringLiteral("export");
const QString formatName = QStringLiteral("format");
const QString backgroundName = QStringLiteral("background");
const QString targetsName = QStringLiteral("targets");
const QString withScalesName = QStringLiteral("with-scales");
constexpr std::array<const char*, 5> generalOptions{"h", "help", "help-all", "v", "version"};

struct Optionen {
    QCommandLineOption help;
    QCommandLineOption version;
    QCommandLineOption exportOption;
    QCommandLineOption formatOption;
    QCommandLineOption backgroundOption;
    QCommandLineOption targetsOption;
    QCommandLineOption withScalesOption;
};

// Without a table the descriptions stay empty: enough to find the format.
Optionen optionenAnlegen(QCommandLineParser& parser, const LanguageTable* t)
{
    const auto text = [t](Txt id) { return t ? t->text(id) : QString(); };
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(text(Txt::cliBeschreibung) + QStringLiteral("\n\n") +
                                     text(Txt::cliHinweise));
    // A value name must not be empty, or the option takes no value.
    const auto valueName = [t](Txt id) { return t ? t->text(id) : QStringLiteral("x"); };
    Optionen o{parser.addHelpOption(),
               parser.addVersionOption(),
               QCommandLineOption(exportName, text(Txt::cliExport), valueName(Txt::cliWertAusgabe)),
               QCommandLineOption(formatName, t ? t->text(Txt::cliFormat).arg(formatNamen()) : QString(),
                                  valueName(Txt::cliWertFormat)),
               QCommandLineOption(backgroundName, text(Txt::cliBackground), valueName(Txt::cliValueHex)),
               QCommandLineOption(targetsName, text(Txt::cliTargets), valueName(Txt::cliValueTargets)),
               QCommandLineOption(withScalesName, text(Txt::cliWithScales))};
    parser.addOption(o.exportOption);
    parser.addOption(o.formatOption);
    parser.addOption(o.withScalesOption);
    for (const Bericht& b : berichte)
        parser.addOption(QCommandLineOption(QLatin1String(b.name), text(b.beschreibung)));
    parser.addOption(o.backgroundOption);
    parser.addOption(o.targetsOption);
    parser.addPositionalArgument(valueName(Txt::cliWertDatei), text(Txt::cliDatei));
    return o;
}

// "--export, --values, --contrast": every option that makes the run do something.
QString actionOptions()
{
    QStringList namen{QStringLiteral("--") + exportName};
    for (const Bericht& b : berichte)
        namen << QStringLiteral("--") + QLatin1String(b.name);
    return namen.join(QStringLiteral(", "));
}

// Names in messages are written back as the bytes they were given.
int melden(const QString& text, int status)
{
    const QByteArray zeile = "tinctora: " + argumentBytes(text) + '\n';
    std::fwrite(zeile.constData(), 1, static_cast<std::size_t>(zeile.size()), stderr);
    return status;
}

// Why a read or write failed, in the interface language where the program knows the reason.
QString reason(int error, const LanguageTable& t)
{
    switch (error) {
    case EFBIG:
        return t.text(Txt::grundZuGross);
    case ENOSPC:
    case EDQUOT:
        return t.text(Txt::grundKeinPlatz);
    case EACCES:
    case EPERM:
        return t.text(Txt::grundKeinRecht);
    case EROFS:
        return t.text(Txt::grundNurLesbar);
    case ENOENT:
        return t.text(Txt::grundFehlt);
    case EBADF:
        return t.text(Txt::grundNichtOffen);
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

// Every line ends with LF on standard output, the last one included.
int ausgeben(QString text, const LanguageTable& t)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    // No lines (no colours run together): nothing, not an empty line.
    if (!text.isEmpty() && !text.endsWith(QLatin1Char('\n')))
        text += QLatin1Char('\n');
    if (const int error = writeStandardOutput(text.toUtf8()); error != 0)
        return melden(t.text(Txt::cliAusgabeFehlgeschlagen).arg(reason(error, t)), fehlgeschlagen);
    return ok;
}

// The extension the format was looked for by; the name itself when it has none.
QString extensionOf(const QString& ziel)
{
    const QString name = QFileInfo(ziel).fileName();
    const qsizetype punkt = name.indexOf(QLatin1Char('.'), 1);
    return punkt < 0 ? name : name.mid(punkt);
}

std::optional<GeoeffneteDatei> readSettingsFile(const QString& pfad)
{
    QByteArray inhalt;
    if (readNamedFile(argumentBytes(pfad), inhalt) != 0)
        return std::nullopt;
    QBuffer quelle(&inhalt);
    quelle.open(QIODevice::ReadOnly);
    return dateiBerechnen(quelle, istZweiBlockDatei(pfad));
}

// What the options ask for, once they are known to make sense together.
struct Job {
    QString file;
    QString output; // empty: no export
    std::optional<PaletteFormat> format;
    ScaleRequest scales;
    bool withScales = false;
};

// The file or files the export makes; the input is never overwritten.
int exportieren(const GeoeffneteDatei& d, const Job& job, const LanguageTable& t, DateiSchreiber schreiber)
{
    const Palette palette = paletteAus(d.zustand, t);
    const QString titel = QFileInfo(job.file).completeBaseName();
    QVector<ExportFile> dateien;
    if (job.withScales) {
        const ScaleExportRequest r{
            job.scales.method, job.scales.targets, {job.scales.background, qRgb(0, 0, 0)}};
        dateien = scaleExportFiles(palette, *job.format, job.output, titel, r, t);
    } else {
        const std::optional<QByteArray> daten = schreiber(palette, *job.format, titel);
        if (!daten)
            return melden(t.text(Txt::cliBildOhneSchrift), fehlgeschlagen);
        dateien = {{job.output, *daten}};
    }
    for (const ExportFile& datei : dateien)
        if (sameFile(argumentBytes(job.file), argumentBytes(datei.path)))
            return melden(t.text(Txt::cliZielIstQuelle).arg(datei.path), fehlgeschlagen);
    for (const ExportFile& datei : dateien)
        if (const int error = writeNamedFile(argumentBytes(datei.path), datei.data); error != 0)
            return melden(t.text(Txt::cliNichtErstellt).arg(datei.path, reason(error, t)), fehlgeschlagen);
    return ok;
}

// --background and --targets, which only --scales and --with-scales read.
std::optional<int> scaleOptionsInto(Job& job, const QCommandLineParser& parser, const Optionen& o,
                                    const LanguageTable& t)
{
    job.withScales = parser.isSet(o.withScalesOption);
    if (job.withScales && !(job.format && carriesScales(*job.format)))
        return melden(t.text(Txt::cliWithScalesFormats), falscheEingabe);
    for (const QCommandLineOption* option : {&o.backgroundOption, &o.targetsOption})
        if (parser.isSet(*option) && !parser.isSet(scalesName) && !job.withScales)
            return melden(t.text(Txt::cliOnlyWithScales).arg(QStringLiteral("--") + option->names().front()),
                          falscheEingabe);
    if (parser.isSet(o.targetsOption)) {
        const std::optional<ScaleRequest> r = targetsFrom(parser.value(o.targetsOption));
        if (!r)
            return melden(t.text(Txt::cliUnknownTargets).arg(parser.value(o.targetsOption)), falscheEingabe);
        job.scales = *r;
    }
    if (parser.isSet(o.backgroundOption)) {
        const std::optional<QRgb> c = backgroundFrom(parser.value(o.backgroundOption));
        if (!c)
            return melden(t.text(Txt::cliUnknownBackground).arg(parser.value(o.backgroundOption)),
                          falscheEingabe);
        job.scales.background = *c;
    }
    return std::nullopt;
}

// The usage errors, each with its line; nothing is read or written yet.
std::variant<Job, int> jobFrom(const QCommandLineParser& parser, const Optionen& o, const LanguageTable& t)
{
    const bool bericht = std::any_of(berichte.begin(), berichte.end(),
                                     [&](const Bericht& b) { return parser.isSet(QLatin1String(b.name)); });
    if (!parser.isSet(o.exportOption) && !bericht)
        return melden(t.text(Txt::cliNichtsZuTun).arg(actionOptions()), falscheEingabe);
    const QStringList dateien = parser.positionalArguments();
    if (dateien.isEmpty())
        return melden(t.text(Txt::cliKeineDatei), falscheEingabe);
    if (dateien.size() > 1)
        return melden(t.text(Txt::cliZuVieleDateien), falscheEingabe);
    Job job{dateien.front(), QString(), std::nullopt, {}, false};
    if (parser.isSet(o.exportOption)) {
        job.output = parser.value(o.exportOption);
        const QString name = parser.value(o.formatOption);
        job.format = parser.isSet(o.formatOption) ? formatAusName(name) : formatAusPfad(job.output);
        if (!job.format)
            return melden(
                t.text(Txt::cliUnbekanntesFormat)
                    .arg(parser.isSet(o.formatOption) ? name : extensionOf(job.output), formatNamen()),
                falscheEingabe);
    }
    if (const std::optional<int> status = scaleOptionsInto(job, parser, o, t))
        return *status;
    return job;
}

int runJob(const QCommandLineParser& parser, const Job& job, const LanguageTable& t, DateiSchreiber schreiber)
{
    const std::optional<GeoeffneteDatei> datei = readSettingsFile(job.file);
    if (!datei)
        return melden(t.text(Txt::dateiNichtGelesenVor) + QFileInfo(job.file).absoluteFilePath() +
                          t.text(Txt::dateiNichtGelesenNach),
                      fehlgeschlagen);
    if (job.format)
        if (const int status = exportieren(*datei, job, t, schreiber); status != ok)
            return status;
    for (const Bericht& b : berichte)
        if (parser.isSet(QLatin1String(b.name)))
            if (const int status = ausgeben(b.text(*datei, job.scales, t), t); status != ok)
                return status;
    return ok;
}

int ausfuehren(const QStringList& argumente, const LanguageTable& t, DateiSchreiber schreiber)
{
    QCommandLineParser parser;
    const Optionen o = optionenAnlegen(parser, &t);
    if (!parser.parse(argumente))
        return melden(parser.errorText(), falscheEingabe);
    if (parser.isSet(o.help) || parser.isSet(QStringLiteral("help-all")))
        return ausgeben(parser.helpText(), t);
    if (parser.isSet(o.version))
        return ausgeben(QStringLiteral("tinctora ") + QCoreApplication::applicationVersion(), t);
    const std::variant<Job, int> job = jobFrom(parser, o, t);
    if (const int* status = std::get_if<int>(&job))
        return *status;
    return runJob(parser, std::get<Job>(job), t, schreiber);
}

} // namespace

bool isCommandLineOption(QStringView name)
{
    if (name == exportName || name == formatName || name == backgroundName || name == targetsName ||
        name == withScalesName)
        return true;
    for (const char* allgemein : generalOptions)
        if (name == QLatin1String(allgemein))
            return true;
    return std::any_of(berichte.begin(), berichte.end(),
                       [&](const Bericht& b) { return name == QLatin1String(b.name); });
}

// The format parse needs no application and no language: names only.
bool brauchtBild(const QStringList& argumente)
{
    QCommandLineParser parser;
    optionenAnlegen(parser, nullptr);
    if (!parser.parse(argumente) || !parser.isSet(exportName))
        return false;
    const std::optional<PaletteFormat> f = parser.isSet(formatName) ? formatAusName(parser.value(formatName))
                                                                    : formatAusPfad(parser.value(exportName));
    return f == PaletteFormat::png;
}

int kommandozeileAusfuehren(const QStringList& argumente, DateiSchreiber schreiber)
{
    // A size limit then fails the write with EFBIG instead of ending the process.
    std::signal(SIGXFSZ, SIG_IGN);
    const TfRegistryForm preferences(userPreferenceStore());
    const LanguageTable t = LanguageTable::forVersion(preferences.sprachVersion);
    installQtTranslations(t.sprache());
    QCoreApplication::setApplicationName(QStringLiteral("tinctora"));
    // The version the window's title and about box show.
    QCoreApplication::setApplicationVersion(t.text(Txt::productVersion).trimmed());
    return ausfuehren(argumente, t, schreiber);
}
