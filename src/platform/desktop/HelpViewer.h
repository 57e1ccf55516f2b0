#pragma once

#include "core/language/LanguageTable.h"

#include <QList>
#include <QString>

// The commands of the help viewer's entry point (HtmlHelp): the table of
// contents (HH_DISPLAY_TOC) or one topic page (HH_DISPLAY_TOPIC).
enum class HelpCommand { content, topic };

// A help address as the program forms it: the help file name, directly followed,
// for a topic, by "::" and the topic path ("…/manual.chm::HTML\page06.htm").
struct HelpAddress {
    QString fileItem; // the help file name, without the topic
    QString topic;    // the topic path with "/" separators ("HTML/page06.htm"); empty for none
};
inline HelpAddress splitHelpAddress(const QString& address)
{
    const qsizetype separator = address.indexOf(QStringLiteral("::"));
    if (separator < 0)
        return {address, QString()};
    QString topic = address.mid(separator + 2);
    topic.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (topic.startsWith(QLatin1Char('/')))
        topic.remove(0, 1);
    return {address.left(separator), topic};
}

// The help viewer seam: shows the program's help in its own window.
class HelpViewer
{
public:
    virtual ~HelpViewer() = default;
    // Opens the help of the given language on its contents or on the address's
    // topic; false when there was nothing to show (the viewer says so itself).
    virtual bool htmlHelp(const QString& address, HelpCommand command, Language uiLanguage) = 0;
};

// Shows nothing; remembers every call. For tests.
class RecordingHelpViewer : public HelpViewer
{
public:
    struct Call {
        QString address;
        HelpCommand command;
        Language uiLanguage;
    };
    bool htmlHelp(const QString& address, HelpCommand command, Language uiLanguage) override
    {
        m_aufrufe.append({address, command, uiLanguage});
        return true;
    }
    const QList<Call>& recordedCalls() const { return m_aufrufe; }

private:
    QList<Call> m_aufrufe;
};
