#include "core/export/PaletteWriters.h"

#include "core/colour/Conversions.h"

#include <QSet>
#include <QtEndian>

#include <cstring>

namespace
{

QString hexUpper(QRgb c)
{
    return hexText(qRed(c), qGreen(c), qBlue(c));
}

QString hexLower(QRgb c)
{
    return hexUpper(c).toLower();
}

QString xmlText(QString t)
{
    return t.replace(QLatin1Char('&'), QStringLiteral("&amp;"))
        .replace(QLatin1Char('<'), QStringLiteral("&lt;"))
        .replace(QLatin1Char('>'), QStringLiteral("&gt;"))
        .replace(QLatin1Char('"'), QStringLiteral("&quot;"));
}

QString safeComment(QString t)
{
    return t.replace(QStringLiteral("*/"), QStringLiteral("* /"))
        .replace(QLatin1Char('\n'), QLatin1Char(' '));
}

QString jsonText(const QString& t)
{
    QString r;
    for (const QChar c : t) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            r += QLatin1Char('\\') + c;
        else if (c.unicode() < 0x20)
            r += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            r += c;
    }
    return r;
}

// Identifiers of one file, each once: a repeated one gets "-2", "-3", ...
class Eindeutig
{
public:
    QString operator()(const QString& basis)
    {
        QString name = basis;
        for (int n = 2; m_vergeben.contains(name); ++n)
            name = basis + (basis.endsWith(QLatin1Char('-')) ? QString() : QStringLiteral("-")) +
                   QString::number(n);
        m_vergeben.insert(name);
        return name;
    }

private:
    QSet<QString> m_vergeben;
};

void u16(QByteArray& d, quint16 v)
{
    char b[2];
    qToBigEndian(v, b);
    d.append(b, 2);
}

void u32(QByteArray& d, quint32 v)
{
    char b[4];
    qToBigEndian(v, b);
    d.append(b, 4);
}

void f32(QByteArray& d, float v)
{
    quint32 bits = 0;
    std::memcpy(&bits, &v, sizeof bits);
    u32(d, bits);
}

// Length in UTF-16 units with the terminating zero, the units, the zero.
QByteArray aseName(const QString& name)
{
    QByteArray d;
    u16(d, static_cast<quint16>(name.size() + 1));
    for (const QChar c : name)
        u16(d, c.unicode());
    u16(d, 0);
    return d;
}

void aseBlock(QByteArray& d, quint16 typ, const QByteArray& content)
{
    u16(d, typ);
    u32(d, static_cast<quint32>(content.size()));
    d.append(content);
}

QString numeral(double v)
{
    return QString::number(v, 'g', 6);
}

QString tokenText(const QString& name, const QString& descriptionText, QRgb c, const QString& einzug)
{
    return einzug + QStringLiteral("\"%1\": {\n").arg(jsonText(name)) + einzug +
           QStringLiteral("  \"$description\": \"%1\",\n").arg(jsonText(descriptionText)) + einzug +
           QStringLiteral("  \"$type\": \"color\",\n") + einzug +
           QStringLiteral(
               "  \"$value\": {\"colorSpace\": \"srgb\", \"components\": [%1, %2, %3], \"hex\": \"%4\"}\n")
               .arg(numeral(qRed(c) / 255.0), numeral(qGreen(c) / 255.0), numeral(qBlue(c) / 255.0),
                    hexLower(c)) +
           einzug + QLatin1Char('}');
}

QString targetText(double target, ContrastMethod method)
{
    return method == ContrastMethod::wcag2 ? QString::number(target) + QStringLiteral(":1")
                                           : QStringLiteral("Lc ") + QString::number(target);
}

