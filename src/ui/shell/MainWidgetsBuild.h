#pragma once

// The parts of the widget tree, each built by its own function. Internal to
// the window's construction.

#include "ui/widgets/MainWidgets.h"

#include <QRect>
#include <QString>

class ColourPanel;

namespace design
{
// The normal layout's fixed measures (pixels).
inline constexpr int outerMargin = 4;        // margin round the regions
inline constexpr int rightColumnWidth = 292; // width of panelBG
inline constexpr int columnGap = 8;
inline constexpr int topBarHeight = 150;   // Panel14
inline constexpr int displayTop = 152;     // top of Anzeige
inline constexpr int bottomBarHeight = 80; // Panel15
inline constexpr int comboPanelWidth = 93; // clear of the right column in the compact layout
inline constexpr int comboBox2Width = 180;
} // namespace design

ColourPanel* makePanel(QWidget* parent, const char* name, const QRect& geometry);

void buildBandStrip(MainWidgets& w, QWidget* panelHintergrund);
void buildValueRows(MainWidgets& w);
void buildDisplay(MainWidgets& w, QWidget* panelHintergrund, QWidget* centralArea);
void buildLightDarkField(MainWidgets& w, QWidget* panelBG);
void buildAngleBox(MainWidgets& w, QWidget* panelBG);
