#include "ui/shell/MainWidgetsBuild.h"

#include "core/colour/AnglePicture.h"
#include "ui/widgets/ColourPanel.h"
#include "ui/widgets/MarkColours.h"
#include "ui/widgets/PictureBox.h"

#include <QComboBox>
#include <QLabel>
#include <QSlider>

namespace
{

constexpr int fieldWidth = 257; // the light/dark field
constexpr int fieldHeight = 256;

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QPoint& at)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->move(at);
    l->adjustSize();
    return l;
}

void colourText(QLabel* label, const QColor& colour)
{
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
}

ColourPanel* makeLine(QWidget* parent, const char* name, const QRect& geometry, const QColor& colour)
{
    auto* line = makePanel(parent, name, geometry);
    line->setColour(colour);
    return line;
}

// A frame line that stays visible on `ground`'s background in any palette.
ColourPanel* makeFrameLine(QWidget* parent, const char* name, const QRect& geometry, const QColor& colour,
                           QWidget* ground)
{
    auto* line = makeLine(parent, name, geometry, colour);
    new LegibleMark(line, ground, colour);
    return line;
}

QSlider* makeTrackBar(QWidget* parent, const char* name, int position, const QRect& geometry)
{
    auto* t = new QSlider(Qt::Horizontal, parent);
    t->setObjectName(QString::fromLatin1(name));
    t->setRange(0, maxAngleDistance);
    t->setValue(position);
    t->setPageStep(2);
    t->setTickPosition(QSlider::TicksBelow);
    t->setTickInterval(9);
    t->setGeometry(geometry);
    t->setEnabled(false);
    return t;
}

void buildLegend(MainWidgets& w)
{
    w.legend.Panel12 = makePanel(w.angle.Panel13, "Panel12", QRect(24, 170, 197, 58));
    struct Eintrag {
        ColourPanel** swatch;
        const char* swatchName;
        QLabel** label;
        const char* labelName;
        const char* text;
        QPoint at;
    };
    const Eintrag entryItems[] = {
        {&w.legend.Panel16, "Panel16", &w.legend.Label11, "Label11", "0°", {4, 8}},
        {&w.legend.Panel19, "Panel19", &w.legend.Label14, "Label14", "180°", {100, 8}},
        {&w.legend.Panel17, "Panel17", &w.legend.Label12, "Label12", "100°", {4, 32}},
        {&w.legend.Panel18, "Panel18", &w.legend.Label13, "Label13", "100°", {100, 32}},
    };
    for (const Eintrag& e : entryItems) {
        *e.swatch = makePanel(w.legend.Panel12, e.swatchName, QRect(e.at, QSize(14, 14)));
        (*e.swatch)->setBevel(ColourPanel::Bevel::lowered);
        *e.label = makeLabel(w.legend.Panel12, e.labelName, QString::fromUtf8(e.text), e.at + QPoint(20, -1));
        (*e.label)->resize(70, 16);
    }
    w.legend.Panel12->hide();
}

} // namespace

void buildLightDarkField(MainWidgets& w, QWidget* panelBG)
{
    w.lightDark.HellDunkelGrau = makePanel(panelBG, "HellDunkelGrau", QRect(10, 0, 271, 270));
    w.lightDark.flaechenanzeigeFarbe =
        makePanel(w.lightDark.HellDunkelGrau, "flaechenanzeigeFarbe", QRect(7, 4, fieldWidth, fieldHeight));

    auto* f = w.lightDark.flaechenanzeigeFarbe;
    w.lightDark.Image3 = new PictureBox(f, QStringLiteral("Image3"));
    w.lightDark.Image3->setGeometry(1, 1, 255, 254);
    w.lightDark.KreuzV = makeLine(f, "KreuzV", QRect(0, 0, 1, fieldHeight), Qt::black);
    w.lightDark.KreuzH = makeLine(f, "KreuzH", QRect(0, 0, fieldWidth, 1), Qt::black);
    // The frame parts the field from the background round it.
    const QColor frame(64, 64, 64);
    QWidget* ground = w.lightDark.HellDunkelGrau;
    w.lightDark.Image4 = makeFrameLine(f, "Image4", QRect(0, 0, 1, fieldHeight), frame, ground);
    w.lightDark.Image5 = makeFrameLine(f, "Image5", QRect(0, 0, fieldWidth, 1), frame, ground);
    w.lightDark.Image6 = makeFrameLine(f, "Image6", QRect(fieldWidth - 1, 0, 1, fieldHeight), frame, ground);
    w.lightDark.Image7 = makeFrameLine(f, "Image7", QRect(0, fieldHeight - 1, fieldWidth, 1), frame, ground);

    w.lightDark.Label1 = makeLabel(f, "Label1", QStringLiteral("0 %"), QPoint(3, 1));
    colourText(w.lightDark.Label1, Qt::black);
    setAutoSized(w.lightDark.Label1, AutoSize::keepLeft);
    w.lightDark.Label2 = makeLabel(f, "Label2", QStringLiteral("0 %"), QPoint(0, 237));
    w.lightDark.Label2->move(fieldWidth - 4 - w.lightDark.Label2->width(), w.lightDark.Label2->y());
    w.lightDark.Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    colourText(w.lightDark.Label2, Qt::white);
    setAutoSized(w.lightDark.Label2, AutoSize::keepRight);

    w.lightDark.PaintBox3 = new PictureBox(f, QStringLiteral("PaintBox3"));
    w.lightDark.PaintBox3->setGeometry(0, 0, fieldWidth, fieldHeight);
    w.lightDark.PaintBox3->setCursor(Qt::CrossCursor);
}