QString stepText(const ScaleStep& step, ContrastMethod method, QRgb background, const ScaleWording& w)
{
    const QString achieved = method == ContrastMethod::wcag2
                                 ? QString::number(step.wcagRatio, 'f', 2) + QStringLiteral(":1")
                                 : QStringLiteral("Lc ") + QString::number(step.apcaLc, 'f', 1);
    return w.step.arg(method == ContrastMethod::wcag2 ? QStringLiteral("WCAG 2") : QStringLiteral("APCA"),
                      targetText(step.target, method), achieved, hexUpper(background));
}

// The name, and the targets no step reaches when there are any.
QString scaleDescription(const QString& name, const ColourScale& scale, ContrastMethod method,
                         const ScaleWording& w)
{
    QStringList missing;
    for (const ScaleStep& step : scale.steps)
        if (!step.reached)
            missing << targetText(step.target, method);
    return missing.isEmpty() ? name : w.unreachable.arg(name, missing.join(QStringLiteral(", ")));
}

// Per entry its step names, each once in the file beside the colours' own names.
QVector<QStringList> stepNames(const QStringList& colourNames, const QVector<ColourScale>& scales,
                               Eindeutig& eindeutig)
{
    QVector<QStringList> names;
    for (qsizetype i = 0; i < scales.size(); ++i) {
        QStringList n;
        for (const ScaleStep& step : scales[i].steps)
            n << eindeutig(colourNames[i] + QLatin1Char('-') + stepName(step.target));
        names << n;
    }
    return names;
}

QString cssSteps(const QVector<FlatEntry>& entries, const QVector<QStringList>& names,
                 const QVector<ColourScale>& scales, ContrastMethod method, QRgb background,
                 const ScaleWording& w, const QString& einzug)
{
    QString t;
    for (qsizetype i = 0; i < scales.size() && i < entries.size(); ++i) {
        const QString name = entries[i].name;
        for (qsizetype k = 0; k < scales[i].steps.size(); ++k) {
            const ScaleStep& step = scales[i].steps[k];
            if (step.reached)
                t += einzug + QStringLiteral("--%1: %2; /* %3: %4 */\n")
                                  .arg(names[i][k], hexUpper(step.rgb), safeComment(name),
                                       safeComment(stepText(step, method, background, w)));
        }
        if (const QString description = scaleDescription(name, scales[i], method, w); description != name)
            t += einzug + QStringLiteral("/* %1 */\n").arg(safeComment(description));
    }
    return t;
}

} // namespace

QString stepName(double target)
{
    QString name;
    for (const QChar c : QString::number(target))
        name += c.isLetterOrNumber() ? c : QLatin1Char('-');
    return name;
}

QVector<FlatEntry> flatEntries(const Palette& p)
{
    QVector<FlatEntry> allItems;
    const bool mitGruppe = p.groups.size() > 1;
    for (const PaletteGroup& g : p.groups)
        for (const PaletteEntry& e : g.entries)
            allItems.append({mitGruppe ? g.name + QStringLiteral(": ") + e.name : e.name, e.rgb});
    return allItems;
}

QString identifier(const QString& name)
{
    QString r;
    for (const QChar c : name.toLower()) {
        const char16_t u = c.unicode();
        if ((u >= u'a' && u <= u'z') || (u >= u'0' && u <= u'9'))
            r += c;
        else if (u == u'ä')
            r += QStringLiteral("ae");
        else if (u == u'ö')
            r += QStringLiteral("oe");
        else if (u == u'ü')
            r += QStringLiteral("ue");
        else if (u == u'ß')
            r += QStringLiteral("ss");
        else if (!r.isEmpty() && !r.endsWith(QLatin1Char('-')))
            r += QLatin1Char('-');
    }
    while (r.endsWith(QLatin1Char('-')))
        r.chop(1);
    if (r.isEmpty())
        return QStringLiteral("color");
    if (r.front().isDigit())
        r.prepend(QStringLiteral("field-"));
    return r;
}

