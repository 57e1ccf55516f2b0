#pragma once

#include <QIcon>
#include <QObject>

class QToolBar;

// Which of the two renderings of the action icons: dark outlines for a light tool bar,
// light outlines for a dark one.
enum class IconShade { forLightBackground, forDarkBackground };

// The icon of an image index, from the PNGs rendered at build time (16 and 24 pixels
// and twice that for high-density screens); a null icon for an index without one.
QIcon actionIcon(int imageIndex, IconShade shade);
// The shade that keeps the icons readable on a widget of this window colour.
IconShade shadeFor(const QColor& windowColour);
// The program's own icon (window, about box).
QIcon programIcon();

// Keeps the icons of the tool bar's window's actions in the shade its palette needs,
// at start and whenever the palette changes (a desktop switching to a dark theme).
class ActionIconShading : public QObject
{
public:
    explicit ActionIconShading(QToolBar& toolBar);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void apply();

    QToolBar& m_toolBar;
    bool m_applied = false;
    IconShade m_shade = IconShade::forLightBackground;
};
