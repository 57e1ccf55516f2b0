#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

// A panel of the main window: fills its rectangle with one colour, or is
// transparent until it is given one (it then shows its parent, like a panel
// that takes its parent's colour). Carries the integer tag, the stored hint
// text and the marker that the display routines keep on their panels.
class ColourPanel : public QWidget
{
    Q_OBJECT

public:
    enum class Bevel { none, lowered, raised };

    explicit ColourPanel(QWidget* parent = nullptr, const QString& name = {});

    QColor colour() const { return m_colour; }
    bool hasColour() const { return m_hasColour; }
    // Does nothing (and repaints nothing) when the panel already has this colour.
    // Returns whether the colour changed.
    bool setColour(const QColor& colour);
    // Back to transparent.
    void clearColour();
    // The other panel's colour, or transparent as it is.
    void takeColourOf(const ColourPanel& other);

    // Font colour handed down to child labels that do not set their own.
    QColor fontColour() const;
    void setFontColour(const QColor& colour);

    Bevel bevel() const { return m_bevel; }
    void setBevel(Bevel bevel);
    // The area inside the bevel; a client-aligned child fills it.
    QRect innerRect() const;

    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }
    // A stored text, never shown (the row panels keep their home position here).
    QString hint() const { return m_hint; }
    void setHint(const QString& hint) { m_hint = hint; }
    // The row displays' marker: 0 when no big field lies behind the rows.
    int marker() const { return m_marker; }
    void setMarker(int marker) { m_marker = marker; }
    // A shown colour: carries the print gamut warning's mark while that is on.
    void setGamutMarked(bool marked);

signals:
    // Left button released over the panel.
    void clicked();
    void resized();
    // The panel took another colour or became transparent.
    void colourChanged();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QColor m_colour;
    bool m_hasColour = false;
    bool m_pressed = false;
    Bevel m_bevel = Bevel::none;
    int m_tag = 0;
    int m_marker = 1;
    QString m_hint;
    bool m_gamutMarked = false;
};

// Client alignment: a marked child always fills its parent's inner rectangle
// (the parent's bevel excluded), also after its parent is resized.
void setClientAligned(QWidget* child, bool aligned);
bool isClientAligned(const QWidget* child);
// Fits every client-aligned child of `parent` to it.
void alignClientChildren(QWidget* parent);

// Auto-sized labels follow their text's width, keeping the left or the right
// edge where it is (a right-aligned amount stays flush with the field's edge).
enum class AutoSize { none, keepLeft, keepRight };
void setAutoSized(QWidget* label, AutoSize mode);
// Fits every auto-sized child of `parent` to its text.
void fitAutoSizedChildren(QWidget* parent);

// Moves a panel into another parent, as showing and hiding fields does. The
// panel keeps its own shown/hidden state (Qt would hide it on re-parenting);
// with `clientAligned` it fills the new parent.
void moveInto(QWidget* panel, QWidget* newParent, bool clientAligned = false);
