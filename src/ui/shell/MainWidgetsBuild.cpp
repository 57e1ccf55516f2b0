#include "ui/shell/MainWidgetsBuild.h"

#include "core/language/ControlTexts.h"
#include "ui/widgets/ColourPanel.h"
#include "ui/widgets/StaticText.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>
#include <QTimer>

ColourPanel* makePanel(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* p = new ColourPanel(parent, QString::fromLatin1(name));
    p->setGeometry(geometry);
    return p;
}

namespace
{

void buildStatusBar(QMainWindow& form, MainWidgets& w)
{
    w.furniture.StatusBar1 = new QStatusBar(&form);
    w.furniture.StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    w.furniture.StatusBar1->setSizeGripEnabled(true);
    w.furniture.statusPanel0 = new QLabel(QStringLiteral("  Zweier-Harmonie"), w.furniture.StatusBar1);
    w.furniture.statusPanel0->setObjectName(QString::fromLatin1(statusPanel0Name));
    w.furniture.statusPanel0->setMinimumWidth(180);
    w.furniture.statusPanel1 = new QLabel(QStringLiteral("Große Fläche ausgewählt"), w.furniture.StatusBar1);
    w.furniture.statusPanel1->setObjectName(QString::fromLatin1(statusPanel1Name));
    w.furniture.StatusBar1->addWidget(w.furniture.statusPanel0);
    w.furniture.StatusBar1->addWidget(w.furniture.statusPanel1, 1);
    form.setStatusBar(w.furniture.StatusBar1);
}

void buildValuePopup(QMainWindow& form, MainWidgets& w)
{
    w.furniture.PopupMenu1a = new QMenu(&form);
    w.furniture.PopupMenu1a->setObjectName(QStringLiteral("PopupMenu1a"));
    w.furniture.Kopieren1a = w.furniture.PopupMenu1a->addAction(QStringLiteral("Kopieren"));
    w.furniture.Kopieren1a->setObjectName(QStringLiteral("Kopieren1a"));
    w.furniture.Kopieren1a->setEnabled(false); // enabled once a value text is picked
}

void buildTimer(QMainWindow& form, MainWidgets& w)
{
    w.furniture.Timer2 = new QTimer(&form);
    w.furniture.Timer2->setObjectName(QStringLiteral("Timer2"));
    w.furniture.Timer2->setSingleShot(false); // its handler stops it, as the recolouring expects
}

} // namespace

void buildMainWidgets(QMainWindow& form, MainWidgets& w)
{
    w.regions.centralArea = new ColourPanel(&form, QStringLiteral("centralArea"));
    form.setCentralWidget(w.regions.centralArea);

    using namespace design;
    w.regions.panelHintergrund =
        makePanel(w.regions.centralArea, "panelHintergrund", QRect(outerMargin, outerMargin, 680, 640));
    w.regions.panelBG = makePanel(w.regions.centralArea, "panelBG",
                                  QRect(outerMargin + 680 + columnGap, outerMargin, rightColumnWidth, 640));

    buildBandStrip(w, w.regions.panelHintergrund);
    buildValueRows(w);
    buildDisplay(w, w.regions.panelHintergrund, w.regions.centralArea);
    buildLightDarkField(w, w.regions.panelBG);
    buildAngleBox(w, w.regions.panelBG);

    buildStatusBar(form, w);
    buildValuePopup(form, w);
    buildTimer(form, w);
}

void placeRegions(MainWidgets& w)
{
    using namespace design;
    const QSize c = w.regions.centralArea->size();
    const int left = outerMargin;
    const int bgLinks = std::max(c.width() - outerMargin - rightColumnWidth, left + 680 + columnGap);
    const int breite = bgLinks - columnGap - left;
    const int fullHeight = std::max(c.height() - 2 * outerMargin, displayTop + bottomBarHeight + 100);

    w.regions.panelHintergrund->setGeometry(left, outerMargin, breite, fullHeight);
    w.regions.panelBG->setGeometry(bgLinks, outerMargin, rightColumnWidth, fullHeight);

    w.regions.Panel14->resize(breite, topBarHeight);
    w.rowControls.ComboPanel->move(breite - w.rowControls.ComboPanel->width(), w.rowControls.ComboPanel->y());

    w.regions.Panel15->setGeometry(0, fullHeight - bottomBarHeight, breite, bottomBarHeight);
    w.regions.ComboBox2->move(breite - comboBox2Width, w.regions.ComboBox2->y());

    const int displayHeight = w.regions.Panel15->y() - displayTop;
    w.warning.Panel1->move((breite - w.warning.Panel1->width()) / 2,
                           displayTop + std::max(0, (displayHeight - w.warning.Panel1->height()) / 2));
}

std::array<StaticText*, 32> ValueRowWidgets::valueTexts() const
{
    return {SGrObR,   SGrObG,   SGrObB,   SGrObHex,   SKlObLiR, SKlObLiG, SKlObLiB, SKlObLiHex,
            SKlObMiR, SKlObMiG, SKlObMiB, SKlObMiHex, SKlObR,   SKlObG,   SKlObB,   SKlObHex,
            SGrUnR,   SGrUnG,   SGrUnB,   SGrUnHex,   SKlUnLiR, SKlUnLiG, SKlUnLiB, SKlUnLiHex,
            SKlUnMiR, SKlUnMiG, SKlUnMiB, SKlUnMiHex, SKlUnR,   SKlUnG,   SKlUnB,   SKlUnHex};
}

std::vector<QWidget*> FieldWidgets::clickableFields() const
{
    std::vector<QWidget*> fields{
        Anzeige_Normal,       KleinRechts,          KleinLinks,      FixedRechts, FixedKleinRechts,
        FixedKleinLinks,      KleinMitte,           FixedKleinMitte, FixedLinks,  FixedLinksKleinRechts,
        FixedLinksKleinLinks, FixedLinksKleinMitte, AnzeigeReihen};
    for (int n = 1; n <= 15; ++n) {
        if (n == 8)
            continue; // the centre of a row selects nothing
        const auto i = static_cast<std::size_t>(n);
        fields.push_back(R[i]);
        fields.push_back(RRe[i]);
        fields.push_back(RLi[i]);
    }
    fields.push_back(FixedRechtsReihen);
    fields.push_back(FixedLinksReihen);
    return fields;
}
