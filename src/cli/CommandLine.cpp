#include "cli/CommandLine.h"

#include "cli/Arguments.h"
#include "cli/NamedFiles.h"
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
    return kontrastListe(farben, t.text(Txt::cliKontrastKopf));
}

constexpr std::array<Bericht, 2> berichte{{
    {"values", Txt::cliWerte, werteBericht},
    {"contrast", Txt::cliKontrast, kontrastBericht},
}};

const QString exportName = QStringLiteral("export");
const QString formatName = QStringLiteral("format");
constexpr std::array<const char*, 5> allgemeineOptionen{"h", "help", "help-all", "v", "version"};

struct Optionen {
    QCommandLineOption hilfe;
    QCommandLineOption version;
    QCommandLineOption exportOption;
    QCommandLineOption formatOption;
};

// Without a table the descriptions stay empty: enough to find the format.
Optionen optionenAnlegen(QCommandLineParser& parser, const LanguageTable* t)
{
    const auto text = [t](Txt id) { return t ? t->text(id) : QString(); };
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(text(Txt::cliBeschreibung) + QStringLiteral("\n\n") +
                                     text(Txt::cliHinweise));
    // A value name must not be empty, or the option takes no value.
    const auto wert = [t](Txt id) { return t ? t->text(id) : QStringLiteral("x"); };
    Optionen o{parser.addHelpOption(), parser.addVersionOption(),
               QCommandLineOption(exportName, text(Txt::cliExport), wert(Txt::cliWertAusgabe)),
               QCommandLineOption(formatName, t ? t->text(Txt::cliFormat).arg(formatNamen()) : QString(),
                                  wert(Txt::cliWertFormat))};
    parser.addOption(o.exportOption);
    parser.addOption(o.formatOption);
    for (const Bericht& b : berichte)
        parser.addOption(QCommandLineOption(QLatin1String(b.name), text(b.beschreibung)));
    parser.addPositionalArgument(wert(Txt::cliWertDatei), text(Txt::cliDatei));
    return o;
}

// "--export, --values, --contrast": every option that makes the run do something.
QString aktionen()
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
QString grund(int fehler, const LanguageTable& t)
{
    switch (fehler) {
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
        return QString::fromLocal8Bit(std::strerror(fehler));
    }
}

// Every line ends with LF on standard output, the last one included.
int ausgeben(QString text, const LanguageTable& t)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (!text.endsWith(QLatin1Char('\n')))
        text += QLatin1Char('\n');
    if (const int fehler = writeStandardOutput(text.toUtf8()); fehler != 0)
        return melden(t.text(Txt::cliAusgabeFehlgeschlagen).arg(grund(fehler, t)), fehlgeschlagen);
    return ok;
}

// The extension the format was looked for by; the name itself when it has none.
QString endungVon(const QString& ziel)
{
    const QString name = QFileInfo(ziel).fileName();
    const qsizetype punkt = name.indexOf(QLatin1Char('.'), 1);
    return punkt < 0 ? name : name.mid(punkt);
}

std::optional<GeoeffneteDatei> einlesen(const QString& pfad)
{
    QByteArray inhalt;
    if (readNamedFile(argumentBytes(pfad), inhalt) != 0)
        return std::nullopt;
    QBuffer quelle(&inhalt);
    quelle.open(QIODevice::ReadOnly);
    return dateiBerechnen(quelle, istZweiBlockDatei(pfad));
}

int exportieren(const GeoeffneteDatei& d, const QString& eingabe, const QString& ziel, PaletteFormat f,
                const LanguageTable& t, DateiSchreiber schreiber)
{
    const Palette palette = paletteAus(d.zustand, t);
    const std::optional<QByteArray> daten = schreiber(palette, f, QFileInfo(eingabe).completeBaseName());
    if (!daten)
        return melden(t.text(Txt::cliBildOhneSchrift), fehlgeschlagen);
    if (const int fehler = writeNamedFile(argumentBytes(ziel), *daten); fehler != 0)
        return melden(t.text(Txt::cliNichtErstellt).arg(ziel, grund(fehler, t)), fehlgeschlagen);
    return ok;
}

