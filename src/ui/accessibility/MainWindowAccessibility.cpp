#include "ui/accessibility/MainWindowAccessibility.h"

#include "core/colour/AnglePicture.h"
#include "core/colour/ColourName.h"
#include "core/colour/Conversions.h"
#include "core/language/LanguageTable.h"
#include "ui/accessibility/DescribedAccessible.h"
#include "ui/display/BandAngleControls.h"
#include "ui/display/DisplayHost.h"
#include "ui/display/DisplayParts.h"
#include "ui/display/FieldSelection.h"
#include "ui/widgets/ColourPanel.h"
#include "ui/widgets/MainWidgets.h"
#include "ui/widgets/PictureBox.h"

#include <QLabel>
#include <QRadioButton>
#include <QSlider>

#include <algorithm>
#include <array>
#include <cstdlib>

namespace
{

constexpr std::array fieldTexts{Txt::bigField, Txt::smallLeftField, Txt::smallCentreField,
                                Txt::smallRightField};
constexpr int lastBandPosition = 677;

QString panelName(const ColourPanel& panel, const QString& label, const LanguageTable& t)
{
    if (!panel.hasColour())
        return t.text(Txt::accessibleNoColour).arg(label);
    const QColor c = panel.colour();
    return t.text(Txt::accessibleField)
        .arg(label, colourName(c.rgb(), t), hexText(c.red(), c.green(), c.blue()), QString::number(c.red()),
             QString::number(c.green()), QString::number(c.blue()));
}

bool shownIn(const QLabel* label, const QWidget& window)
{
    return label->isVisibleTo(&window) && !label->text().isEmpty();
}

} // namespace

MainWindowAccessibility::MainWindowAccessibility(DisplayHost& host, MainWidgets& w, DisplayParts& parts,
                                                 QObject* parent)
    : QObject(parent), m_host(host), m_w(w), m_parts(parts)
{
    describeFields();
    describeChoice();
    describeBand();
    describeLightDark();
    describeAngles();
    connect(&host.colourDocument(), &ColourDocument::modified, this, [this] { follow(); });
}

void MainWindowAccessibility::describeFields()
{
    FieldWidgets& f = m_w.fields;
    const std::pair<ColourPanel*, int> single[] = {{f.Anzeige_Normal, 0},
                                                   {f.AnzeigeReihen, 0},
                                                   {f.KleinLinks, 1},
                                                   {f.KleinMitte, 2},
                                                   {f.KleinRechts, 3}};
    const std::pair<ColourPanel*, int> right[] = {{f.FixedRechts, 0},
                                                  {f.FixedRechtsReihen, 0},
                                                  {f.FixedKleinLinks, 1},
                                                  {f.FixedKleinMitte, 2},
                                                  {f.FixedKleinRechts, 3}};
    const std::pair<ColourPanel*, int> left[] = {{f.FixedLinks, 0},
                                                 {f.FixedLinksReihen, 0},
                                                 {f.FixedLinksKleinLinks, 1},
                                                 {f.FixedLinksKleinMitte, 2},
                                                 {f.FixedLinksKleinRechts, 3}};
    const std::pair<const std::pair<ColourPanel*, int>*, Label> groups[] = {
        {single, &MainWindowAccessibility::fieldLabel},
        {right, &MainWindowAccessibility::rightHalfLabel},
        {left, &MainWindowAccessibility::leftHalfLabel}};
    for (const auto& [group, label] : groups)
        for (int i = 0; i < 5; ++i)
            describeField(group[i].first, label, group[i].second, true);
    for (int n = 1; n <= 15; ++n) {
        const auto i = static_cast<std::size_t>(n);
        // The centre of a row selects nothing.
        describeField(f.R[i], &MainWindowAccessibility::rowLabel, n, n != 8);
        describeField(f.RRe[i], &MainWindowAccessibility::rightRowLabel, n, n != 8);
        describeField(f.RLi[i], &MainWindowAccessibility::leftRowLabel, n, n != 8);
    }
}

void MainWindowAccessibility::describeField(ColourPanel* panel, Label label, int index, bool pressable)
{
    AccessibleDescription d;
    d.role = QAccessible::Button;
    d.name = [this, panel, label, index] {
        return panelName(*panel, (this->*label)(index), m_host.uiLanguage());
    };
    if (pressable)
        d.press = [this, panel] { m_parts.selection->triggerClick(panel); };
    describeWidget(panel, std::move(d));
    connect(panel, &ColourPanel::colourChanged, this, [panel] { announceNameChange(panel); });
}

