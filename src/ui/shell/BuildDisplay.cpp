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
    w.fields.Anzeige_Normal = makePanel(w.fields.Anzeige, "Anzeige_Normal", QRect(1, 1, 678, 360));
    setClientAligned(w.fields.Anzeige_Normal, true);
    buildSmallFields(w.fields.Anzeige_Normal,
                     {&w.fields.KleinRechts,
                      &w.fields.KleinLinks,
                      &w.fields.KleinMitte,
                      {"KleinRechts", "KleinLinks", "KleinMitte"}},
                     QRect(414, 210, 186, 91), QRect(72, 210, 186, 91), QRect(243, 66, 186, 91));
    const QString zweiZeilen = QStringLiteral("Testtext\n(re. Maustaste für Optionen)");
    const QRect feldText(4, 4, 173, 25);
    w.fields.RichEdit1 = makeRichEdit(w.fields.KleinRechts, "RichEdit1", 1, feldText, zweiZeilen);
    w.fields.RichEdit2 = makeRichEdit(w.fields.KleinLinks, "RichEdit2", 2, feldText, zweiZeilen);
    w.fields.RichEdit3 = makeRichEdit(w.fields.KleinMitte, "RichEdit3", 3, feldText, zweiZeilen);

    w.fields.AnzeigeReihen = makePanel(w.fields.Anzeige, "AnzeigeReihen", QRect(1, 1, 678, 360));
    buildRows(w.fields.AnzeigeReihen, w.fields.R, "", 4, 45, QSize(40, 116), 190);
    w.fields.R[1]->setHint(QStringLiteral("4"));
    w.fields.R[15]->setHint(QStringLiteral("634"));
}

void buildFixedDisplay(MainWidgets& w)
{
    w.fields.FixedLinks = makePanel(w.fields.Anzeige, "FixedLinks", QRect(1, 1, 339, 360));
    w.fields.FixedRechts = makePanel(w.fields.Anzeige, "FixedRechts", QRect(338, 1, 341, 360));
    const QRect right(185, 234, 130, 73), left(22, 234, 130, 73), centre(103, 126, 130, 73);
    buildSmallFields(w.fields.FixedLinks,
                     {&w.fields.FixedLinksKleinRechts,
                      &w.fields.FixedLinksKleinLinks,
                      &w.fields.FixedLinksKleinMitte,
                      {"FixedLinksKleinRechts", "FixedLinksKleinLinks", "FixedLinksKleinMitte"}},
                     right, left, centre);
    buildSmallFields(w.fields.FixedRechts,
                     {&w.fields.FixedKleinRechts,
                      &w.fields.FixedKleinLinks,
                      &w.fields.FixedKleinMitte,
                      {"FixedKleinRechts", "FixedKleinLinks", "FixedKleinMitte"}},
                     right, left, centre);
    const QString dreiZeilen = QStringLiteral("Testtext\n(re. Maustaste \nfür Optionen)");
    const QRect feldText(10, 5, 100, 52);
    w.fields.RichEdit4 = makeRichEdit(w.fields.FixedLinksKleinRechts, "RichEdit4", 4, feldText, dreiZeilen);
    w.fields.RichEdit5 = makeRichEdit(w.fields.FixedLinksKleinLinks, "RichEdit5", 5, feldText, dreiZeilen);
    w.fields.RichEdit6 = makeRichEdit(w.fields.FixedLinksKleinMitte, "RichEdit6", 6, feldText, dreiZeilen);

    w.fields.AnzeigeFixedReihen = makePanel(w.fields.Anzeige, "AnzeigeFixedReihen", QRect(1, 1, 678, 360));
    w.fields.FixedLinksReihen =
        makePanel(w.fields.AnzeigeFixedReihen, "FixedLinksReihen", QRect(0, 0, 339, 360));
    w.fields.FixedRechtsReihen =
        makePanel(w.fields.AnzeigeFixedReihen, "FixedRechtsReihen", QRect(339, 0, 339, 360));
    buildRows(w.fields.FixedLinksReihen, w.fields.RLi, "Li", 5, 22, QSize(20, 100), 210);
    buildRows(w.fields.FixedRechtsReihen, w.fields.RRe, "Re", 5, 22, QSize(20, 100), 210);
}

void buildWarning(MainWidgets& w, QWidget* panelHintergrund)
{
    w.warning.Panel1 = makePanel(panelHintergrund, "Panel1", QRect(147, 283, 385, 100));
    w.warning.Panel1->setBevel(ColourPanel::Bevel::raised);
    w.warning.Panel1->setColour(QColor(255, 255, 225)); // an info-tip yellow stands out on any field colour
    w.warning.Panel1->setFontColour(Qt::black);
    w.warning.Label18 = new QLabel(
        QStringLiteral("Mindestens zwei kleine Felder haben die gleiche Farbe! Verringern Sie die Anzahl der "
                       "Felder oder erhöhen Sie den Winkelabstand oder ändern Sie die Helligkeit, bis diese "
                       "Meldung nicht mehr zu sehen ist. "),
        w.warning.Panel1);
    w.warning.Label18->setObjectName(QStringLiteral("Label18"));
    w.warning.Label18->setWordWrap(true);
    w.warning.Label18->setAlignment(Qt::AlignCenter);
    w.warning.Label18->setGeometry(w.warning.Panel1->innerRect().adjusted(8, 6, -8, -6));
    w.warning.Panel1->hide();
}

} // namespace

void buildDisplay(MainWidgets& w, QWidget* panelHintergrund, QWidget* centralArea)
{
    w.fields.Anzeige =
        makePanel(panelHintergrund, "Anzeige", QRect(0, design::displayTop, displayWidth, displayHeight));
    w.fields.Anzeige->setBevel(ColourPanel::Bevel::lowered);
    buildSingleDisplay(w);
    buildFixedDisplay(w);
    buildWarning(w, panelHintergrund);

    w.fields.PanelContainer1 =
        makePanel(centralArea, "PanelContainer1", QRect(0, 0, displayWidth, displayHeight));
    w.fields.PanelContainer2 =
        makePanel(w.fields.PanelContainer1, "PanelContainer2", QRect(0, 0, displayWidth, displayHeight));
    setClientAligned(w.fields.PanelContainer2, true);
    w.fields.PanelContainer1->hide();
}
