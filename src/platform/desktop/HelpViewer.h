#pragma once

#include "core/language/LanguageTable.h"

#include <QList>
#include <QString>

// The commands of the help viewer's entry point (HtmlHelp): the table of
// contents (HH_DISPLAY_TOC) or one topic page (HH_DISPLAY_TOPIC).
enum class HilfeBefehl { inhalt, thema };

// A help address as the program forms it: the help file name, directly followed,
// for a topic, by "::" and the topic path ("…/manual.chm::HTML\page06.htm").
struct HilfeAdresse {
    QString datei; // the help file name, without the topic
    QString thema; // the topic path with "/" separators ("HTML/page06.htm"); empty for none
};
inline HilfeAdresse zerlegeHilfeAdresse(const QString& adresse)
{
    const qsizetype trenner = adresse.indexOf(QStringLiteral("::"));
    if (trenner < 0)
        return {adresse, QString()};
    QString thema = adresse.mid(trenner + 2);
    thema.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (thema.startsWith(QLatin1Char('/')))
        thema.remove(0, 1);
    return {adresse.left(trenner), thema};
}

// The help viewer seam: shows the program's help in its own window.
class HelpViewer
{
public:
    virtual ~HelpViewer() = default;
    // Opens the help of the given language on its contents or on the address's
    // topic; false when there was nothing to show (the viewer says so itself).
    virtual bool htmlHelp(const QString& adresse, HilfeBefehl befehl, Sprache sprache) = 0;
};

// Shows nothing; remembers every call. For tests.
class RecordingHelpViewer : public HelpViewer
{
public:
    struct Aufruf {
        QString adresse;
        HilfeBefehl befehl;
        Sprache sprache;
    };
    bool htmlHelp(const QString& adresse, HilfeBefehl befehl, Sprache sprache) override
    {
        m_aufrufe.append({adresse, befehl, sprache});
        return true;
    }
    const QList<Aufruf>& aufrufe() const { return m_aufrufe; }

private:
    QList<Aufruf> m_aufrufe;
};
