#include "ui/soak/SameStateWindow.h"

#include "ui/display/DisplayParts.h"
#include "ui/display/FieldSelection.h"
#include "ui/widgets/StaticText.h"

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QPalette>
#include <QPointer>
#include <QRadioButton>
#include <QSlider>
#include <QStatusBar>

#include <QPainter>
#include <algorithm>

namespace
{

QString widgetBei(QWidget& form, QPoint p)
{
    const QWidget* w = form.childAt(p);
    if (!w)
        return QStringLiteral("window");
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
}

QRect imFenster(const TForm1& form, const QWidget* w)
{
    return {w->mapTo(&form, QPoint(0, 0)), w->size()};
}

// What no state holds and a second window cannot be given.
QList<QRect> ausnahmenVon(const TForm1& live)
{
    QList<QRect> r;
    const MainWidgets& w = live.w();
    // Switched off, separate adjustment's greyed radio buttons keep the marks the
    // user last saw; they can be worked only once it is on.
    if (!live.state().separatModus)
        for (const QRadioButton* button :
             {w.choice.RadioButton1, w.choice.RadioButton2, w.choice.RadioButton3, w.choice.RadioButton4})
            r << imFenster(live, button);
    // A track bar's groove and ticks are drawn by whether its window is the active
    // one, which only one of the two can be, and by the focus the background list
    // passes through them when it closes; their positions are checked against the state.
    for (const QSlider* sliders : {w.angle.TrackBar2, w.angle.TrackBar3})
        r << imFenster(live, sliders);
    // The status bar says what the last gesture did.
    r << imFenster(live, live.statusBar());
    // A clicked value text is selected for copying; the selection is no state.
    const QColor markiert = live.palette().color(QPalette::Highlight);
    for (const StaticText* text : w.values.valueTexts())
        if (text->background() == markiert)
            r << imFenster(live, text);
    return r;
}

} // namespace

// Only one window can be active and have the keyboard focus: both draw as the
// active one does, and the focus frame is left out of the pictures.
SameStateWindow::SameStateWindow()
{
    QPalette p = QApplication::palette();
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto r = static_cast<QPalette::ColorRole>(role);
        p.setColor(QPalette::Inactive, r, p.color(QPalette::Active, r));
    }
    QApplication::setPalette(p);
}

QStringList SameStateWindow::rahmenUebernehmen(const TForm1& live)
{
    TForm1& form = *m_f.form;
    if (form.size() != live.size()) {
        form.resize(live.size());
        if (!QTest::qWaitFor([&] { return form.size() == live.size(); }))
            return {QStringLiteral("the second window did not take the live window's size")};
    }
    QComboBox* backgroundColour = m_f.w().regions.ComboBox2;
    if (backgroundColour->currentIndex() != live.w().regions.ComboBox2->currentIndex())
        waehleEintrag(backgroundColour, live.w().regions.ComboBox2->currentIndex());
    return {};
}

QStringList SameStateWindow::vergleichen(TForm1& live)
{
    if (QStringList errorBox = rahmenUebernehmen(live); !errorBox.isEmpty())
        return errorBox;
    TForm1& form = *m_f.form;
    form.colourDocument().restoreStep(live.state());
    // A new background reaches the value texts a moment later, in either window.
    if (!QTest::qWaitFor(
            [&] { return !live.w().furniture.Timer2->isActive() && !form.w().furniture.Timer2->isActive(); }))
        return {QStringLiteral("the value texts did not take the background's colours")};
    const QPointer<QWidget> fokus = QApplication::focusWidget();
    if (fokus)
        fokus->clearFocus();
    const QImage a = live.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage b = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (fokus)
        fokus->setFocus(Qt::OtherFocusReason);
    if (a.size() != b.size())
        return {QStringLiteral("the windows have different sizes")};
    const QList<QRect> ausnahmen = ausnahmenVon(live);
    QRect anders;
    int pixel = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* za = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* zb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            if (za[x] != zb[x] &&
                !std::ranges::any_of(ausnahmen, [&](const QRect& r) { return r.contains(x, y); })) {
                ++pixel;
                anders |= QRect(x, y, 1, 1);
            }
        }
    }
    if (pixel == 0)
        return {};
    QString meldung =
        QStringLiteral(
            "%1 pixels differ from a window given the same state, in (%2, %3) %4 x %5, at %6 .. %7")
            .arg(pixel)
            .arg(anders.x())
            .arg(anders.y())
            .arg(anders.width())
            .arg(anders.height())
            .arg(widgetBei(live, anders.topLeft()), widgetBei(live, anders.bottomRight()));
    // TINCTORA_SOAK_PICTURES names a folder that keeps both pictures of a difference.
    if (const QString folder = qEnvironmentVariable("TINCTORA_SOAK_PICTURES"); !folder.isEmpty())
        meldung += QStringLiteral(" (pictures %1)").arg(bilderSichern(folder, a, b, anders));
    return {meldung};
}

QString SameStateWindow::bilderSichern(const QString& folder, const QImage& live, const QImage& gleich,
                                       const QRect& anders)
{
    const QRect r = anders.adjusted(-20, -20, 20, 20).intersected(live.rect());
    QImage beide(r.width(), 2 * r.height() + 4, QImage::Format_RGB32);
    beide.fill(Qt::red);
    QPainter p(&beide);
    p.drawImage(0, 0, live.copy(r));
    p.drawImage(0, r.height() + 4, gleich.copy(r));
    p.end();
    const QString stamm = QStringLiteral("%1/%2").arg(folder).arg(m_bilder++);
    live.save(stamm + QStringLiteral("-live.png"));
    gleich.save(stamm + QStringLiteral("-same-state.png"));
    beide.scaled(beide.size() * (r.width() < 400 ? 3 : 1)).save(stamm + QStringLiteral("-both.png"));
    return stamm + QStringLiteral("-*.png");
}
