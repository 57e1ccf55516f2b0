#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

// The open and save dialogs for one file; nothing on Cancel.
class FileDialogs
{
public:
    virtual ~FileDialogs() = default;
    // filter in Qt's form ("A (*.x);;B (*)").
    virtual std::optional<QString> oeffnen(QWidget* eltern, const QString& filter) = 0;
    // name: the file name the dialog starts with. The caller asks about replacing.
    virtual std::optional<QString> speichern(QWidget* eltern, const QString& filter, const QString& name) = 0;
    // A save dialog that also tells which of the filters was chosen. `optionen`
    // (may be null) is shown in the dialog, below the file list; it stays the caller's.
    struct Ziel {
        QString pfad;
        QString filter;
    };
    virtual std::optional<Ziel> speichernMitFilter(QWidget* eltern, const QString& filter,
                                                   const QString& name, QWidget* optionen) = 0;
};

// Shows nothing; answers from a list and remembers what it was asked. For tests.
class ScriptedFileDialogs : public FileDialogs
{
public:
    struct Aufruf {
        bool speichern;
        QString filter;
        QString name;
    };
    std::optional<QString> oeffnen(QWidget*, const QString& filter) override
    {
        return antworten({false, filter, {}});
    }
    std::optional<QString> speichern(QWidget*, const QString& filter, const QString& name) override
    {
        return antworten({true, filter, name});
    }
    // The chosen filter is the one set with waehleFilter (empty: none); the
    // options are handed to the function set with mitOptionen before the answer.
    std::optional<Ziel> speichernMitFilter(QWidget*, const QString& filter, const QString& name,
                                           QWidget* optionen) override
    {
        if (optionen && m_mitOptionen)
            m_mitOptionen(*optionen);
        const std::optional<QString> pfad = antworten({true, filter, name});
        if (!pfad)
            return std::nullopt;
        return Ziel{*pfad, m_filter};
    }
    void waehleFilter(const QString& filter) { m_filter = filter; }
    void mitOptionen(std::function<void(QWidget&)> f) { m_mitOptionen = std::move(f); }
    // The next dialogs' answers in order; nothing means Cancel.
    void antworte(std::optional<QString> antwort) { m_antworten.append(antwort); }
    const QList<Aufruf>& aufrufe() const { return m_aufrufe; }

private:
    std::optional<QString> antworten(Aufruf aufruf)
    {
        m_aufrufe.append(std::move(aufruf));
        return m_antworten.isEmpty() ? std::nullopt : m_antworten.takeFirst();
    }
    QList<std::optional<QString>> m_antworten;
    QList<Aufruf> m_aufrufe;
    QString m_filter;
    std::function<void(QWidget&)> m_mitOptionen;
};

// The toolkit's file dialogs.
class QtFileDialogs : public FileDialogs
{
public:
    std::optional<QString> oeffnen(QWidget* eltern, const QString& filter) override;
    std::optional<QString> speichern(QWidget* eltern, const QString& filter, const QString& name) override;
    std::optional<Ziel> speichernMitFilter(QWidget* eltern, const QString& filter, const QString& name,
                                           QWidget* optionen) override;
};
