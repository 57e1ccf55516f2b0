#include "ui/shell/MainWidgetsBuild.h"

#include "ui/widgets/ColourPanel.h"
#include "ui/widgets/ColourVisionFilter.h"

#include <QLabel>
#include <QTextEdit>

namespace
{

constexpr int displayWidth = 680; // the design size of the display
constexpr int displayHeight = 362;

// The small fields of one display half (or of the single display).
struct KleineFelder {
    ColourPanel** right;
    ColourPanel** left;
    ColourPanel** centre;
    const char* names[3];
};

void buildSmallFields(ColourPanel* parent, const KleineFelder& f, const QRect& right, const QRect& left,
                      const QRect& centre)
{
    *f.right = makePanel(parent, f.names[0], right);
    *f.left = makePanel(parent, f.names[1], left);
    *f.centre = makePanel(parent, f.names[2], centre);
}

QTextEdit* makeRichEdit(QWidget* parent, const char* name, int tag, const QRect& geometry,
                        const QString& text)
{
    auto* e = new QTextEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setProperty("tag", tag);
    e->setGeometry(geometry);
    e->setFrameStyle(QFrame::NoFrame);
    e->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    e->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    e->setAcceptRichText(true);
    e->setTabChangesFocus(false); // tab characters are text here
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(8);
    font.setBold(true);
    e->setFont(font);
    e->setPlainText(text);
    e->hide();
    ColourVisionFilter::sharedFilter().follow(e);
    return e;
}

void buildRows(ColourPanel* parent, std::array<ColourPanel*, 16>& row, const char* suffix, int firstX,
               int step, const QSize& size, int top)
{
    for (int k = 1; k <= 15; ++k) {
        const int x = firstX + step * (k - 1);
        const QByteArray name = "R" + QByteArray::number(k) + suffix;
        auto* p = makePanel(parent, name.constData(), QRect(QPoint(x, top), size));
        p->setTag(x);
        row[static_cast<std::size_t>(k)] = p;
    }
}

void buildSingleDisplay(MainWidgets& w)
{
    w.Anzeige_Normal = makePanel(w.Anzeige, "Anzeige_Normal", QRect(1, 1, 678, 360));
    setClientAligned(w.Anzeige_Normal, true);
    buildSmallFields(
        w.Anzeige_Normal,
        {&w.KleinRechts, &w.KleinLinks, &w.KleinMitte, {"KleinRechts", "KleinLinks", "KleinMitte"}},
        QRect(414, 210, 186, 91), QRect(72, 210, 186, 91), QRect(243, 66, 186, 91));
    const QString zweiZeilen = QStringLiteral("Testtext\n(re. Maustaste für Optionen)");
    const QRect feldText(4, 4, 173, 25);
    w.RichEdit1 = makeRichEdit(w.KleinRechts, "RichEdit1", 1, feldText, zweiZeilen);
    w.RichEdit2 = makeRichEdit(w.KleinLinks, "RichEdit2", 2, feldText, zweiZeilen);
    w.RichEdit3 = makeRichEdit(w.KleinMitte, "RichEdit3", 3, feldText, zweiZeilen);

    w.AnzeigeReihen = makePanel(w.Anzeige, "AnzeigeReihen", QRect(1, 1, 678, 360));
    buildRows(w.AnzeigeReihen, w.R, "", 4, 45, QSize(40, 116), 190);
    w.R[1]->setHint(QStringLiteral("4"));
    w.R[15]->setHint(QStringLiteral("634"));
}

void buildFixedDisplay(MainWidgets& w)
{
    w.FixedLinks = makePanel(w.Anzeige, "FixedLinks", QRect(1, 1, 339, 360));
    w.FixedRechts = makePanel(w.Anzeige, "FixedRechts", QRect(338, 1, 341, 360));
    const QRect right(185, 234, 130, 73), left(22, 234, 130, 73), centre(103, 126, 130, 73);
    buildSmallFields(w.FixedLinks,
                     {&w.FixedLinksKleinRechts,
                      &w.FixedLinksKleinLinks,
                      &w.FixedLinksKleinMitte,
                      {"FixedLinksKleinRechts", "FixedLinksKleinLinks", "FixedLinksKleinMitte"}},
                     right, left, centre);
    buildSmallFields(w.FixedRechts,
                     {&w.FixedKleinRechts,
                      &w.FixedKleinLinks,
                      &w.FixedKleinMitte,
                      {"FixedKleinRechts", "FixedKleinLinks", "FixedKleinMitte"}},
                     right, left, centre);
    const QString dreiZeilen = QStringLiteral("Testtext\n(re. Maustaste \nfür Optionen)");
    const QRect feldText(10, 5, 100, 52);
    w.RichEdit4 = makeRichEdit(w.FixedLinksKleinRechts, "RichEdit4", 4, feldText, dreiZeilen);
    w.RichEdit5 = makeRichEdit(w.FixedLinksKleinLinks, "RichEdit5", 5, feldText, dreiZeilen);
    w.RichEdit6 = makeRichEdit(w.FixedLinksKleinMitte, "RichEdit6", 6, feldText, dreiZeilen);

    w.AnzeigeFixedReihen = makePanel(w.Anzeige, "AnzeigeFixedReihen", QRect(1, 1, 678, 360));
    w.FixedLinksReihen = makePanel(w.AnzeigeFixedReihen, "FixedLinksReihen", QRect(0, 0, 339, 360));
    w.FixedRechtsReihen = makePanel(w.AnzeigeFixedReihen, "FixedRechtsReihen", QRect(339, 0, 339, 360));
    buildRows(w.FixedLinksReihen, w.RLi, "Li", 5, 22, QSize(20, 100), 210);
    buildRows(w.FixedRechtsReihen, w.RRe, "Re", 5, 22, QSize(20, 100), 210);
}

void buildWarning(MainWidgets& w, QWidget* panelHintergrund)
{
    w.Panel1 = makePanel(panelHintergrund, "Panel1", QRect(147, 283, 385, 100));
    w.Panel1->setBevel(ColourPanel::Bevel::raised);
    w.Panel1->setColour(QColor(255, 255, 225)); // an info-tip yellow stands out on any field colour
    w.Panel1->setFontColour(Qt::black);
    w.Label18 = new QLabel(
        QStringLiteral("Mindestens zwei kleine Felder haben die gleiche Farbe! Verringern Sie die Anzahl der "
                       "Felder oder erhöhen Sie den Winkelabstand oder ändern Sie die Helligkeit, bis diese "
                       "Meldung nicht mehr zu sehen ist. "),
        w.Panel1);
    w.Label18->setObjectName(QStringLiteral("Label18"));
    w.Label18->setWordWrap(true);
    w.Label18->setAlignment(Qt::AlignCenter);
    w.Label18->setGeometry(w.Panel1->innerRect().adjusted(8, 6, -8, -6));
    w.Panel1->hide();
}

} // namespace

void buildDisplay(MainWidgets& w, QWidget* panelHintergrund, QWidget* centralArea)
{
    w.Anzeige =
        makePanel(panelHintergrund, "Anzeige", QRect(0, design::displayTop, displayWidth, displayHeight));
    w.Anzeige->setBevel(ColourPanel::Bevel::lowered);
    buildSingleDisplay(w);
    buildFixedDisplay(w);
    buildWarning(w, panelHintergrund);

    w.PanelContainer1 = makePanel(centralArea, "PanelContainer1", QRect(0, 0, displayWidth, displayHeight));
    w.PanelContainer2 =
        makePanel(w.PanelContainer1, "PanelContainer2", QRect(0, 0, displayWidth, displayHeight));
    setClientAligned(w.PanelContainer2, true);
    w.PanelContainer1->hide();
}