// Qt calls buttons that are not auto-exclusive check boxes; these four work as one radio group.
void MainWindowAccessibility::describeChoice()
{
    for (QRadioButton* button : {m_w.choice.RadioButton1, m_w.choice.RadioButton2, m_w.choice.RadioButton3,
                                 m_w.choice.RadioButton4}) {
        AccessibleDescription d;
        d.role = QAccessible::RadioButton;
        d.name = [button] { return button->accessibleName(); };
        d.checked = [button] { return button->isChecked(); };
        d.press = [button] { button->click(); };
        describeWidget(button, std::move(d));
    }
}

QString MainWindowAccessibility::fieldLabel(int field) const
{
    return m_host.uiLanguage().text(fieldTexts[static_cast<std::size_t>(field)]);
}

QString MainWindowAccessibility::leftHalfLabel(int field) const
{
    const LanguageTable& t = m_host.uiLanguage();
    return t.text(Txt::accessibleHalf).arg(t.text(Txt::paletteLeftHalf), fieldLabel(field));
}

QString MainWindowAccessibility::rightHalfLabel(int field) const
{
    const LanguageTable& t = m_host.uiLanguage();
    return t.text(Txt::accessibleHalf).arg(t.text(Txt::paletteRightHalf), fieldLabel(field));
}

// Row panel 1 and 15 close the row; the rings 8 ± k inside them are in use
// up to the step count, so the k-th ring is the field that many from the centre.
QString MainWindowAccessibility::rowLabel(int n) const
{
    return rowLabelOf(n, m_host.state().stufenAnzahl);
}

// Each half of a fixed display keeps the step count it was fixed with.
QString MainWindowAccessibility::rowLabelOf(int n, int stepCount) const
{
    const int steps = std::clamp(stepCount, 1, 7);
    const int count = 2 * steps + 1;
    int place = 0;
    if (n == 1)
        place = 1;
    else if (n == 15)
        place = count;
    else if (std::abs(n - 8) < steps)
        place = steps + 1 + (n - 8);
    const QString name = m_host.uiLanguage().rowFieldName(place, count);
    return name.isEmpty() ? fieldLabel(n < 8 ? 1 : 3) : name;
}

QString MainWindowAccessibility::leftRowLabel(int n) const
{
    const LanguageTable& t = m_host.uiLanguage();
    return t.text(Txt::accessibleHalf)
        .arg(t.text(Txt::paletteLeftHalf), rowLabelOf(n, m_host.state().stufenFixLinks));
}

QString MainWindowAccessibility::rightRowLabel(int n) const
{
    const LanguageTable& t = m_host.uiLanguage();
    return t.text(Txt::accessibleHalf)
        .arg(t.text(Txt::paletteRightHalf), rowLabelOf(n, m_host.state().stufenFixRechts));
}

QString MainWindowAccessibility::bandName() const
{
    const LanguageTable& t = m_host.uiLanguage();
    const Txt type = m_host.state().bandLuminoes ? Txt::luminoes : Txt::realistisch;
    return t.text(Txt::accessibleBand).arg(withoutAccelerator(t.text(type)));
}

void MainWindowAccessibility::describeBand()
{
    for (QWidget* band : {static_cast<QWidget*>(m_w.band.Image1), static_cast<QWidget*>(m_w.band.Image2),
                          static_cast<QWidget*>(m_w.band.Panel2)}) {
        AccessibleDescription d;
        d.role = QAccessible::Slider;
        d.name = [this] { return bandName(); };
        d.value = [this] { return m_parts.band->bandPosition(); };
        d.minimum = [] { return 0; };
        d.maximum = [] { return lastBandPosition; };
        d.setValue = [this](int position) {
            m_parts.band->chooseBandPosition(std::clamp(position, 0, lastBandPosition));
        };
        d.valueText = [this] {
            return m_host.uiLanguage()
                .text(Txt::accessibleBandPosition)
                .arg(m_parts.band->bandPosition())
                .arg(lastBandPosition);
        };
        describeWidget(band, std::move(d));
    }
}

void MainWindowAccessibility::describeLightDark()
{
    LightDarkWidgets& l = m_w.lightDark;
    AccessibleDescription field;
    field.role = QAccessible::Graphic;
    field.name = [this] {
        return m_host.uiLanguage()
            .text(Txt::accessibleLightDarkField)
            .arg(m_w.lightDark.Label1->text(), m_w.lightDark.Label2->text());
    };
    describeWidget(l.PaintBox3, std::move(field));
    const std::pair<QLabel*, Txt> amounts[] = {{l.Label1, Txt::accessibleLightAmount},
                                               {l.Label2, Txt::accessibleDarkAmount}};
    for (const auto& [label, txt] : amounts) {
        AccessibleDescription d;
        d.role = QAccessible::StaticText;
        d.name = [this, label, txt] { return m_host.uiLanguage().text(txt).arg(label->text()); };
        describeWidget(label, std::move(d));
    }
}

