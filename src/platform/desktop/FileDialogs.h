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
    virtual std::optional<QString> tryOpen(QWidget* parent, const QString& filter) = 0;
    // name: the file name the dialog starts with. The caller asks about replacing.
    virtual std::optional<QString> chooseSaveFile(QWidget* parent, const QString& filter,
                                                  const QString& name) = 0;
    // A save dialog that also tells which of the filters was chosen. `options`
    // (may be null) is shown in the dialog, below the file list; it stays the caller's.
    struct SaveTarget {
        QString pathName;
        QString filter;
    };
    virtual std::optional<SaveTarget> chooseSaveFileWithFilter(QWidget* parent, const QString& filter,
                                                               const QString& name, QWidget* options) = 0;
};

// Shows nothing; answers from a list and remembers what it was asked. For tests.
class ScriptedFileDialogs : public FileDialogs
{
public:
    struct Call {
        bool chooseSaveFile;
        QString filter;
        QString name;
    };
    std::optional<QString> tryOpen(QWidget*, const QString& filter) override
    {
        return answers({false, filter, {}});
    }
    std::optional<QString> chooseSaveFile(QWidget*, const QString& filter, const QString& name) override
    {
        return answers({true, filter, name});
    }
    // The chosen filter is the one set with chooseFilter (empty: none); the
    // options are handed to the function set with withOptions before the answer.
    std::optional<SaveTarget> chooseSaveFileWithFilter(QWidget*, const QString& filter, const QString& name,
                                                       QWidget* options) override
    {
        if (options && m_mitOptionen)
            m_mitOptionen(*options);
        const std::optional<QString> pathName = answers({true, filter, name});
        if (!pathName)
            return std::nullopt;
        return SaveTarget{*pathName, m_filter};
    }
    void chooseFilter(const QString& filter) { m_filter = filter; }
    void withOptions(std::function<void(QWidget&)> f) { m_mitOptionen = std::move(f); }
    // The next dialogs' answers in order; nothing means Cancel.
    void queueAnswer(std::optional<QString> answer) { m_antworten.append(answer); }
    const QList<Call>& recordedCalls() const { return m_aufrufe; }

private:
    std::optional<QString> answers(Call call)
    {
        m_aufrufe.append(std::move(call));
        return m_antworten.isEmpty() ? std::nullopt : m_antworten.takeFirst();
    }
    QList<std::optional<QString>> m_antworten;
    QList<Call> m_aufrufe;
    QString m_filter;
    std::function<void(QWidget&)> m_mitOptionen;
};

// The toolkit's file dialogs.
class QtFileDialogs : public FileDialogs
{
public:
    std::optional<QString> tryOpen(QWidget* parent, const QString& filter) override;
    std::optional<QString> chooseSaveFile(QWidget* parent, const QString& filter,
                                          const QString& name) override;
    std::optional<SaveTarget> chooseSaveFileWithFilter(QWidget* parent, const QString& filter,
                                                       const QString& name, QWidget* options) override;
};
