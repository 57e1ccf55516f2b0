#include "ui/shell/MainWidgetsBuild.h"

#include "ui/widgets/ColourPanel.h"
#include "ui/widgets/PictureBox.h"
#include "ui/widgets/StaticText.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

namespace
{

// Measures of a value row: one line per field, 18 pixels apart.
constexpr int rowSpacing = 18;
constexpr int textHeight = 17;
constexpr int swatchX = 20;
constexpr int swatchWidth = 30;
constexpr int swatchHeight = 9;
constexpr int numberWidth = 40;
constexpr int hexWidth = 72;
constexpr int textX[4] = {56, 100, 144, 188};
constexpr int rowWidth = 188 + hexWidth;

PictureBox* makeMarker(QWidget* parent, const char* name, int top)
{
    auto* box = new PictureBox(parent, QString::fromLatin1(name));
    box->setGeometry(0, top, 3, 4);
    return box;
}

// One field's line: swatch and the R, G, B and hex texts.
struct Zeile {
    ColourPanel** swatch;
    const char* swatchName;
    StaticText** textSet[4];
    const char* names[4];
};

void buildLine(ColourPanel* row, int index, const Zeile& z)
{
    const int y = index * rowSpacing;
    *z.swatch = makePanel(row, z.swatchName,
                          QRect(swatchX, y + (textHeight - swatchHeight) / 2, swatchWidth, swatchHeight));
    for (int i = 0; i < 4; ++i) {
        auto* t = new StaticText(row, QString::fromLatin1(z.names[i]), i == 3 ? hexWidth : numberWidth);
        t->setGeometry(textX[i], y, i == 3 ? hexWidth : numberWidth, textHeight);
        *z.textSet[i] = t;
    }
}

QRadioButton* makeRadio(QWidget* parent, const char* name, int index)
{
    auto* r = new QRadioButton(parent);
    r->setObjectName(QString::fromLatin1(name));
    r->setAutoExclusive(false); // the program checks and unchecks them one by one
    r->setGeometry(0, index * rowSpacing, 17, textHeight);
    r->setEnabled(false);
    return r;
}

QComboBox* makeCombo(QWidget* parent, const char* name, const QRect& geometry, const QStringList& items,
                     int index)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(QString::fromLatin1(name));
    c->addItems(items);
    c->setCurrentIndex(index);
    c->setGeometry(geometry);
    return c;
}

} // namespace

void buildBandStrip(MainWidgets& w, QWidget* panelHintergrund)
{
    w.Panel14 = makePanel(panelHintergrund, "Panel14", QRect(0, 0, 680, design::topBarHeight));
    w.Farbband = makePanel(w.Panel14, "Farbband", QRect(0, 0, 680, 73));
    w.PaintBox1 = makeMarker(w.Farbband, "PaintBox1", 0);
    w.Panel3 = makePanel(w.Farbband, "Panel3", QRect(1, 4, 678, 65));
    w.Panel2 = makePanel(w.Farbband, "Panel2", QRect(1, 4, 678, 65));
    w.Panel2->setCursor(Qt::CrossCursor);
    w.Panel2->hide();
    w.PaintBox2 = makeMarker(w.Farbband, "PaintBox2", 69);

    w.Image1 = new PictureBox(w.Panel3, QStringLiteral("Image1"));
    w.Image2 = new PictureBox(w.Panel3, QStringLiteral("Image2"));
    for (PictureBox* band : {w.Image1, w.Image2}) {
        band->setGeometry(0, 0, 678, 65);
        band->setCursor(Qt::CrossCursor);
    }
    w.Image2->raise(); // the realistic band lies on top at start
}

