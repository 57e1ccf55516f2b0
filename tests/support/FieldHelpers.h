#pragma once

#include "core/colour/BandTables.h"
#include "ui/widgets/MainWidgets.h"

#include <QColor>
#include <QComboBox>
#include <QString>
#include <QTest>

#include <cstdlib>

// The band table entry at a position the test names itself.
inline QColor bandFarbe(int p, bool luminoes = false)
{
    const Rgb c = bandTable(luminoes).at(p);
    return QColor(c.r, c.g, c.b);
}

// The light/dark mix worked out apart from the program, in exact integers: the
// channel darkened by dunkel/255, then lightened by hell/255. The value is a
// multiple of 1/65025, an odd denominator, so it never lies halfway and plain
// rounding agrees with rounding half to even.
constexpr int gemischterKanal(int basis, int dunkel, int hell)
{
    const int dunkler = basis * (255 - dunkel); // in 1/255
    const int value = dunkler * 255 + hell * (255 * 255 - dunkler);
    return (2 * value + 255 * 255) / (2 * 255 * 255);
}
static_assert(gemischterKanal(218, 0, 0) == 218);
static_assert(gemischterKanal(0, 200, 77) == 77);
static_assert(gemischterKanal(255, 0, 100) == 255);
static_assert(gemischterKanal(100, 255, 0) == 0);
static_assert(gemischterKanal(100, 0, 255) == 255);
static_assert(gemischterKanal(200, 51, 51) == 179);

inline QColor mixedColour(const QColor& basis, int dunkel, int hell)
{
    return QColor(gemischterKanal(basis.red(), dunkel, hell), gemischterKanal(basis.green(), dunkel, hell),
                  gemischterKanal(basis.blue(), dunkel, hell));
}

inline QString hex(const QColor& c)
{
    return c.name(QColor::HexRgb).toUpper();
}

// Steps a drop-down list to `index` with the arrow keys, as a user does; every
// step emits `activated` and so runs the list's handler.
inline void waehleEintrag(QComboBox* box, int index)
{
    const Qt::Key taste = index < box->currentIndex() ? Qt::Key_Up : Qt::Key_Down;
    for (int n = std::abs(index - box->currentIndex()); n > 0; --n)
        QTest::keyClick(box, taste);
}

// K rings, that is 2K + 1 fields, chosen in ComboBox1.
inline void stufenWaehlen(MainWidgets& w, int stepCount)
{
    waehleEintrag(w.rowControls.ComboBox1, stepCount - 1);
}
