#include "cli/CommandLine.h"

#include "cli/ArgumentBytes.h"
#include "cli/CmykReport.h"
#include "cli/NamedFiles.h"
#include "cli/ScaleReports.h"
#include "core/colour/Conversions.h"
#include "core/documents/ContrastTable.h"
#include "core/documents/OpenedFile.h"
#include "core/documents/Palette.h"
#include "core/documents/ValueExport.h"
#include "core/export/PaletteFormats.h"
#include "core/import/ImportedPalette.h"
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

enum Status { ok = 0, failed = 1, falscheEingabe = 2 };

// A text the command line prints for a file; one entry each.
struct Bericht {
    const char* name;
    Txt descriptionText;
    QString (*text)(const OpenedFile& fileItem, const ScaleRequest& scales, const LanguageTable& t);
};

QString valuesReport(const OpenedFile& d, const ScaleRequest&, const LanguageTable& t)
{
    return stateValuesText(d.fileState, t);
}

// Every shown colour, both halves of a fixed display, in display order.
QString contrastReport(const OpenedFile& d, const ScaleRequest&, const LanguageTable& t)
{
    const QVector<QRgb> colours = paletteColours(shownFields(d.fileState, t));
    return contrastList(std::vector<QRgb>(colours.begin(), colours.end()), t.text(Txt::cliContrastHeader));
}

QString scalesReportText(const OpenedFile& d, const ScaleRequest& scales, const LanguageTable& t)
{
    return scalesReport(paletteColours(paletteFrom(d.fileState, t)), scales, t.text(Txt::cliScalesHead));
}

QString cvdReport(const OpenedFile& d, const ScaleRequest&, const LanguageTable& t)
{
    return confusedPairsReport(paletteColours(paletteFrom(d.fileState, t)));
}

const QString scalesName = QStringLiteral("scales");

constexpr std::array<Bericht, 4> reports{{
    {"values", Txt::cliValues, valuesReport},
    {"contrast", Txt::cliContrast, contrastReport},
    {"scales", Txt::cliScales, scalesReportText},
    {"cvd", Txt::cliColourVision, cvdReport},
}};

const QString exportName = QStringLiteral("export");
const QString formatName = QStringLiteral("format");
const QString backgroundName = QStringLiteral("background");
const QString targetsName = QStringLiteral("targets");
const QString withScalesName = QStringLiteral("with-scales");
const QString pictureName = QStringLiteral("palette-from-image");
const QString coloursName = QStringLiteral("colors");
const QString fromName = QStringLiteral("from");
const QString cmykName = QStringLiteral("cmyk");
const QString intentName = QStringLiteral("intent");
const QString cmykProfileName = QStringLiteral("cmyk-profile");
constexpr std::array<const char*, 5> generalOptions{"h", "help", "help-all", "v", "version"};

struct Optionen {
    QCommandLineOption help;
    QCommandLineOption version;
    QCommandLineOption exportOption;
    QCommandLineOption formatOption;
    QCommandLineOption backgroundOption;
    QCommandLineOption targetsOption;
    QCommandLineOption withScalesOption;
    QCommandLineOption pictureOption;
    QCommandLineOption coloursOption;
    QCommandLineOption fromOption;
    QCommandLineOption cmykOption;
    QCommandLineOption intentOption;
    QCommandLineOption cmykProfileOption;
};

