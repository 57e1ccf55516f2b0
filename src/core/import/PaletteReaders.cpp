// The line-based readers (GIMP palette, plain hex lines), the XML colour
// table, and what all readers share.
#include "core/import/CssColour.h"
#include "core/import/ImportText.h"
#include "core/import/ImportedPalette.h"

#include "core/language/LanguageTable.h"

#include <QFileDevice>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <array>

namespace
{

ImportResult finished(ImportedPalette p)
{
    if (entryCount(p) == 0)
        return ImportResult::failure(Txt::importNoColours);
    return {std::move(p), {}};
}

ImportedPalette onePalette(const QString& name, QVector<ImportedEntry> entries)
{
    return {name, {{QString(), std::move(entries)}}, false};
}

// "R G B name": three integers 0..255, blanks between, the rest of the line the name.
std::optional<ImportedEntry> gplEntry(const QString& line)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*(\\d{1,3})\\s+(\\d{1,3})\\s+(\\d{1,3})(?:\\s+(.*))?$"));
    const QRegularExpressionMatch m = pattern.match(line);
    if (!m.hasMatch())
        return std::nullopt;
    const int r = m.captured(1).toInt(), g = m.captured(2).toInt(), b = m.captured(3).toInt();
    if (r > 255 || g > 255 || b > 255)
        return std::nullopt;
    return ImportedEntry{m.captured(4).trimmed(), qRgb(r, g, b), false};
}

} // namespace

QString importErrorText(const ImportError& e, const QString& fileName, const LanguageTable& t)
{
    const QString reason =
        t.text(e.reason).contains(QLatin1String("%1")) ? t.text(e.reason).arg(e.detail) : t.text(e.reason);
    if (e.line > 0)
        return t.text(Txt::importAtLine).arg(fileName, QString::number(e.line), reason);
    if (e.byte >= 0)
        return t.text(Txt::importAtByte).arg(fileName, QString::number(e.byte), reason);
    return t.text(Txt::importWhole).arg(fileName, reason);
}

std::optional<PaletteSource> paletteSourceFromPath(const QString& pathName)
{
    const QString name = pathName.toLower();
    static constexpr std::array<std::pair<const char*, PaletteSource>, 7> endings{{
        {".gpl", PaletteSource::gpl},
        {".ase", PaletteSource::ase},
        {".soc", PaletteSource::soc},
        {".json", PaletteSource::tokens},
        {".css", PaletteSource::css},
        {".txt", PaletteSource::hexLines},
        {".hex", PaletteSource::hexLines},
    }};
    for (const auto& [ending, source] : endings)
        if (name.endsWith(QLatin1String(ending)))
            return source;
    return std::nullopt;
}

ImportResult readGpl(const QByteArray& bytes, const QString& fallbackName)
{
    ImportError error;
    const std::optional<QString> text = importText(bytes, error);
    if (!text)
        return {std::nullopt, error};
    const QStringList lines = text->split(QLatin1Char('\n'));
    if (lines.front().trimmed() != QLatin1String("GIMP Palette"))
        return ImportResult::failure(Txt::importMissingHeader, QStringLiteral("GIMP Palette"), 1);
    QString name = fallbackName;
    QVector<ImportedEntry> entries;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1String("Name:"))) {
            name = line.mid(5).trimmed();
            continue;
        }
        if (line.startsWith(QLatin1String("Columns:")))
            continue;
        const std::optional<ImportedEntry> e = gplEntry(line);
        if (!e)
            return ImportResult::failure(Txt::importBadLine, line.left(60), static_cast<int>(i + 1));
        if (entries.size() >= maxImportedEntries)
            return ImportResult::failure(Txt::importTooManyColours, QString::number(maxImportedEntries),
                                         static_cast<int>(i + 1));
        entries << *e;
    }
    return finished(onePalette(name, std::move(entries)));
}

