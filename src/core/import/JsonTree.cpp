#include "core/import/JsonTree.h"

namespace
{

constexpr int maxDepth = 200;

class JsonParser
{
public:
    explicit JsonParser(const QString& text) : m_text(text) {}

    JsonParse parse()
    {
        auto root = std::make_unique<JsonValue>();
        skipBlanks();
        if (!value(*root, 0))
            return {nullptr, m_error, m_line};
        skipBlanks();
        if (m_at < m_text.size()) {
            fail(QStringLiteral("text after the end of the value"));
            return {nullptr, m_error, m_line};
        }
        return {std::move(root), {}, 0};
    }

private:
    bool fail(const QString& what)
    {
        if (m_error.isEmpty()) {
            m_error = what;
            m_line = m_lineNow;
        }
        return false;
    }

    void skipBlanks()
    {
        while (m_at < m_text.size()) {
            const QChar c = m_text[m_at];
            if (c == QLatin1Char('\n'))
                ++m_lineNow;
            else if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\r'))
                return;
            ++m_at;
        }
    }

    bool take(QChar c)
    {
        if (m_at < m_text.size() && m_text[m_at] == c) {
            ++m_at;
            return true;
        }
        return false;
    }

    bool literal(const char* word)
    {
        const QLatin1String w(word);
        if (QStringView(m_text).sliced(m_at).startsWith(w)) {
            m_at += w.size();
            return true;
        }
        return false;
    }

    bool value(JsonValue& v, int depth)
    {
        if (depth > maxDepth)
            return fail(QStringLiteral("nested too deeply"));
        v.line = m_lineNow;
        if (m_at >= m_text.size())
            return fail(QStringLiteral("unexpected end of text"));
        const QChar c = m_text[m_at];
        if (c == QLatin1Char('{'))
            return object(v, depth);
        if (c == QLatin1Char('['))
            return array(v, depth);
        if (c == QLatin1Char('"')) {
            v.kind = JsonValue::Kind::string;
            return string(v.string);
        }
        if (literal("true") || literal("false")) {
            v.kind = JsonValue::Kind::boolean;
            v.boolean = c == QLatin1Char('t');
            return true;
        }
        if (literal("null"))
            return true;
        return number(v);
    }

    bool object(JsonValue& v, int depth)
    {
        v.kind = JsonValue::Kind::object;
        ++m_at;
        skipBlanks();
        if (take(QLatin1Char('}')))
            return true;
        for (;;) {
            skipBlanks();
            QString key;
            if (m_at >= m_text.size() || m_text[m_at] != QLatin1Char('"'))
                return fail(QStringLiteral("a member name in quotes expected"));
            if (!string(key))
                return false;
            skipBlanks();
            if (!take(QLatin1Char(':')))
                return fail(QStringLiteral("\":\" expected"));
            skipBlanks();
            v.members.append({key, JsonValue{}});
            if (!value(v.members.back().second, depth + 1))
                return false;
            skipBlanks();
            if (take(QLatin1Char('}')))
                return true;
            if (!take(QLatin1Char(',')))
                return fail(QStringLiteral("\",\" or \"}\" expected"));
        }
    }

    bool array(JsonValue& v, int depth)
    {
        v.kind = JsonValue::Kind::array;
        ++m_at;
        skipBlanks();
        if (take(QLatin1Char(']')))
            return true;
        for (;;) {
            skipBlanks();
            v.items.append(JsonValue{});
            if (!value(v.items.back(), depth + 1))
                return false;
            skipBlanks();
            if (take(QLatin1Char(']')))
                return true;
            if (!take(QLatin1Char(',')))
                return fail(QStringLiteral("\",\" or \"]\" expected"));
        }
    }

    bool string(QString& out)
    {
        ++m_at;
        while (m_at < m_text.size()) {
            const QChar c = m_text[m_at++];
            if (c == QLatin1Char('"'))
                return true;
            if (c.unicode() < 0x20)
                return fail(QStringLiteral("control character in a string"));
            if (c != QLatin1Char('\\')) {
                out += c;
                continue;
            }
            if (m_at >= m_text.size())
                break;
            const QChar e = m_text[m_at++];
            static const QString plain = QStringLiteral("\"\\/bfnrt");
            static const QString meant = QStringLiteral("\"\\/\b\f\n\r\t");
            if (const qsizetype k = plain.indexOf(e); k >= 0) {
                out += meant[k];
            } else if (e == QLatin1Char('u') && m_at + 4 <= m_text.size()) {
                bool ok = false;
                const ushort unit = QStringView(m_text).sliced(m_at, 4).toUShort(&ok, 16);
                if (!ok)
                    return fail(QStringLiteral("bad \\u escape"));
                out += QChar(unit);
                m_at += 4;
            } else {
                return fail(QStringLiteral("bad escape"));
            }
        }
        return fail(QStringLiteral("string not closed"));
    }

    bool number(JsonValue& v)
    {
        const qsizetype from = m_at;
        while (m_at < m_text.size() && QStringLiteral("+-0123456789.eE").contains(m_text[m_at]))
            ++m_at;
        bool ok = false;
        const QStringView t = QStringView(m_text).sliced(from, m_at - from);
        // JSON has no leading "+", no bare ".5" and no hex; toDouble would take some of those.
        if (!t.isEmpty() && (t.front().isDigit() || t.front() == QLatin1Char('-')))
            v.number = t.toDouble(&ok);
        if (!ok)
            return fail(QStringLiteral("a value expected"));
        v.kind = JsonValue::Kind::number;
        return true;
    }

    const QString& m_text;
    qsizetype m_at = 0;
    int m_lineNow = 1;
    QString m_error;
    int m_line = 0;
};

} // namespace

const JsonValue* JsonValue::member(QStringView name) const
{
    for (const auto& [key, value] : members)
        if (key == name)
            return &value;
    return nullptr;
}

JsonParse parseJson(const QString& text)
{
    return JsonParser(text).parse();
}
