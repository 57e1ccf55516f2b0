#pragma once

#include "core/state/ColourDocument.h"

#include "ui/widgets/MainWidgets.h"

#include "core/colour/LightDark.h"

#include <QObject>
#include <QScopedValueRollback>

#include <memory>

class QMouseEvent;
class QKeyEvent;
class KeyGesture;
class DisplayHost;
class PanelHold;

// The light/dark field on the window: cross-hair, percentages, colour and
// the mouse handling that sets the selected field's amounts.
class LightDarkField : public QObject
{
public:
    // The widgets this part draws or reads; no others.
    struct Widgets {
        LightDarkWidgets& lightDark;
    };

    LightDarkField(DisplayHost& host, Widgets widgets, const PanelHold& panels);
    ~LightDarkField() override;
    void connectWidgets();
    // Its share of the render pass.
    void follow(Changes was);

    void PaintBox3MouseDown(int x, int y);
    void PaintBox3MouseMove(int x, int y);
    void PaintBox3MouseUp();

    void bewegeHellDunkel(int x, int y);
    void hellDunkelEinfaerben(int slotR, int slotG, int slotB);
    // The cross-hair at the selected field's point.
    void showCrossHair();
    // Label1 and Label2 from the selected field's amounts.
    void showPercentages();
    // Overlay, colour and percentages as the hidden band has them, or back.
    void showBandHidden(bool hidden);

    // A drag in the field is under way, with the pointer hidden inside it.
    bool mouseHeld() const { return hdMausUnten; }
    bool cursorHidden() const { return hdCursorVersteckt; }
    // The field keeps its colour until the returned guard ends: several fields
    // are selected in turn, or a file is read, and only the last choice shows.
    bool colourHeld() const { return m_colourHeld; }
    [[nodiscard]] QScopedValueRollback<bool> holdColour()
    {
        return QScopedValueRollback<bool>(m_colourHeld, true);
    }

protected:
    // The arrow keys on the field.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void mouseInput(QMouseEvent* event);
    bool arrowKey(const QKeyEvent* event);
    void showCursor(bool present);
    void colourCrossHair();

    DisplayHost& m_host;

    Widgets m_w;
    const PanelHold& m_panels;
    bool hdMausUnten = false;
    bool hdCursorVersteckt = false;
    bool m_colourHeld = false;
    std::unique_ptr<KeyGesture> m_keys;
    // The colour the field shows now, so that an unchanged one is not set again.
    int letzteHdFarbeR = -1, letzteHdFarbeG = -1, letzteHdFarbeB = -1;
};

// Whether a point of a drag is strictly inside the light/dark field, where the
// cursor stays hidden; compact is the 128-pixel field.
bool lightDarkPointInside(int x, int y, bool compact);