// The picture's angles as the labels show them; in separate adjustment the
// legend's positions of the fields.
QString MainWindowAccessibility::anglePictureName() const
{
    const LanguageTable& t = m_host.uiLanguage();
    const QWidget& window = m_host.mainWindow();
    QStringList angles;
    if (m_w.legend.Panel12->isVisibleTo(&window)) {
        const std::pair<QLabel*, int> legend[] = {{m_w.legend.Label11, 0},
                                                  {m_w.legend.Label12, 1},
                                                  {m_w.legend.Label13, 2},
                                                  {m_w.legend.Label14, 3}};
        for (const auto& [label, field] : legend)
            if (shownIn(label, window))
                angles << t.text(Txt::accessibleFieldAngle).arg(fieldLabel(field), label->text());
    } else {
        for (QLabel* label : {m_w.angle.WinkelO, m_w.angle.WinkelU})
            if (shownIn(label, window))
                angles << label->text();
    }
    if (angles.isEmpty())
        return t.text(Txt::accessibleAngles);
    return t.text(Txt::accessibleAngles) + QStringLiteral(": ") + angles.join(QStringLiteral(", "));
}

void MainWindowAccessibility::describeAngles()
{
    AccessibleDescription picture;
    picture.role = QAccessible::Graphic;
    picture.name = [this] { return anglePictureName(); };
    describeWidget(m_w.angle.ImageWW, std::move(picture));

    // The track bars count positions; the labels show the opening in degrees.
    const auto shown = [this](QSlider* bar, int position) {
        const int distance =
            bar == m_w.angle.TrackBar2 ? firstDistance(position, m_host.state().harmonyMode()) : position;
        return shownAngle(distance);
    };
    const std::pair<QSlider*, Txt> bars[] = {{m_w.angle.TrackBar2, Txt::accessibleFirstAngle},
                                             {m_w.angle.TrackBar3, Txt::accessibleSecondAngle}};
    for (const auto& [bar, txt] : bars) {
        AccessibleDescription d;
        d.role = QAccessible::Slider;
        d.name = [this, txt] { return m_host.uiLanguage().text(txt); };
        d.value = [bar, shown] { return shown(bar, bar->value()); };
        d.minimum = [bar, shown] { return shown(bar, bar->minimum()); };
        d.maximum = [bar, shown] { return shown(bar, bar->maximum()); };
        d.valueText = [bar, shown] {
            return QString::number(shown(bar, bar->value())) + QStringLiteral(" °");
        };
        // The position whose opening lies nearest the degrees asked for.
        d.setValue = [this, bar, shown](int degrees) {
            const ColourDocument::Operation step(m_host.colourDocument(), StepKind::angle);
            int best = bar->minimum();
            for (int p = bar->minimum(); p <= bar->maximum(); ++p)
                if (std::abs(shown(bar, p) - degrees) < std::abs(shown(bar, best) - degrees))
                    best = p;
            bar->setValue(best);
        };
        describeWidget(bar, std::move(d));
    }
}

void MainWindowAccessibility::follow()
{
    if (!QAccessible::isActive())
        return;
    for (QWidget* band : {static_cast<QWidget*>(m_w.band.Image1), static_cast<QWidget*>(m_w.band.Image2),
                          static_cast<QWidget*>(m_w.band.Panel2)})
        announceIfChanged(band, true);
    announceIfChanged(m_w.lightDark.PaintBox3, false);
    announceIfChanged(m_w.angle.ImageWW, false);
    announceIfChanged(m_w.angle.TrackBar2, true);
    announceIfChanged(m_w.angle.TrackBar3, true);
}

void MainWindowAccessibility::announceIfChanged(QWidget* widget, bool withValue)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    if (!face)
        return;
    const QString name = face->text(QAccessible::Name);
    const QString value = withValue ? face->text(QAccessible::Value) : QString();
    QString& spoken = m_spoken[widget];
    const QString now = name + QLatin1Char('\n') + value;
    if (spoken == now)
        return;
    const bool nameChanged = !spoken.startsWith(name + QLatin1Char('\n'));
    spoken = now;
    if (nameChanged)
        announceNameChange(widget);
    if (withValue)
        announceValueChange(widget);
}