QByteArray gplFile(const Palette& p, const QString& titleText)
{
    QString t = QStringLiteral("GIMP Palette\nName: %1\nColumns: 0\n#\n").arg(titleText.simplified());
    const bool mitGruppe = p.groups.size() > 1;
    for (const PaletteGroup& g : p.groups) {
        if (mitGruppe)
            t += QStringLiteral("# %1\n").arg(g.name.simplified());
        for (const PaletteEntry& e : g.entries) {
            const QString name = mitGruppe ? g.name + QStringLiteral(": ") + e.name : e.name;
            t += QStringLiteral("%1 %2 %3\t%4\n")
                     .arg(qRed(e.rgb), 3)
                     .arg(qGreen(e.rgb), 3)
                     .arg(qBlue(e.rgb), 3)
                     .arg(name.simplified());
        }
    }
    return t.toUtf8();
}

// One palette is plain colour blocks: simple readers take a group's end for a
// colour. The two halves of a fixed display keep a group each.
QByteArray aseFile(const Palette& p)
{
    return aseFile(p, {});
}

QByteArray aseFile(const Palette& p, const CmykOf& cmyk)
{
    QByteArray blocks;
    quint32 anzahl = 0;
    const bool mitGruppe = p.groups.size() > 1;
    for (const PaletteGroup& g : p.groups) {
        if (mitGruppe) {
            aseBlock(blocks, 0xC001, aseName(g.name));
            ++anzahl;
        }
        for (const PaletteEntry& e : g.entries) {
            QByteArray content = aseName(e.name);
            if (cmyk) {
                const Cmyk v = cmyk(e.rgb);
                content.append("CMYK", 4);
                for (const double channel : {v.c, v.m, v.y, v.k})
                    f32(content, static_cast<float>(channel));
            } else {
                content.append("RGB ", 4);
                f32(content, static_cast<float>(qRed(e.rgb) / 255.0));
                f32(content, static_cast<float>(qGreen(e.rgb) / 255.0));
                f32(content, static_cast<float>(qBlue(e.rgb) / 255.0));
            }
            u16(content, 2); // a normal colour, neither global nor spot
            aseBlock(blocks, 0x0001, content);
            ++anzahl;
        }
        if (mitGruppe) {
            aseBlock(blocks, 0xC002, {});
            ++anzahl;
        }
    }
    QByteArray d("ASEF", 4);
    u16(d, 1);
    u16(d, 0);
    u32(d, anzahl);
    return d + blocks;
}

QByteArray socFile(const Palette& p)
{
    QString t = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<ooo:color-table xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
        "xmlns:draw=\"urn:oasis:names:tc:opendocument:xmlns:drawing:1.0\" "
        "xmlns:xlink=\"http://www.w3.org/1999/xlink\" xmlns:svg=\"http://www.w3.org/2000/svg\" "
        "xmlns:ooo=\"http://openoffice.org/2004/office\">\n");
    for (const FlatEntry& e : flatEntries(p))
        t += QStringLiteral("  <draw:color draw:name=\"%1\" draw:color=\"%2\"/>\n")
                 .arg(xmlText(e.name), hexLower(e.rgb));
    t += QStringLiteral("</ooo:color-table>\n");
    return t.toUtf8();
}

QByteArray cssFile(const Palette& p, const QString& titleText)
{
    QString t = QStringLiteral("/* %1 */\n:root {\n").arg(safeComment(titleText));
    Eindeutig eindeutig;
    for (const FlatEntry& e : flatEntries(p))
        t += QStringLiteral("  --%1: %2; /* %3 */\n")
                 .arg(eindeutig(identifier(e.name)), hexUpper(e.rgb), safeComment(e.name));
    t += QStringLiteral("}\n");
    return t.toUtf8();
}

QByteArray scssFile(const Palette& p, const QString& titleText)
{
    QString t = QStringLiteral("// %1\n").arg(titleText.simplified());
    Eindeutig eindeutig;
    for (const FlatEntry& e : flatEntries(p))
        t += QStringLiteral("$%1: %2; // %3\n")
                 .arg(eindeutig(identifier(e.name)), hexUpper(e.rgb), e.name.simplified());
    return t.toUtf8();
}

