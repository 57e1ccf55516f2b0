// Design tokens (DTCG 2025.10): groups are objects, a token is an object with
// "$value"; "$type" is inherited from the enclosing groups. A colour's value is
// {"colorSpace", "components", "alpha"?, "hex"?} (or, in older files, a hex
// string), or an alias "{group.token}" to another token.
#include "core/import/CssColour.h"
#include "core/import/ImportText.h"
#include "core/import/ImportedPalette.h"
#include "core/import/JsonTree.h"

#include <QHash>
#include <QSet>

#include <variant>

namespace
{

struct Token {
    const JsonValue* value = nullptr;
    QString type; // its own or inherited
};

using Outcome = std::variant<ImportedColour, ImportError>;

class TokensReader
{
public:
    explicit TokensReader(const JsonValue& root) { index(root, {}, {}); }

    // Pre-order: each group with its own colour tokens, an empty group kept.
    std::optional<ImportError> collect(const JsonValue& group, const QString& path, const QString& type,
                                       QVector<ImportedGroup>& out)
    {
        const QString ownType = typeOf(group, type);
        ImportedGroup g{path, {}};
        bool hasMembers = false;
        QVector<std::pair<QString, const JsonValue*>> subgroups;
        for (const auto& [key, child] : group.members) {
            if (key.startsWith(QLatin1Char('$')) || child.kind != JsonValue::Kind::object)
                continue;
            hasMembers = true;
            const QString childPath = path.isEmpty() ? key : path + QLatin1Char('.') + key;
            if (!child.member(u"$value")) {
                subgroups.append({childPath, &child});
                continue;
            }
            const Token& t = m_tokens[childPath];
            if (!t.type.isEmpty() && t.type != QLatin1String("color"))
                continue;
            const Outcome o = resolved(childPath);
            if (const ImportError* e = std::get_if<ImportError>(&o)) {
                if (t.type.isEmpty()) // untyped and no colour: some other kind of token
                    continue;
                return *e;
            }
            if (++m_entries > maxImportedEntries)
                return ImportError{Txt::importTooManyColours, QString::number(maxImportedEntries),
                                   child.line};
            const ImportedColour& c = std::get<ImportedColour>(o);
            g.entries << ImportedEntry{key, c.rgb, c.gamutMapped};
        }
        if (!g.entries.isEmpty() || !hasMembers)
            out << g;
        for (const auto& [childPath, child] : subgroups)
            if (std::optional<ImportError> e = collect(*child, childPath, ownType, out))
                return e;
        return std::nullopt;
    }

private:
    static QString typeOf(const JsonValue& v, const QString& inherited)
    {
        const JsonValue* t = v.member(u"$type");
        return t && t->kind == JsonValue::Kind::string ? t->string : inherited;
    }

    void index(const JsonValue& group, const QString& path, const QString& type)
    {
        const QString ownType = typeOf(group, type);
        for (const auto& [key, child] : group.members) {
            if (key.startsWith(QLatin1Char('$')) || child.kind != JsonValue::Kind::object)
                continue;
            const QString childPath = path.isEmpty() ? key : path + QLatin1Char('.') + key;
            if (const JsonValue* value = child.member(u"$value"))
                m_tokens.insert(childPath, {value, typeOf(child, ownType)});
            else
                index(child, childPath, ownType);
        }
    }

    // The token's colour, through any chain of aliases.
    Outcome resolved(const QString& path)
    {
        QSet<QString> seen;
        QString at = path;
        for (;;) {
            const JsonValue& v = *m_tokens[at].value;
            if (v.kind != JsonValue::Kind::string || !v.string.startsWith(QLatin1Char('{')) ||
                !v.string.endsWith(QLatin1Char('}')))
                return colourOf(v, path);
            seen.insert(at);
            at = v.string.mid(1, v.string.size() - 2);
            if (seen.contains(at))
                return ImportError{Txt::importAliasCycle, path, v.line};
            if (!m_tokens.contains(at))
                return ImportError{Txt::importAliasMissing, v.string, v.line};
        }
    }

    static Outcome colourOf(const JsonValue& v, const QString& path)
    {
        const ImportError bad{Txt::importBadToken, path, v.line};
        if (v.kind == JsonValue::Kind::string) {
            const std::optional<ImportedColour> c =
                v.string.startsWith(QLatin1Char('#')) ? cssColour(v.string) : std::nullopt;
            return c ? Outcome(*c) : Outcome(bad);
        }
        if (v.kind != JsonValue::Kind::object)
            return bad;
        const JsonValue* space = v.member(u"colorSpace");
        const JsonValue* components = v.member(u"components");
        const JsonValue* hex = v.member(u"hex");
        const std::optional<ImportedColour> fallback =
            hex && hex->kind == JsonValue::Kind::string ? cssColour(hex->string) : std::nullopt;
        if (!space || space->kind != JsonValue::Kind::string)
            return bad;
        const std::optional<SourceSpace> s = sourceSpaceFromName(space->string);
        if (!s) // a space the core cannot convert: the hex the format gives as fallback
            return fallback ? Outcome(*fallback)
                            : Outcome(ImportError{Txt::importUnknownSpace, space->string, space->line});
        if (!components || components->kind != JsonValue::Kind::array || components->items.size() != 3)
            return fallback ? Outcome(*fallback) : Outcome(bad);
        std::array<double, 3> c{};
        for (std::size_t i = 0; i < 3; ++i) {
            const JsonValue& item = components->items[static_cast<qsizetype>(i)];
            if (item.kind == JsonValue::Kind::number)
                c[i] = item.number;
            else if (item.kind != JsonValue::Kind::string || item.string != QLatin1String("none"))
                return bad;
        }
        // Saturation, whiteness, blackness and lightness in percent here, fractions in CSS's sense.
        if (*s == SourceSpace::hsl || *s == SourceSpace::hwb) {
            c[1] /= 100;
            c[2] /= 100;
        }
        return importedColour(*s, {c[0], c[1], c[2]});
    }

    QHash<QString, Token> m_tokens;
    int m_entries = 0;
};

} // namespace

ImportResult readTokens(const QByteArray& bytes, const QString& fallbackName)
{
    ImportError error;
    const std::optional<QString> text = importText(bytes, error);
    if (!text)
        return {std::nullopt, error};
    const JsonParse parsed = parseJson(*text);
    if (!parsed.root)
        return ImportResult::failure(Txt::importJson, parsed.error, parsed.line);
    if (parsed.root->kind != JsonValue::Kind::object)
        return ImportResult::failure(Txt::importJson, QStringLiteral("an object expected"),
                                     parsed.root->line);
    TokensReader reader(*parsed.root);
    ImportedPalette p{fallbackName, {}, false};
    if (const std::optional<ImportError> e = reader.collect(*parsed.root, {}, {}, p.groups))
        return {std::nullopt, *e};
    // The file's top level with no tokens of its own is no group.
    p.groups.removeIf([](const ImportedGroup& g) { return g.name.isEmpty() && g.entries.isEmpty(); });
    if (entryCount(p) == 0)
        return ImportResult::failure(Txt::importNoColours);
    return {std::move(p), {}};
}