// Without a table the descriptions stay empty: enough to find the format.
Optionen createOptions(QCommandLineParser& parser, const LanguageTable* t)
{
    const auto text = [t](Txt id) { return t ? t->text(id) : QString(); };
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(text(Txt::cliDescription) + QStringLiteral("\n\n") +
                                     text(Txt::cliNotes));
    // A value name must not be empty, or the option takes no value.
    const auto valueName = [t](Txt id) { return t ? t->text(id) : QStringLiteral("x"); };
    Optionen o{
        parser.addHelpOption(),
        parser.addVersionOption(),
        QCommandLineOption(exportName, text(Txt::cliExport), valueName(Txt::cliValueOutput)),
        QCommandLineOption(formatName, t ? t->text(Txt::cliFormat).arg(formatNames()) : QString(),
                           valueName(Txt::cliValueFormat)),
        QCommandLineOption(backgroundName, text(Txt::cliBackground), valueName(Txt::cliValueHex)),
        QCommandLineOption(targetsName, text(Txt::cliTargets), valueName(Txt::cliValueTargets)),
        QCommandLineOption(withScalesName, text(Txt::cliWithScales)),
        QCommandLineOption(pictureName, text(Txt::cliPaletteFromImage), valueName(Txt::cliValueImage)),
        QCommandLineOption(coloursName, text(Txt::cliColours), valueName(Txt::cliValueCount)),
        QCommandLineOption(fromName, text(Txt::cliFrom), valueName(Txt::cliValuePalette)),
        QCommandLineOption(cmykName, text(Txt::cliCmyk), valueName(Txt::cliValueProfile)),
        QCommandLineOption(intentName, text(Txt::cliIntent), valueName(Txt::cliValueIntent)),
        QCommandLineOption(cmykProfileName, text(Txt::cliCmykProfile), valueName(Txt::cliValueProfile))};
    parser.addOption(o.exportOption);
    parser.addOption(o.formatOption);
    parser.addOption(o.withScalesOption);
    for (const Bericht& b : reports)
        parser.addOption(QCommandLineOption(QLatin1String(b.name), text(b.descriptionText)));
    parser.addOption(o.backgroundOption);
    parser.addOption(o.targetsOption);
    parser.addOption(o.fromOption);
    parser.addOption(o.pictureOption);
    parser.addOption(o.coloursOption);
    parser.addOption(o.cmykOption);
    parser.addOption(o.cmykProfileOption);
    parser.addOption(o.intentOption);
    parser.addPositionalArgument(valueName(Txt::cliValueFile), text(Txt::cliFile));
    return o;
}

// "--export, --values, --contrast": every option that makes the run do something.
QString actionOptions()
{
    QStringList names{QStringLiteral("--") + exportName};
    for (const Bericht& b : reports)
        names << QStringLiteral("--") + QLatin1String(b.name);
    names << QStringLiteral("--") + pictureName;
    names << QStringLiteral("--") + cmykName;
    return names.join(QStringLiteral(", "));
}

// Names in messages are written back as the bytes they were given.
int report(const QString& text, int status)
{
    const QByteArray rowLine = "tinctora: " + argumentBytes(text) + '\n';
    std::fwrite(rowLine.constData(), 1, static_cast<std::size_t>(rowLine.size()), stderr);
    return status;
}

