#include "ui/shell/KeyboardOrder.h"

#include "ui/widgets/ColourPanel.h"
#include "ui/widgets/FocusMark.h"
#include "ui/widgets/MainWidgets.h"
#include "ui/widgets/PictureBox.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

namespace
{

// One half of the display, or the single display: big field first, then the
// small ones and the row from left to right.
void addFields(QList<QWidget*>& order, std::initializer_list<QWidget*> fields,
               const std::array<ColourPanel*, 16>& row)
{
    for (QWidget* field : fields)
        order << field;
    for (std::size_t n = 1; n <= 15; ++n)
        if (n != 8) // the row's centre selects nothing
            order << row[n];
}

} // namespace

FocusMark* setKeyboardOrder(QWidget& window, MainWidgets& w)
{
    QList<QWidget*> order{w.band.Panel3, w.band.Panel2};
    order << w.choice.RadioButton1 << w.choice.RadioButton2 << w.choice.RadioButton3 << w.choice.RadioButton4;
    order << w.rowControls.ComboBox1 << w.rowControls.Button1;
    const FieldWidgets& f = w.fields;
    addFields(order, {f.Anzeige_Normal, f.AnzeigeReihen, f.KleinLinks, f.KleinMitte, f.KleinRechts}, f.R);
    addFields(order,
              {f.FixedLinks, f.FixedLinksReihen, f.FixedLinksKleinLinks, f.FixedLinksKleinMitte,
               f.FixedLinksKleinRechts},
              f.RLi);
    addFields(order,
              {f.FixedRechts, f.FixedRechtsReihen, f.FixedKleinLinks, f.FixedKleinMitte, f.FixedKleinRechts},
              f.RRe);
    order << w.regions.ComboBox2 << w.lightDark.PaintBox3;
    order << w.angle.ComboBox3 << w.angle.TrackBar2 << w.angle.TrackBar3;
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    return new FocusMark(&window, order);
}