// What the options ask for, once they are known to make sense together.
struct Auftrag {
    QString datei;
    QString ziel; // empty: no export
    std::optional<PaletteFormat> format;
};

// The usage errors, each with its line; nothing is read or written yet.
std::variant<Auftrag, int> auftragAus(const QCommandLineParser& parser, const Optionen& o,
                                      const LanguageTable& t)
{
    const bool bericht = std::any_of(berichte.begin(), berichte.end(),
                                     [&](const Bericht& b) { return parser.isSet(QLatin1String(b.name)); });
    if (!parser.isSet(o.exportOption) && !bericht)
        return melden(t.text(Txt::cliNichtsZuTun).arg(aktionen()), falscheEingabe);
    const QStringList dateien = parser.positionalArguments();
    if (dateien.isEmpty())
        return melden(t.text(Txt::cliKeineDatei), falscheEingabe);
    if (dateien.size() > 1)
        return melden(t.text(Txt::cliZuVieleDateien), falscheEingabe);
    Auftrag a{dateien.front(), QString(), std::nullopt};
    if (parser.isSet(o.exportOption)) {
        a.ziel = parser.value(o.exportOption);
        const QString name = parser.value(o.formatOption);
        a.format = parser.isSet(o.formatOption) ? formatAusName(name) : formatAusPfad(a.ziel);
        if (!a.format)
            return melden(t.text(Txt::cliUnbekanntesFormat)
                              .arg(parser.isSet(o.formatOption) ? name : endungVon(a.ziel), formatNamen()),
                          falscheEingabe);
    }
    return a;
}

int auftragAusfuehren(const QCommandLineParser& parser, const Auftrag& a, const LanguageTable& t,
                      DateiSchreiber schreiber)
{
    const std::optional<GeoeffneteDatei> datei = einlesen(a.datei);
    if (!datei)
        return melden(t.text(Txt::dateiNichtGelesenVor) + QFileInfo(a.datei).absoluteFilePath() +
                          t.text(Txt::dateiNichtGelesenNach),
                      fehlgeschlagen);
    if (a.format) {
        if (sameFile(argumentBytes(a.datei), argumentBytes(a.ziel)))
            return melden(t.text(Txt::cliZielIstQuelle).arg(a.ziel), fehlgeschlagen);
        if (const int status = exportieren(*datei, a.datei, a.ziel, *a.format, t, schreiber); status != ok)
            return status;
    }
    for (const Bericht& b : berichte)
        if (parser.isSet(QLatin1String(b.name)))
            if (const int status = ausgeben(b.text(*datei, t), t); status != ok)
                return status;
    return ok;
}

int ausfuehren(const QStringList& argumente, const LanguageTable& t, DateiSchreiber schreiber)
{
    QCommandLineParser parser;
    const Optionen o = optionenAnlegen(parser, &t);
    if (!parser.parse(argumente))
        return melden(parser.errorText(), falscheEingabe);
    if (parser.isSet(o.hilfe) || parser.isSet(QStringLiteral("help-all")))
        return ausgeben(parser.helpText(), t);
    if (parser.isSet(o.version))
        return ausgeben(QStringLiteral("tinctora ") + QCoreApplication::applicationVersion(), t);
    const std::variant<Auftrag, int> auftrag = auftragAus(parser, o, t);
    if (const int* status = std::get_if<int>(&auftrag))
        return *status;
    return auftragAusfuehren(parser, std::get<Auftrag>(auftrag), t, schreiber);
}

} // namespace

bool isCommandLineOption(QStringView name)
{
    if (name == exportName || name == formatName)
        return true;
    for (const char* allgemein : allgemeineOptionen)
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