// One colour a line, "#RRGGBB" or "RRGGBB" (or three digits), a name after a
// blank if any; blank lines and lines beginning "//", ";" or "# " are comments.
ImportResult readHexLines(const QByteArray& bytes, const QString& fallbackName)
{
    ImportError error;
    const std::optional<QString> text = importText(bytes, error);
    if (!text)
        return {std::nullopt, error};
    const QStringList lines = text->split(QLatin1Char('\n'));
    QVector<ImportedEntry> entries;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1String("//")) || line.startsWith(QLatin1Char(';')) ||
            line == QLatin1String("#") || line.startsWith(QLatin1String("# ")))
            continue;
        static const QRegularExpression blanks(QStringLiteral("\\s"));
        const qsizetype blank = line.indexOf(blanks);
        const QString hex = blank < 0 ? line : line.left(blank);
        const QString digits = hex.startsWith(QLatin1Char('#')) ? hex.mid(1) : hex;
        const std::optional<ImportedColour> c =
            digits.size() == 3 || digits.size() == 6 ? cssColour(QLatin1Char('#') + digits) : std::nullopt;
        if (!c)
            return ImportResult::failure(Txt::importBadColour, hex.left(60), static_cast<int>(i + 1));
        if (entries.size() >= maxImportedEntries)
            return ImportResult::failure(Txt::importTooManyColours, QString::number(maxImportedEntries),
                                         static_cast<int>(i + 1));
        entries << ImportedEntry{blank < 0 ? QString() : line.mid(blank).trimmed(), c->rgb, false};
    }
    return finished(onePalette(fallbackName, std::move(entries)));
}

// LibreOffice's colour table: draw:color elements with draw:name and draw:color
// ("#rrggbb") in an ooo:color-table, matched by namespace, not by prefix.
ImportResult readSoc(const QByteArray& bytes, const QString& fallbackName)
{
    static const QString drawNamespace = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:drawing:1.0");
    QXmlStreamReader xml(bytes);
    QVector<ImportedEntry> entries;
    bool rootSeen = false;
    while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        const int line = static_cast<int>(xml.lineNumber());
        if (!rootSeen) {
            if (xml.name() != QLatin1String("color-table"))
                return ImportResult::failure(Txt::importMissingHeader, QStringLiteral("color-table"), line);
            rootSeen = true;
            continue;
        }
        if (xml.name() != QLatin1String("color") || xml.namespaceUri() != drawNamespace)
            continue;
        const QString value = xml.attributes().value(drawNamespace, QStringLiteral("color")).toString();
        const std::optional<ImportedColour> c =
            value.size() == 7 && value.startsWith(QLatin1Char('#')) ? cssColour(value) : std::nullopt;
        if (!c)
            return ImportResult::failure(Txt::importBadColour, value.left(60), line);
        if (entries.size() >= maxImportedEntries)
            return ImportResult::failure(Txt::importTooManyColours, QString::number(maxImportedEntries),
                                         line);
        entries << ImportedEntry{xml.attributes().value(drawNamespace, QStringLiteral("name")).toString(),
                                 c->rgb, false};
    }
    if (xml.hasError())
        return ImportResult::failure(Txt::importXml, xml.errorString(), static_cast<int>(xml.lineNumber()));
    if (!rootSeen)
        return ImportResult::failure(Txt::importMissingHeader, QStringLiteral("color-table"), 1);
    return finished(onePalette(fallbackName, std::move(entries)));
}

ImportResult readPalette(PaletteSource source, const QByteArray& bytes, const QString& fallbackName)
{
    switch (source) {
    case PaletteSource::gpl:
        return readGpl(bytes, fallbackName);
    case PaletteSource::ase:
        return readAse(bytes, fallbackName);
    case PaletteSource::soc:
        return readSoc(bytes, fallbackName);
    case PaletteSource::tokens:
        return readTokens(bytes, fallbackName);
    case PaletteSource::css:
        return readCss(bytes, fallbackName);
    case PaletteSource::hexLines:
        return readHexLines(bytes, fallbackName);
    }
    return ImportResult::failure(Txt::importNotAPalette);
}

ImportResult readPalette(PaletteSource source, QIODevice& device, const QString& fallbackName)
{
    if (!device.isReadable())
        return ImportResult::failure(Txt::importUnreadable);
    const QByteArray bytes = device.readAll();
    if (const auto* file = qobject_cast<const QFileDevice*>(&device);
        file && file->error() != QFileDevice::NoError)
        return ImportResult::failure(Txt::importUnreadable);
    return readPalette(source, bytes, fallbackName);
}

Palette exportablePalette(const ImportedPalette& p)
{
    Palette out;
    for (const ImportedGroup& g : p.groups) {
        // The writers know no empty group (the tokens file would not be JSON).
        if (g.entries.isEmpty())
            continue;
        PaletteGroup group{g.name.isEmpty() ? p.name : g.name, {}};
        for (const ImportedEntry& e : g.entries)
            group.entries << PaletteEntry{e.name, e.rgb};
        out.groups << group;
    }
    return out;
}

int entryCount(const ImportedPalette& p)
{
    int n = 0;
    for (const ImportedGroup& g : p.groups)
        n += static_cast<int>(g.entries.size());
    return n;
}