// Why a read or write failed, in the interface language where the program knows the reason.
QString reason(int error, const LanguageTable& t)
{
    switch (error) {
    case EFBIG:
        return t.text(Txt::reasonTooLarge);
    case ENOSPC:
    case EDQUOT:
        return t.text(Txt::reasonNoSpace);
    case EACCES:
    case EPERM:
        return t.text(Txt::reasonNoPermission);
    case EROFS:
        return t.text(Txt::reasonReadOnly);
    case ENOENT:
        return t.text(Txt::reasonMissing);
    case EBADF:
        return t.text(Txt::reasonNotOpen);
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

// Every line ends with LF on standard output, the last one included.
int writeOut(QString text, const LanguageTable& t)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    // No lines (no colours run together): nothing, not an empty line.
    if (!text.isEmpty() && !text.endsWith(QLatin1Char('\n')))
        text += QLatin1Char('\n');
    if (const int error = writeStandardOutput(text.toUtf8()); error != 0)
        return report(t.text(Txt::cliOutputFailed).arg(reason(error, t)), failed);
    return ok;
}

// The extension the format was looked for by; the name itself when it has none.
QString extensionOf(const QString& target)
{
    const QString name = QFileInfo(target).fileName();
    const qsizetype point = name.indexOf(QLatin1Char('.'), 1);
    return point < 0 ? name : name.mid(point);
}

std::optional<OpenedFile> readSettingsFile(const QString& pathName)
{
    QByteArray content;
    if (readNamedFile(argumentBytes(pathName), content) != 0)
        return std::nullopt;
    QBuffer source(&content);
    source.open(QIODevice::ReadOnly);
    return evaluateFile(source, isTwoBlockFile(pathName));
}

// What the options ask for, once they are known to make sense together.
struct Job {
    QString file;
    QString output; // empty: no export
    std::optional<PaletteFormat> format;
    ScaleRequest scales;
    bool withScales = false;
    bool fromPalette = false;           // `file` is a palette file, not a colour settings file
    std::optional<QString> cmykProfile; // none: no CMYK report
    std::optional<QString> aseProfile;  // none: the swatch file in RGB
    PrintIntent intent = PrintIntent::relativeColorimetric;
};

// The file or files the export makes; the input is never overwritten.
int exportFile(const Palette& palette, const QString& titleText, const Job& job, const LanguageTable& t,
               FileWriter writer, const std::optional<PrintConversion>& aseCmyk = std::nullopt)
{
    QVector<ExportFile> dateien;
    if (job.withScales) {
        const ScaleExportRequest r{
            job.scales.method, job.scales.targets, {job.scales.background, qRgb(0, 0, 0)}};
        dateien = scaleExportFiles(palette, *job.format, job.output, titleText, r, t);
    } else if (aseCmyk) {
        dateien = {{job.output, aseFile(palette, cmykFractions(*aseCmyk))}};
    } else {
        const std::optional<QByteArray> payload = writer(palette, *job.format, titleText);
        if (!payload)
            return report(t.text(Txt::cliPictureWithoutFont), failed);
        dateien = {{job.output, *payload}};
    }
    for (const ExportFile& fileItem : dateien)
        if (sameFile(argumentBytes(job.file), argumentBytes(fileItem.path)))
            return report(t.text(Txt::cliTargetIsSource).arg(fileItem.path), failed);
    for (const ExportFile& fileItem : dateien)
        if (const int error = writeNamedFile(argumentBytes(fileItem.path), fileItem.data); error != 0)
            return report(t.text(Txt::cliNotCreated).arg(fileItem.path, reason(error, t)), failed);
    return ok;
}

// --background and --targets, which only --scales and --with-scales read.
std::optional<int> scaleOptionsInto(Job& job, const QCommandLineParser& parser, const Optionen& o,
                                    const LanguageTable& t)
{
    job.withScales = parser.isSet(o.withScalesOption);
    if (job.withScales && !(job.format && carriesScales(*job.format)))
        return report(t.text(Txt::cliWithScalesFormats), falscheEingabe);
    for (const QCommandLineOption* option : {&o.backgroundOption, &o.targetsOption})
        if (parser.isSet(*option) && !parser.isSet(scalesName) && !job.withScales)
            return report(t.text(Txt::cliOnlyWithScales).arg(QStringLiteral("--") + option->names().front()),
                          falscheEingabe);
    if (parser.isSet(o.targetsOption)) {
        const std::optional<ScaleRequest> r = targetsFrom(parser.value(o.targetsOption));
        if (!r)
            return report(t.text(Txt::cliUnknownTargets).arg(parser.value(o.targetsOption)), falscheEingabe);
        job.scales = *r;
    }
    if (parser.isSet(o.backgroundOption)) {
        const std::optional<QRgb> c = backgroundFrom(parser.value(o.backgroundOption));
        if (!c)
            return report(t.text(Txt::cliUnknownBackground).arg(parser.value(o.backgroundOption)),
                          falscheEingabe);
        job.scales.background = *c;
    }
    return std::nullopt;
}

// The options that make a run do something else or read a settings file; the
// first one set, or nothing.
std::optional<QString> otherAction(const QCommandLineParser& parser, const QStringList& besides)
{
    QStringList names{exportName, formatName, withScalesName, backgroundName, targetsName,
                      fromName,   cmykName,   intentName,     cmykProfileName};
    for (const Bericht& b : reports)
        names << QLatin1String(b.name);
    for (const QString& name : names)
        if (!besides.contains(name) && parser.isSet(name))
            return QStringLiteral("--") + name;
    return std::nullopt;
}

// --export OUT --from PALETTE: a palette file in place of the settings file.
std::variant<Job, int> fromJob(const QCommandLineParser& parser, const Optionen& o, const LanguageTable& t)
{
    const QString from = QStringLiteral("--") + fromName;
    if (!parser.isSet(o.exportOption))
        return report(t.text(Txt::cliOnlyWith).arg(from, QStringLiteral("--") + exportName), falscheEingabe);
    if (!parser.positionalArguments().isEmpty())
        return report(t.text(Txt::cliNotTogether).arg(from, t.text(Txt::cliValueFile)), falscheEingabe);
    if (const std::optional<QString> other = otherAction(
            parser, {exportName, formatName, withScalesName, backgroundName, targetsName, fromName}))
        return report(t.text(Txt::cliNotTogether).arg(from, *other), falscheEingabe);
    Job job;
    job.file = parser.value(o.fromOption);
    job.output = parser.value(o.exportOption);
    job.fromPalette = true;
    if (!paletteSourceFromPath(job.file))
        return report(t.text(Txt::cliUnknownPaletteFile).arg(extensionOf(job.file)), falscheEingabe);
    const QString name = parser.value(o.formatOption);
    job.format = parser.isSet(o.formatOption) ? formatFromName(name) : formatFromPath(job.output);
    if (!job.format)
        return report(t.text(Txt::cliUnknownFormat)
                          .arg(parser.isSet(o.formatOption) ? name : extensionOf(job.output), formatNames()),
                      falscheEingabe);
    if (const std::optional<int> status = scaleOptionsInto(job, parser, o, t))
        return *status;
    return job;
}

// The palette file read whole, then written as the export asks; a file that
// is damaged gives its reader's message and writes nothing.
int exportPaletteFile(const Job& job, const LanguageTable& t, FileWriter writer)
{
    QByteArray content;
    if (const int error = readNamedFile(argumentBytes(job.file), content); error != 0)
        return report(t.text(Txt::fileNotReadBefore) + QFileInfo(job.file).absoluteFilePath() +
                          t.text(Txt::fileNotReadAfter) + QStringLiteral(" (") + reason(error, t) +
                          QLatin1Char(')'),
                      failed);
    const ImportResult r =
        readPalette(*paletteSourceFromPath(job.file), content, QFileInfo(job.file).completeBaseName());
    if (!r.palette)
        return report(importErrorText(r.error, job.file, t), failed);
    if (r.palette->naiveCmyk)
        report(t.text(Txt::cliImportNote).arg(t.text(Txt::importNaiveCmyk)), ok);
    return exportFile(exportablePalette(*r.palette), r.palette->name, job, t, writer);
}

// --palette-from-image IMAGE [--colors K]: one line per colour, hex and share.
int runPictureColours(const QCommandLineParser& parser, const Optionen& o, const LanguageTable& t,
                      PictureReader pictureReader)
{
    const QString picture = QStringLiteral("--") + pictureName;
    if (!parser.isSet(o.pictureOption))
        return report(t.text(Txt::cliOnlyWith).arg(QStringLiteral("--") + coloursName, picture),
                      falscheEingabe);
    if (const std::optional<QString> other = otherAction(parser, {}))
        return report(t.text(Txt::cliNotTogether).arg(picture, *other), falscheEingabe);
    if (!parser.positionalArguments().isEmpty())
        return report(t.text(Txt::cliNotTogether).arg(picture, t.text(Txt::cliValueFile)), falscheEingabe);
    int k = defaultImageColours;
    if (parser.isSet(o.coloursOption)) {
        bool number = false;
        k = parser.value(o.coloursOption).toInt(&number);
        if (!number || k < fewestImageColours || k > mostImageColours)
            return report(t.text(Txt::cliBadColourCount).arg(parser.value(o.coloursOption)), falscheEingabe);
    }
    const QString file = parser.value(o.pictureOption);
    QByteArray content;
    if (const int error = readNamedFile(argumentBytes(file), content); error != 0)
        return report(t.text(Txt::cliImageNotRead).arg(file, reason(error, t)), failed);
    const std::optional<QVector<DominantColour>> colours =
        pictureReader ? pictureReader(content, k) : std::nullopt;
    if (!colours)
        return report(t.text(Txt::cliImageNotRead).arg(file, t.text(Txt::cliNoImage)), failed);
    QString lines;
    for (const DominantColour& c : *colours)
        lines += hexText(qRed(c.rgb), qGreen(c.rgb), qBlue(c.rgb)) + QLatin1Char('\t') +
                 QString::number(c.share, 'f', 1) + QLatin1Char('\n');
    return writeOut(lines, t);
}

// --cmyk, --cmyk-profile and --intent.
std::optional<int> printOptionsInto(Job& job, const QCommandLineParser& parser, const Optionen& o,
                                    const LanguageTable& t)
{
    if (parser.isSet(o.cmykOption))
        job.cmykProfile = parser.value(o.cmykOption);
    if (parser.isSet(o.cmykProfileOption))
        job.aseProfile = parser.value(o.cmykProfileOption);
    if (parser.isSet(o.cmykProfileOption) && job.format != PaletteFormat::ase)
        return report(t.text(Txt::cliCmykProfileFormats), falscheEingabe);
    if (!parser.isSet(o.intentOption))
        return std::nullopt;
    if (!parser.isSet(o.cmykOption) && !parser.isSet(o.cmykProfileOption))
        return report(t.text(Txt::cliOnlyWithCmyk), falscheEingabe);
    const std::optional<PrintIntent> intent = intentFrom(parser.value(o.intentOption));
    if (!intent)
        return report(t.text(Txt::cliUnknownIntent).arg(parser.value(o.intentOption)), falscheEingabe);
    job.intent = *intent;
    return std::nullopt;
}

// The usage errors, each with its line; nothing is read or written yet.
std::variant<Job, int> jobFrom(const QCommandLineParser& parser, const Optionen& o, const LanguageTable& t)
{
    if (parser.isSet(o.fromOption))
        return fromJob(parser, o, t);
    const bool bericht = std::any_of(reports.begin(), reports.end(),
                                     [&](const Bericht& b) { return parser.isSet(QLatin1String(b.name)); });
    if (!parser.isSet(o.exportOption) && !bericht && !parser.isSet(o.cmykOption))
        return report(t.text(Txt::cliNothingToDo).arg(actionOptions()), falscheEingabe);
    const QStringList dateien = parser.positionalArguments();
    if (dateien.isEmpty())
        return report(t.text(Txt::cliNoFile), falscheEingabe);
    if (dateien.size() > 1)
        return report(t.text(Txt::cliTooManyFiles), falscheEingabe);
    Job job;
    job.file = dateien.front();
    if (parser.isSet(o.exportOption)) {
        job.output = parser.value(o.exportOption);
        const QString name = parser.value(o.formatOption);
        job.format = parser.isSet(o.formatOption) ? formatFromName(name) : formatFromPath(job.output);
        if (!job.format)
            return report(
                t.text(Txt::cliUnknownFormat)
                    .arg(parser.isSet(o.formatOption) ? name : extensionOf(job.output), formatNames()),
                falscheEingabe);
    }
    if (const std::optional<int> status = scaleOptionsInto(job, parser, o, t))
        return *status;
    if (const std::optional<int> status = printOptionsInto(job, parser, o, t))
        return *status;
    return job;
}

int runJob(const QCommandLineParser& parser, const Job& job, const LanguageTable& t, FileWriter writer)
{
    if (job.fromPalette)
        return exportPaletteFile(job, t, writer);
    // The profiles before the file, so that nothing is written when one is of no use.
    std::optional<PrintConversion> cmyk, aseCmyk;
    for (const auto& [path, conversion] :
         {std::pair{&job.cmykProfile, &cmyk}, std::pair{&job.aseProfile, &aseCmyk}}) {
        if (!*path)
            continue;
        std::variant<PrintConversion, QString> loaded = conversionFrom(**path, job.intent, t);
        if (const QString* problem = std::get_if<QString>(&loaded))
            return report(*problem, failed);
        *conversion = std::move(std::get<PrintConversion>(loaded));
    }
    const std::optional<OpenedFile> fileItem = readSettingsFile(job.file);
    if (!fileItem)
        return report(t.text(Txt::fileNotReadBefore) + QFileInfo(job.file).absoluteFilePath() +
                          t.text(Txt::fileNotReadAfter),
                      failed);
    if (job.format)
        if (const int status = exportFile(paletteFrom(fileItem->fileState, t),
                                          QFileInfo(job.file).completeBaseName(), job, t, writer, aseCmyk);
            status != ok)
            return status;
    for (const Bericht& b : reports)
        if (parser.isSet(QLatin1String(b.name)))
            if (const int status = writeOut(b.text(*fileItem, job.scales, t), t); status != ok)
                return status;
    if (cmyk)
        return writeOut(
            cmykReport(paletteColours(shownFields(fileItem->fileState, t)), *cmyk, t.text(Txt::cliCmykHead)),
            t);
    return ok;
}

int runArguments(const QStringList& arguments, const LanguageTable& t, FileWriter writer,
                 PictureReader pictureReader)
{
    QCommandLineParser parser;
    const Optionen o = createOptions(parser, &t);
    if (!parser.parse(arguments))
        return report(parser.errorText(), falscheEingabe);
    if (parser.isSet(o.help) || parser.isSet(QStringLiteral("help-all")))
        return writeOut(parser.helpText(), t);
    if (parser.isSet(o.version))
        return writeOut(QStringLiteral("tinctora ") + QCoreApplication::applicationVersion(), t);
    if (parser.isSet(o.pictureOption) || parser.isSet(o.coloursOption))
        return runPictureColours(parser, o, t, pictureReader);
    const std::variant<Job, int> job = jobFrom(parser, o, t);
    if (const int* status = std::get_if<int>(&job))
        return *status;
    return runJob(parser, std::get<Job>(job), t, writer);
}

} // namespace