void buildAngleBox(MainWidgets& w, QWidget* panelBG)
{
    w.angle.Panel13 = makePanel(panelBG, "Panel13", QRect(0, 276, design::rightColumnWidth, 263));
    w.angle.PaintBox5 = makePanel(w.angle.Panel13, "PaintBox5", QRect(0, 0, 8, 263));
    w.angle.PaintBox6 = makePanel(w.angle.Panel13, "PaintBox6", QRect(0, 0, design::rightColumnWidth, 6));

    w.angle.ComboBox3 = new QComboBox(w.angle.Panel13);
    w.angle.ComboBox3->setObjectName(QStringLiteral("ComboBox3"));
    w.angle.ComboBox3->addItems({QStringLiteral("Winkel Typ 1"), QStringLiteral("Winkel Typ 2")});
    w.angle.ComboBox3->setCurrentIndex(0);
    w.angle.ComboBox3->setGeometry(71, 6, 150, 24);
    w.angle.ComboBox3->setEnabled(false);

    const QPoint picture(85, 39);
    w.angle.ImageWW = new PictureBox(w.angle.Panel13, QStringLiteral("ImageWW"));
    w.angle.ImageWW->setGeometry(QRect(picture, QSize(anglePictureSize, anglePictureSize)));
    const QColor frame(128, 128, 128);
    QWidget* ground = w.angle.Panel13;
    w.angle.Image8 = makeFrameLine(w.angle.Panel13, "Image8", QRect(picture.x() - 1, picture.y() - 1, 1, 125),
                                   frame, ground);
    w.angle.Image9 = makeFrameLine(
        w.angle.Panel13, "Image9",
        QRect(picture.x() + anglePictureSize, picture.y() - 1, 1, anglePictureSize + 2), frame, ground);
    w.angle.Image10 = makeFrameLine(w.angle.Panel13, "Image10",
                                    QRect(picture.x() - 1, picture.y() - 1, 125, 1), frame, ground);
    w.angle.Image11 = makeFrameLine(
        w.angle.Panel13, "Image11",
        QRect(picture.x() - 1, picture.y() + anglePictureSize, anglePictureSize + 2, 1), frame, ground);

    w.angle.TrackBar3 = makeTrackBar(w.angle.Panel13, "TrackBar3", 34, QRect(24, 170, 200, 28));
    w.angle.TrackBar2 = makeTrackBar(w.angle.Panel13, "TrackBar2", 40, QRect(24, 200, 200, 28));
    const QString hint = QStringLiteral("Winkelabstand in Grad");
    w.angle.WinkelU = makeLabel(w.angle.Panel13, "WinkelU", QString(), QPoint(228, 176));
    w.angle.WinkelO = makeLabel(w.angle.Panel13, "WinkelO", QString(), QPoint(228, 206));
    for (QLabel* l : {w.angle.WinkelU, w.angle.WinkelO}) {
        l->resize(56, 16);
        l->setToolTip(hint);
        l->hide();
    }
    buildLegend(w);
}
