// Custom properties of a style sheet whose values are colours ("--brand: #0A84FF;"),
// in the order they come. Each rule other than :root is a group named by its
// selector (inside an at-rule, the at-rule's prelude leads); a comment right
// after a declaration on its line names the colour, else the property does.
// Values that are not colours (lengths, calc(), var() to non-colours) are left out.
#include "core/import/CssColour.h"
#include "core/import/ImportText.h"
#include "core/import/ImportedPalette.h"

#include <QHash>

namespace
{

struct Rule {
    QString prelude;
    int line = 0;
};

class CssScanner
{
public:
    explicit CssScanner(const QString& text) : m_text(text) {}

    std::optional<ImportError> scan()
    {
        qsizetype start = 0;
        for (m_at = 0; m_at < m_text.size(); ++m_at) {
            const QChar c = m_text[m_at];
            if (c == QLatin1Char('\n')) {
                ++m_line;
            } else if (c == QLatin1Char('/') && next() == QLatin1Char('*')) {
                const qsizetype from = m_at;
                if (std::optional<ImportError> e = comment())
                    return e;
                // A comment between declarations is no part of the next one.
                if (QStringView(m_text).sliced(start, from - start).trimmed().isEmpty())
                    start = m_at + 1;
                continue;
            } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
                if (!quoted(c))
                    return ImportError{Txt::importNotClosed, QString(c), m_line};
                continue;
            } else if (c == QLatin1Char('{')) {
                m_rules << Rule{QStringView(m_text).sliced(start, m_at - start).trimmed().toString(), m_line};
                start = m_at + 1;
            } else if (c == QLatin1Char(';') || c == QLatin1Char('}')) {
                if (std::optional<ImportError> e =
                        declaration(QStringView(m_text).sliced(start, m_at - start)))
                    return e;
                if (c == QLatin1Char('}')) {
                    if (m_rules.isEmpty())
                        return ImportError{Txt::importUnmatched, QStringLiteral("}"), m_line};
                    m_rules.removeLast();
                }
                start = m_at + 1;
                m_lastLine = c == QLatin1Char(';') && m_lastDeclared ? m_line : 0;
                m_lastDeclared = false;
                continue;
            }
            if (!c.isSpace() && c != QLatin1Char('\n'))
                m_lastLine = 0;
        }
        if (std::optional<ImportError> e = declaration(QStringView(m_text).sliced(start)))
            return e;
        if (!m_rules.isEmpty())
            return ImportError{Txt::importNotClosed, QStringLiteral("{"), m_rules.back().line};
        return std::nullopt;
    }

    QVector<ImportedGroup> groups;

private:
    QChar next() const { return m_at + 1 < m_text.size() ? m_text[m_at + 1] : QChar(); }

    std::optional<ImportError> comment()
    {
        const int line = m_line;
        const qsizetype end = m_text.indexOf(QStringLiteral("*/"), m_at + 2);
        if (end < 0)
            return ImportError{Txt::importNotClosed, QStringLiteral("/*"), line};
        const QString content = m_text.mid(m_at + 2, end - m_at - 2).trimmed();
        m_line += static_cast<int>(QStringView(m_text).sliced(m_at, end - m_at).count(QLatin1Char('\n')));
        // Right after a colour's declaration on its line: the colour's name.
        if (m_lastLine == line && line == m_line && !content.isEmpty())
            groups[m_lastGroup].entries.back().name = content;
        m_lastLine = 0;
        m_at = end + 1;
        return std::nullopt;
    }

    bool quoted(QChar quote)
    {
        for (++m_at; m_at < m_text.size(); ++m_at) {
            if (m_text[m_at] == QLatin1Char('\\'))
                ++m_at;
            else if (m_text[m_at] == quote)
                return true;
            else if (m_text[m_at] == QLatin1Char('\n'))
                return false;
        }
        return false;
    }

    QString groupName() const
    {
        QStringList parts;
        for (const Rule& r : m_rules)
            if (r.prelude != QLatin1String(":root") && r.prelude != QLatin1String("html") &&
                r.prelude != QLatin1String("*"))
                parts << r.prelude.simplified();
        return parts.join(QLatin1Char(' '));
    }

    std::optional<ImportError> declaration(QStringView d)
    {
        d = d.trimmed();
        const qsizetype colon = d.indexOf(QLatin1Char(':'));
        if (!d.startsWith(QLatin1String("--")) || colon < 0)
            return std::nullopt;
        const QString property = d.first(colon).trimmed().toString();
        QString value = d.sliced(colon + 1).trimmed().toString();
        if (value.endsWith(QLatin1String("!important"), Qt::CaseInsensitive))
            value = value.chopped(10).trimmed();
        std::optional<ImportedColour> c = cssColour(value);
        if (!c && value.startsWith(QLatin1String("var(")) && value.endsWith(QLatin1Char(')')))
            if (const auto known = m_colours.constFind(value.mid(4, value.size() - 5).trimmed());
                known != m_colours.cend())
                c = *known;
        if (!c) {
            if (looksLikeCssColour(value))
                return ImportError{Txt::importBadColour, value.left(60), m_line};
            return std::nullopt;
        }
        if (++m_entries > maxImportedEntries)
            return ImportError{Txt::importTooManyColours, QString::number(maxImportedEntries), m_line};
        m_colours.insert(property, *c);
        const QString group = groupName();
        if (!m_groupIndex.contains(group)) {
            m_groupIndex.insert(group, static_cast<int>(groups.size()));
            groups << ImportedGroup{group, {}};
        }
        m_lastGroup = m_groupIndex[group];
        groups[m_lastGroup].entries << ImportedEntry{property.mid(2), c->rgb, c->gamutMapped};
        m_lastDeclared = true;
        return std::nullopt;
    }

    const QString& m_text;
    qsizetype m_at = 0;
    int m_line = 1;
    QVector<Rule> m_rules;
    QHash<QString, ImportedColour> m_colours;
    QHash<QString, int> m_groupIndex;
    int m_lastGroup = 0;
    int m_lastLine = 0;          // the line a colour's declaration ended on, while only blanks follow
    bool m_lastDeclared = false; // the declaration just read was a colour
    int m_entries = 0;
};

} // namespace

ImportResult readCss(const QByteArray& bytes, const QString& fallbackName)
{
    ImportError error;
    const std::optional<QString> text = importText(bytes, error);
    if (!text)
        return {std::nullopt, error};
    CssScanner scanner(*text);
    if (const std::optional<ImportError> e = scanner.scan())
        return {std::nullopt, *e};
    ImportedPalette p{fallbackName, std::move(scanner.groups), false};
    if (entryCount(p) == 0)
        return ImportResult::failure(Txt::importNoColours);
    return {std::move(p), {}};
}