bool isCommandLineOption(QStringView name)
{
    if (name == exportName || name == formatName || name == backgroundName || name == targetsName ||
        name == withScalesName || name == pictureName || name == coloursName || name == fromName ||
        name == cmykName || name == intentName || name == cmykProfileName)
        return true;
    for (const char* allgemein : generalOptions)
        if (name == QLatin1String(allgemein))
            return true;
    return std::any_of(reports.begin(), reports.end(),
                       [&](const Bericht& b) { return name == QLatin1String(b.name); });
}

// The format parse needs no application and no language: names only.
bool needsGui(const QStringList& arguments)
{
    QCommandLineParser parser;
    createOptions(parser, nullptr);
    if (!parser.parse(arguments))
        return false;
    if (parser.isSet(pictureName))
        return true;
    if (!parser.isSet(exportName))
        return false;
    const std::optional<PaletteFormat> f = parser.isSet(formatName)
                                               ? formatFromName(parser.value(formatName))
                                               : formatFromPath(parser.value(exportName));
    return f == PaletteFormat::png;
}

int executeCommandLine(const QStringList& arguments, FileWriter writer, PictureReader pictureReader)
{
    // A size limit then fails the write with EFBIG instead of ending the process.
    std::signal(SIGXFSZ, SIG_IGN);
    const TfRegistryForm preferences(userPreferenceStore());
    const LanguageTable t = LanguageTable::forVersion(preferences.sprachVersion);
    installQtTranslations(t.uiLanguage());
    QCoreApplication::setApplicationName(QStringLiteral("tinctora"));
    // The version the window's title and about box show.
    QCoreApplication::setApplicationVersion(t.text(Txt::productVersion).trimmed());
    return runArguments(arguments, t, writer, pictureReader);
}