// Names as the CSS and Sass files have them, so tools that make code of the
// token paths (Style Dictionary) get identifiers; the full name is the description.
QByteArray tokensFile(const Palette& p)
{
    const bool mitGruppe = p.groups.size() > 1;
    QStringList gruppen;
    Eindeutig gruppenNamen;
    for (const PaletteGroup& g : p.groups) {
        const QString einzug = mitGruppe ? QStringLiteral("    ") : QStringLiteral("  ");
        QStringList tokens;
        Eindeutig names;
        for (const PaletteEntry& e : g.entries)
            tokens << tokenText(names(identifier(e.name)), e.name.simplified(), e.rgb, einzug);
        const QString content = tokens.join(QStringLiteral(",\n"));
        gruppen << (mitGruppe ? QStringLiteral("  \"%1\": {\n    \"$description\": \"%2\",\n%3\n  }")
                                    .arg(jsonText(gruppenNamen(identifier(g.name))),
                                         jsonText(g.name.simplified()), content)
                              : content);
    }
    return (QStringLiteral("{\n") + gruppen.join(QStringLiteral(",\n")) + QStringLiteral("\n}\n")).toUtf8();
}

QByteArray cssWithScales(const Palette& p, const QString& titleText, const ScaleSets& s,
                         const ScaleWording& w)
{
    const QVector<FlatEntry> entries = flatEntries(p);
    QString t = QStringLiteral("/* %1 */\n:root {\n").arg(safeComment(titleText));
    Eindeutig eindeutig;
    QStringList colourNames;
    for (const FlatEntry& e : entries) {
        colourNames << eindeutig(identifier(e.name));
        t += QStringLiteral("  --%1: %2; /* %3 */\n")
                 .arg(colourNames.back(), hexUpper(e.rgb), safeComment(e.name));
    }
    // Both schemes share the names, so a dark scheme swaps every step.
    const QVector<QStringList> names = stepNames(colourNames, s.scales.light, eindeutig);
    t += cssSteps(entries, names, s.scales.light, s.method, s.backgrounds.light, w, QStringLiteral("  "));
    t += QStringLiteral("}\n@media (prefers-color-scheme: dark) {\n  :root {\n");
    t += cssSteps(entries, names, s.scales.dark, s.method, s.backgrounds.dark, w, QStringLiteral("    "));
    t += QStringLiteral("  }\n}\n");
    return t.toUtf8();
}

QByteArray tokensWithScales(const Palette& p, const ScaleSets& s, bool dark, const ScaleWording& w)
{
    const QVector<FlatEntry> entries = flatEntries(p);
    const QVector<ColourScale>& scales = dark ? s.scales.dark : s.scales.light;
    const QRgb background = dark ? s.backgrounds.dark : s.backgrounds.light;
    const ContrastMethod method = s.method;
    QStringList groups;
    Eindeutig groupNames;
    for (qsizetype i = 0; i < scales.size() && i < entries.size(); ++i) {
        QString group =
            QStringLiteral("  \"%1\": {\n    \"$description\": \"%2\"")
                .arg(jsonText(groupNames(identifier(entries[i].name))),
                     jsonText(scaleDescription(entries[i].name.simplified(), scales[i], method, w)));
        Eindeutig names;
        for (const ScaleStep& step : scales[i].steps)
            if (step.reached)
                group += QStringLiteral(",\n") + tokenText(names(stepName(step.target)),
                                                           stepText(step, method, background, w), step.rgb,
                                                           QStringLiteral("    "));
        groups << group + QStringLiteral("\n  }");
    }
    return (QStringLiteral("{\n") + groups.join(QStringLiteral(",\n")) + QStringLiteral("\n}\n")).toUtf8();
}
