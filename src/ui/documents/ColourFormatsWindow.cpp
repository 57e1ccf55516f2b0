#include "ui/documents/ColourFormatsWindow.h"

#include "core/colour/ColourFormats.h"
#include "core/documents/Palette.h"
#include "core/language/LanguageTable.h"
#include "ui/layout/ScreenFit.h"
#include "ui/widgets/ColourPanel.h"

#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace
{

constexpr int zeilenAnzahl = 9;

// The text of the field the light/dark field acts on, as the palette names it.
Txt gewaehltesFeld(const MainState& s)
{
    if (s.hdZielRechts())
        return Txt::feldRechts;
    if (s.hdZielLinks())
        return Txt::feldLinks;
    if (s.hdZielMitte())
        return Txt::feldMitte;
    return Txt::feldGross;
}

} // namespace

ColourFormatsWindow::ColourFormatsWindow(const MainState& s, const LanguageTable& t, QWidget* parent)
    : QDialog(parent), m_s(s), m_t(t)
{
    setObjectName(QStringLiteral("ColourFormatsWindow"));
    setWindowTitle(t.text(Txt::farbformateTitel));
    setModal(false);
    aufbauen();
}

void ColourFormatsWindow::aufbauen()
{
    auto* raster = new QGridLayout(this);
    m_feld = new QLabel(this);
    m_feld->setObjectName(QStringLiteral("feld"));
    m_muster = new ColourPanel(this, QStringLiteral("muster"));
    m_muster->setFixedSize(48, 48);
    m_muster->setBevel(ColourPanel::Bevel::lowered);
    raster->addWidget(m_feld, 0, 0, 1, 2);
    raster->addWidget(m_muster, 0, 2, Qt::AlignRight);
    const QString kopieren = m_t.text(Txt::farbformateKopieren);
    for (int i = 0; i < zeilenAnzahl; ++i) {
        auto* name = new QLabel(this);
        auto* wert = new QLabel(this);
        wert->setTextInteractionFlags(Qt::TextSelectableByMouse);
        wert->setObjectName(QStringLiteral("wert%1").arg(i));
        wert->setMinimumWidth(
            wert->fontMetrics().horizontalAdvance(QStringLiteral("oklch(0.0000 0.0000 000.00)")));
        auto* knopf = new QPushButton(kopieren, this);
        knopf->setObjectName(QStringLiteral("kopieren%1").arg(i));
        knopf->setAutoDefault(false);
        connect(knopf, &QPushButton::clicked, this,
                [this, i] { QGuiApplication::clipboard()->setText(kopierText(i)); });
        raster->addWidget(name, i + 1, 0);
        raster->addWidget(wert, i + 1, 1);
        raster->addWidget(knopf, i + 1, 2);
        m_namen << name;
        m_werte << wert;
        m_knoepfe << knopf;
    }
    m_kopien.resize(zeilenAnzahl);
}

void ColourFormatsWindow::spaeterAktualisieren()
{
    if (m_vorgemerkt || !isVisible())
        return;
    m_vorgemerkt = true;
    QTimer::singleShot(0, this, [this] {
        m_vorgemerkt = false;
        aktualisieren();
    });
}

void ColourFormatsWindow::zeigen()
{
    aktualisieren();
    show();
    raise();
    activateWindow();
}

void ColourFormatsWindow::aktualisieren()
{
    const MainState& s = m_s;
    const LanguageTable& t = m_t;
    const QString name = t.text(gewaehltesFeld(s));
    const QVector<PaletteEntry> felder = kombinationsFarben(s, t);
    // Rows have no big field: their selection is one of the outer fields.
    PaletteEntry gewaehlt = felder.isEmpty() ? PaletteEntry{} : felder.back();
    for (const PaletteEntry& e : felder)
        if (e.name == name)
            gewaehlt = e;
    m_farbe = QColor::fromRgb(gewaehlt.rgb);
    m_feld->setText(t.text(Txt::farbformateFeld) + QLatin1Char(' ') + gewaehlt.name);
    m_muster->setColour(m_farbe);
    const QVector<FormatZeile> zeilen = farbFormate(m_farbe.red(), m_farbe.green(), m_farbe.blue());
    // Read in the interface's decimals; CSS is code and keeps its points.
    const QChar dezimal = t.dezimalzeichen();
    for (int i = 0; i < zeilenAnzahl && i < zeilen.size(); ++i) {
        const QString text = QString(zeilen[i].text).replace(QLatin1Char('.'), dezimal);
        m_namen[i]->setText(zeilen[i].name);
        m_werte[i]->setText(text);
        m_kopien[i] = zeilen[i].css.isEmpty() ? text : zeilen[i].css;
    }
    // Longer values (another colour, the other language) widen the window, never hide under a button.
    anInhaltAnpassen(*this, true);
}

QString ColourFormatsWindow::feldName() const
{
    return m_feld->text();
}

QColor ColourFormatsWindow::farbe() const
{
    return m_farbe;
}

QString ColourFormatsWindow::kopierText(int zeile) const
{
    return zeile >= 0 && zeile < m_kopien.size() ? m_kopien[zeile] : QString();
}
