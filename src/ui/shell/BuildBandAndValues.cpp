#include "ui/shell/MainWidgetsBuild.h"

#include "ui/widgets/ColourPanel.h"
#include "ui/widgets/PictureBox.h"
#include "ui/widgets/StaticText.h"

#include <QComboBox>
#include <QEvent>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace
{

constexpr int buttonHeight = 26;
constexpr int buttonTop = 32;

// The row controls' panel grows to the left when the button's caption needs
// more room than the design gives it: another language, font or style.
void fitCaption(QPushButton* button)
{
    QWidget* panel = button->parentWidget();
    const QSize wanted = button->sizeHint();
    const int width = std::max(design::comboPanelWidth, wanted.width());
    const int height = std::max(buttonHeight, wanted.height());
    const int right = panel->x() + panel->width();
    panel->setGeometry(right - width, panel->y(), width, std::max(panel->height(), buttonTop + height));
    for (QWidget* child : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->resize(width, child == button ? height : child->height());
}

// Refits whenever the caption's measure may have changed; a new text reaches
// the panel as a layout request.
class CaptionFit : public QObject
{
public:
    explicit CaptionFit(QPushButton* button) : QObject(button), m_button(button)
    {
        button->installEventFilter(this);
        button->parentWidget()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::FontChange:
        case QEvent::StyleChange:
        case QEvent::Show:
        case QEvent::LayoutRequest:
            fitCaption(m_button);
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPushButton* m_button;
};

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
    w.regions.Panel14 = makePanel(panelHintergrund, "Panel14", QRect(0, 0, 680, design::topBarHeight));
    w.band.Farbband = makePanel(w.regions.Panel14, "Farbband", QRect(0, 0, 680, 73));
    w.band.PaintBox1 = makeMarker(w.band.Farbband, "PaintBox1", 0);
    w.band.Panel3 = makePanel(w.band.Farbband, "Panel3", QRect(1, 4, 678, 65));
    w.band.Panel2 = makePanel(w.band.Farbband, "Panel2", QRect(1, 4, 678, 65));
    w.band.Panel2->setCursor(Qt::CrossCursor);
    w.band.Panel2->hide();
    w.band.PaintBox2 = makeMarker(w.band.Farbband, "PaintBox2", 69);

    w.band.Image1 = new PictureBox(w.band.Panel3, QStringLiteral("Image1"));
    w.band.Image2 = new PictureBox(w.band.Panel3, QStringLiteral("Image2"));
    for (PictureBox* band : {w.band.Image1, w.band.Image2}) {
        band->setGeometry(0, 0, 678, 65);
        band->setCursor(Qt::CrossCursor);
    }
    w.band.Image2->raise(); // the realistic band lies on top at start
}

void buildValueRows(MainWidgets& w)
{
    w.values.WerteOben = makePanel(w.regions.Panel14, "WerteOben", QRect(0, 77, rowWidth, 72));
    w.choice.RadioButton1 = makeRadio(w.values.WerteOben, "RadioButton1", 0);
    w.choice.RadioButton2 = makeRadio(w.values.WerteOben, "RadioButton2", 1);
    w.choice.RadioButton3 = makeRadio(w.values.WerteOben, "RadioButton3", 2);
    w.choice.RadioButton4 = makeRadio(w.values.WerteOben, "RadioButton4", 3);
    w.choice.RadioButton1->setChecked(true);
    buildLine(w.values.WerteOben, 0,
              {&w.values.Panel4,
               "Panel4",
               {&w.values.SGrObR, &w.values.SGrObG, &w.values.SGrObB, &w.values.SGrObHex},
               {"SGrObR", "SGrObG", "SGrObB", "SGrObHex"}});
    buildLine(w.values.WerteOben, 1,
              {&w.values.Panel5,
               "Panel5",
               {&w.values.SKlObLiR, &w.values.SKlObLiG, &w.values.SKlObLiB, &w.values.SKlObLiHex},
               {"SKlObLiR", "SKlObLiG", "SKlObLiB", "SKlObLiHex"}});
    buildLine(w.values.WerteOben, 2,
              {&w.values.Panel6,
               "Panel6",
               {&w.values.SKlObMiR, &w.values.SKlObMiG, &w.values.SKlObMiB, &w.values.SKlObMiHex},
               {"SKlObMiR", "SKlObMiG", "SKlObMiB", "SKlObMiHex"}});
    buildLine(w.values.WerteOben, 3,
              {&w.values.Panel7,
               "Panel7",
               {&w.values.SKlObR, &w.values.SKlObG, &w.values.SKlObB, &w.values.SKlObHex},
               {"SKlObR", "SKlObG", "SKlObB", "SKlObHex"}});

    w.rowControls.ComboPanel =
        makePanel(w.regions.Panel14, "ComboPanel",
                  QRect(680 - design::comboPanelWidth, 84, design::comboPanelWidth, 60));
    w.rowControls.ComboBox1 =
        makeCombo(w.rowControls.ComboPanel, "ComboBox1", QRect(0, 0, design::comboPanelWidth, 24),
                  {QStringLiteral("3 Felder"), QStringLiteral("5 Felder"), QStringLiteral("7 Felder"),
                   QStringLiteral("9 Felder"), QStringLiteral("11 Felder"), QStringLiteral("13 Felder"),
                   QStringLiteral("15 Felder")},
                  3);
    w.rowControls.ComboBox1->setMaxVisibleItems(8);
    w.rowControls.ComboBox1->setEnabled(false);
    w.rowControls.Button1 = new QPushButton(QStringLiteral("Zwischendaten"), w.rowControls.ComboPanel);
    w.rowControls.Button1->setObjectName(QStringLiteral("Button1"));
    w.rowControls.Button1->setGeometry(0, buttonTop, design::comboPanelWidth, buttonHeight);
    w.rowControls.Button1->setEnabled(false);
    new CaptionFit(w.rowControls.Button1);

    w.regions.Panel15 = makePanel(w.regions.panelHintergrund, "Panel15",
                                  QRect(0, 640 - design::bottomBarHeight, 680, design::bottomBarHeight));
    w.values.WerteUnten = makePanel(w.regions.Panel15, "WerteUnten", QRect(0, 4, rowWidth, 72));
    buildLine(w.values.WerteUnten, 0,
              {&w.values.Panel8,
               "Panel8",
               {&w.values.SGrUnR, &w.values.SGrUnG, &w.values.SGrUnB, &w.values.SGrUnHex},
               {"SGrUnR", "SGrUnG", "SGrUnB", "SGrUnHex"}});
    buildLine(w.values.WerteUnten, 1,
              {&w.values.Panel9,
               "Panel9",
               {&w.values.SKlUnLiR, &w.values.SKlUnLiG, &w.values.SKlUnLiB, &w.values.SKlUnLiHex},
               {"SKlUnLiR", "SKlUnLiG", "SKlUnLiB", "SKlUnLiHex"}});
    buildLine(w.values.WerteUnten, 2,
              {&w.values.Panel10,
               "Panel10",
               {&w.values.SKlUnMiR, &w.values.SKlUnMiG, &w.values.SKlUnMiB, &w.values.SKlUnMiHex},
               {"SKlUnMiR", "SKlUnMiG", "SKlUnMiB", "SKlUnMiHex"}});
    buildLine(w.values.WerteUnten, 3,
              {&w.values.Panel11,
               "Panel11",
               {&w.values.SKlUnR, &w.values.SKlUnG, &w.values.SKlUnB, &w.values.SKlUnHex},
               {"SKlUnR", "SKlUnG", "SKlUnB", "SKlUnHex"}});
    for (ColourPanel* swatch : {w.values.Panel8, w.values.Panel9, w.values.Panel10, w.values.Panel11})
        swatch->hide(); // the lower row is in use only while a combination is fixed

    w.regions.ComboBox2 = makeCombo(
        w.regions.Panel15, "ComboBox2", QRect(680 - design::comboBox2Width, 8, design::comboBox2Width, 24),
        {QStringLiteral("Hintergrund: Standard"), QStringLiteral("Hintergrund: Weiß"),
         QStringLiteral("Hintergrund: Grau"), QStringLiteral("Hintergrund: Schwarz")},
        0);
    w.regions.ComboBox2->setToolTip(QStringLiteral("Hintergrund-Helligkeit"));
}