void buildValueRows(MainWidgets& w)
{
    w.WerteOben = makePanel(w.Panel14, "WerteOben", QRect(0, 77, rowWidth, 72));
    w.RadioButton1 = makeRadio(w.WerteOben, "RadioButton1", 0);
    w.RadioButton2 = makeRadio(w.WerteOben, "RadioButton2", 1);
    w.RadioButton3 = makeRadio(w.WerteOben, "RadioButton3", 2);
    w.RadioButton4 = makeRadio(w.WerteOben, "RadioButton4", 3);
    w.RadioButton1->setChecked(true);
    buildLine(w.WerteOben, 0,
              {&w.Panel4,
               "Panel4",
               {&w.SGrObR, &w.SGrObG, &w.SGrObB, &w.SGrObHex},
               {"SGrObR", "SGrObG", "SGrObB", "SGrObHex"}});
    buildLine(w.WerteOben, 1,
              {&w.Panel5,
               "Panel5",
               {&w.SKlObLiR, &w.SKlObLiG, &w.SKlObLiB, &w.SKlObLiHex},
               {"SKlObLiR", "SKlObLiG", "SKlObLiB", "SKlObLiHex"}});
    buildLine(w.WerteOben, 2,
              {&w.Panel6,
               "Panel6",
               {&w.SKlObMiR, &w.SKlObMiG, &w.SKlObMiB, &w.SKlObMiHex},
               {"SKlObMiR", "SKlObMiG", "SKlObMiB", "SKlObMiHex"}});
    buildLine(w.WerteOben, 3,
              {&w.Panel7,
               "Panel7",
               {&w.SKlObR, &w.SKlObG, &w.SKlObB, &w.SKlObHex},
               {"SKlObR", "SKlObG", "SKlObB", "SKlObHex"}});

    w.ComboPanel = makePanel(w.Panel14, "ComboPanel",
                             QRect(680 - design::comboPanelWidth, 84, design::comboPanelWidth, 60));
    w.ComboBox1 =
        makeCombo(w.ComboPanel, "ComboBox1", QRect(0, 0, design::comboPanelWidth, 24),
                  {QStringLiteral("3 Felder"), QStringLiteral("5 Felder"), QStringLiteral("7 Felder"),
                   QStringLiteral("9 Felder"), QStringLiteral("11 Felder"), QStringLiteral("13 Felder"),
                   QStringLiteral("15 Felder")},
                  3);
    w.ComboBox1->setMaxVisibleItems(8);
    w.ComboBox1->setEnabled(false);
    w.Button1 = new QPushButton(QStringLiteral("Zwischendaten"), w.ComboPanel);
    w.Button1->setObjectName(QStringLiteral("Button1"));
    w.Button1->setGeometry(0, 32, design::comboPanelWidth, 26);
    w.Button1->setEnabled(false);

    w.Panel15 = makePanel(w.panelHintergrund, "Panel15",
                          QRect(0, 640 - design::bottomBarHeight, 680, design::bottomBarHeight));
    w.WerteUnten = makePanel(w.Panel15, "WerteUnten", QRect(0, 4, rowWidth, 72));
    buildLine(w.WerteUnten, 0,
              {&w.Panel8,
               "Panel8",
               {&w.SGrUnR, &w.SGrUnG, &w.SGrUnB, &w.SGrUnHex},
               {"SGrUnR", "SGrUnG", "SGrUnB", "SGrUnHex"}});
    buildLine(w.WerteUnten, 1,
              {&w.Panel9,
               "Panel9",
               {&w.SKlUnLiR, &w.SKlUnLiG, &w.SKlUnLiB, &w.SKlUnLiHex},
               {"SKlUnLiR", "SKlUnLiG", "SKlUnLiB", "SKlUnLiHex"}});
    buildLine(w.WerteUnten, 2,
              {&w.Panel10,
               "Panel10",
               {&w.SKlUnMiR, &w.SKlUnMiG, &w.SKlUnMiB, &w.SKlUnMiHex},
               {"SKlUnMiR", "SKlUnMiG", "SKlUnMiB", "SKlUnMiHex"}});
    buildLine(w.WerteUnten, 3,
              {&w.Panel11,
               "Panel11",
               {&w.SKlUnR, &w.SKlUnG, &w.SKlUnB, &w.SKlUnHex},
               {"SKlUnR", "SKlUnG", "SKlUnB", "SKlUnHex"}});
    for (ColourPanel* swatch : {w.Panel8, w.Panel9, w.Panel10, w.Panel11})
        swatch->hide(); // the lower row is in use only while a combination is fixed

    w.ComboBox2 =
        makeCombo(w.Panel15, "ComboBox2", QRect(680 - design::comboBox2Width, 8, design::comboBox2Width, 24),
                  {QStringLiteral("Hintergrund: Standard"), QStringLiteral("Hintergrund: Weiß"),
                   QStringLiteral("Hintergrund: Grau"), QStringLiteral("Hintergrund: Schwarz")},
                  0);
    w.ComboBox2->setToolTip(QStringLiteral("Hintergrund-Helligkeit"));
}
