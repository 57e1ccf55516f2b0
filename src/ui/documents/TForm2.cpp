#include "ui/documents/TForm2.h"

#include "core/documents/IntermediateRows.h"
#include "core/language/LanguageTable.h"
#include "ui/widgets/ColourPanel.h"
#include "ui/widgets/ColourVisionFilter.h"
#include "ui/widgets/MainWidgets.h"

#include <QAction>
#include <QActionGroup>
#include <QFontDialog>
#include <QMenu>
#include <QMouseEvent>
#include <QTextEdit>
#include <QToolBar>
#include <QVBoxLayout>

namespace
{

constexpr int textRand = 80;
const QPoint blockPositions[] = {{30, 102}, {66, 294}, {114, 120}, {216, 312}, {198, 138}, {360, 330}};

QColor colourValue(const ColourPanel* p)
{
    return p->hasColour() ? p->colour() : p->palette().color(QPalette::Window);
}

void applyTextColours(QTextEdit* e, const QColor& backgroundColour, const QColor& text)
{
    QPalette p = e->palette();
    p.setColor(QPalette::Base, backgroundColour);
    p.setColor(QPalette::Text, text);
    e->setPalette(p);
}

QTextEdit* richEdit(QWidget* parent)
{
    auto* e = new QTextEdit(parent);
    e->setFrameStyle(QFrame::NoFrame);
    e->setAcceptRichText(true);
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(13);
    f.setBold(true);
    e->setFont(f);
    e->setContextMenuPolicy(Qt::CustomContextMenu);
    ColourVisionFilter::sharedFilter().follow(e);
    return e;
}

void lettering(QTextEdit* e, int punkte, bool fett)
{
    QFont f = e->font();
    f.setPointSize(punkte);
    f.setBold(fett);
    e->setFont(f);
    e->document()->setDefaultFont(f);
}

} // namespace

TForm2::TForm2(PreviewAccess dialogAccess, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_zugang(std::move(dialogAccess))
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(m_zugang.t.text(Txt::fullscreenTitle));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildToolBar();
    layout->addWidget(ActionToolBar1);
    PanelBg = new ColourPanel(this, QStringLiteral("PanelBg"));
    layout->addWidget(PanelBg, 1);
    buildFields();
    buildTextPanel();
    buildMenu();
    connect(PanelBg, &ColourPanel::resized, this, [this] {
        Panel22->setGeometry(PanelBg->rect());
        Panel25->setGeometry(0, textRand, Panel22->width(), std::max(0, Panel22->height() - 2 * textRand));
        richEditsInPosBringen();
    });
    resize(1024, 768);
}

void TForm2::buildToolBar()
{
    const LanguageTable& t = m_zugang.t;
    ActionToolBar1 = new QToolBar(this);
    ActionToolBar1->setObjectName(QStringLiteral("ActionToolBar1"));
    ActionToolBar1->setToolButtonStyle(Qt::ToolButtonTextOnly);
    const auto actionItem = [&](const char* name, Txt text, auto handler) {
        QAction* a = ActionToolBar1->addAction(t.text(text));
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, handler);
        addAction(a);
        return a;
    };
    schliessen1 = actionItem("schliessen1", Txt::closeWindow, &TForm2::schliessen1Execute);
    schliessen1->setShortcut(Qt::Key_F9);
    ActionToolBar1->addSeparator();
    klein1 = actionItem("klein1", Txt::small, &TForm2::klein1Execute);
    mittel1 = actionItem("mittel1", Txt::medium, &TForm2::mittel1Execute);
    gross1 = actionItem("gross1", Txt::big, &TForm2::gross1Execute);
    ActionToolBar1->addSeparator();
    farbwechsel1 = actionItem("farbwechsel1", Txt::changeColour, &TForm2::farbwechsel1Execute);
    Schrift = actionItem("Schrift", Txt::lettering, &TForm2::SchriftExecute);
    Schrift->setCheckable(true);
    Wechseln = actionItem("Wechseln", Txt::change, &TForm2::WechselnExecute);
    ActionToolBar1->addSeparator();
    hilfe1 = actionItem("hilfe1", Txt::help, &TForm2::hilfe1Execute);
    hilfe1->setShortcut(Qt::Key_F1);
}

void TForm2::hilfe1Execute()
{
    m_zugang.help();
}

void TForm2::buildFields()
{
    for (int i = 1; i <= 6; ++i) {
        auto* p = new ColourPanel(PanelBg, QStringLiteral("Panel%1").arg(i));
        p->setGeometry(QRect(blockPositions[i - 1], i % 2 ? QSize(100, 30) : QSize(200, 30)));
        p->installEventFilter(this);
        Panel[static_cast<std::size_t>(i)] = p;
    }
    const QString testText = m_zugang.t.text(Txt::previewTestText);
    for (int k = 1; k <= 15; ++k) {
        auto* r = new ColourPanel(PanelBg, QStringLiteral("R%1").arg(k));
        r->setGeometry(24, barY(k - 1), 203, 22);
        r->installEventFilter(this);
        QTextEdit* e = richEdit(r);
        e->setObjectName(QStringLiteral("REd%1").arg(k));
        setClientAligned(e, true);
        e->setPlainText(testText);
        e->setLineWrapMode(QTextEdit::NoWrap);
        e->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        e->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        e->hide();
        connect(e, &QWidget::customContextMenuRequested, this, [this, e](QPoint pos) { showMenu(e, pos); });
        R[static_cast<std::size_t>(k)] = r;
        REd[static_cast<std::size_t>(k)] = e;
    }
}

void TForm2::buildTextPanel()
{
    const LanguageTable& t = m_zugang.t;
    Panel22 = new ColourPanel(PanelBg, QStringLiteral("Panel22"));
    Panel25 = new ColourPanel(Panel22, QStringLiteral("Panel25"));
    Panel22->hide();
    const QString text =
        QStringList{QString(), t.text(Txt::previewText), QString(), t.text(Txt::previewOptions)}.join(
            QLatin1Char('\n'));
    for (int i = 1; i <= 3; ++i) {
        QTextEdit* e = richEdit(Panel25);
        e->setObjectName(QStringLiteral("RichEdit%1").arg(i));
        e->setPlainText(text);
        e->selectAll();
        e->setAlignment(Qt::AlignLeft);
        e->moveCursor(QTextCursor::End);
        connect(e, &QWidget::customContextMenuRequested, this, [this, e](QPoint pos) { showMenu(e, pos); });
        RichEdit[static_cast<std::size_t>(i)] = e;
    }
}

// The alignment marks show the clicked text's own alignment.
void TForm2::showMenu(QTextEdit* e, QPoint pos)
{
    m_ziel = e;
    const Qt::Alignment a = e->alignment();
    m_ausrichtung[0]->setChecked(!(a & (Qt::AlignRight | Qt::AlignHCenter)));
    m_ausrichtung[1]->setChecked(bool(a & Qt::AlignRight));
    m_ausrichtung[2]->setChecked(bool(a & Qt::AlignHCenter));
    PopupMenu1->popup(e->mapToGlobal(pos));
}

void TForm2::buildMenu()
{
    const LanguageTable& t = m_zugang.t;
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->addAction(t.text(Txt::popupCut), this, [this] { m_ziel->cut(); });
    PopupMenu1->addAction(t.text(Txt::popupCopy), this, [this] { m_ziel->copy(); });
    PopupMenu1->addAction(t.text(Txt::popupPaste), this, [this] { m_ziel->paste(); });
    PopupMenu1->addSeparator();
    QMenu* zeichen = PopupMenu1->addMenu(t.text(Txt::popupCharacters));
    const std::pair<Txt, Qt::Alignment> ausrichtungen[] = {{Txt::popupLeft, Qt::AlignLeft},
                                                           {Txt::popupRight, Qt::AlignRight},
                                                           {Txt::popupCentred, Qt::AlignHCenter}};
    for (std::size_t i = 0; i < 3; ++i) {
        QAction* a = zeichen->addAction(t.text(ausrichtungen[i].first));
        a->setCheckable(true);
        const Qt::Alignment al = ausrichtungen[i].second;
        connect(a, &QAction::triggered, this, [this, al] { alignText(al); });
        m_ausrichtung[i] = a;
    }
    m_ausrichtung[0]->setChecked(true);
    PopupMenu1->addSeparator();
    PopupMenu1->addAction(t.text(Txt::popupFont), this, &TForm2::Font1Click);
}

bool TForm2::colourRows() const
{
    return isRowMode(m_zugang.s.harmonyMode());
}

int TForm2::colourCount() const
{
    switch (m_zugang.s.harmonyMode()) {
    case HarmonyMode::fourColour:
        return 4;
    case HarmonyMode::threeColour:
        return 3;
    default:
        return 2;
    }
}

int TForm2::present()
{
    FormShow();
    setWindowState(Qt::WindowMaximized);
    return exec();
}

void TForm2::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    richEditsInPosBringen();
}

void TForm2::FormShow()
{
    setWindowTitle(m_zugang.t.text(Txt::fullscreenTitle));
    for (int k = 1; k <= 15; ++k)
        R[static_cast<std::size_t>(k)]->hide();
    Wechseln->setVisible(m_zugang.s.fixiert);
    SchriftExecute2();
    fetchColours();
    updateTextColours();
    richEditsInPosBringen();
    if (m_zugang.s.actionSet.textInsteadOfFields && !Schrift->isChecked()) {
        Schrift->setChecked(true);
        SchriftExecute();
    }
}

void TForm2::fetchColours()
{
    const MainState& s = m_zugang.s;
    const MainWidgets& w = m_zugang.w;
    const bool left = s.fixiert && s.fixLinksAktiv;
    const bool right = s.fixiert && !s.fixLinksAktiv;
    const auto page = [&](ColourPanel* normal, ColourPanel* li, ColourPanel* re) {
        return colourValue(left ? li : right ? re : normal);
    };
    if (colourRows()) {
        for (int i = 1; i <= 6; ++i)
            Panel[static_cast<std::size_t>(i)]->hide();
        backgroundColour(
            s.harmonyMode() == HarmonyMode::colourRows
                ? colourValue(w.regions.panelHintergrund)
                : page(w.fields.AnzeigeReihen, w.fields.FixedLinksReihen, w.fields.FixedRechtsReihen));
        for (std::size_t k = 1; k <= 15; ++k)
            R[k]->setColour(page(w.fields.R[k], w.fields.RLi[k], w.fields.RRe[k]));
        placeBars();
        return;
    }
    backgroundColour(page(w.fields.Anzeige_Normal, w.fields.FixedLinks, w.fields.FixedRechts));
    const QColor rechtsFarbe =
        page(w.fields.KleinRechts, w.fields.FixedLinksKleinRechts, w.fields.FixedKleinRechts);
    const QColor linksFarbe =
        page(w.fields.KleinLinks, w.fields.FixedLinksKleinLinks, w.fields.FixedKleinLinks);
    const QColor mitteFarbe =
        page(w.fields.KleinMitte, w.fields.FixedLinksKleinMitte, w.fields.FixedKleinMitte);
    const int n = colourCount();
    const QColor paare[] = {n == 2 ? rechtsFarbe : linksFarbe, n == 4 ? mitteFarbe : rechtsFarbe,
                            rechtsFarbe};
    for (std::size_t i = 1; i <= 6; ++i) {
        Panel[i]->setColour(paare[(i - 1) / 2]);
        Panel[i]->setVisible(static_cast<int>(i) <= 2 * (n - 1));
    }
}

void TForm2::backgroundColour(const QColor& c)
{
    PanelBg->setColour(c);
    Panel22->setColour(c);
    Panel25->setColour(c);
}

void TForm2::placeBars()
{
    m_balken = previewBars(stepCountFrom(m_zugang.s.stufeAktiv));
    for (std::size_t i = 0; i < m_balken.size(); ++i) {
        ColourPanel* r = R[static_cast<std::size_t>(m_balken[i])];
        r->move(r->x(), barY(static_cast<int>(i)));
        r->show();
    }
}

void TForm2::updateTextColours()
{
    const QColor bg = PanelBg->colour();
    for (std::size_t i = 1; i <= 3; ++i)
        applyTextColours(RichEdit[i], bg, Panel[2 * i - 1]->colour());
    for (std::size_t k = 1; k <= 15; ++k)
        applyTextColours(REd[k], bg, R[k]->colour());
}

void TForm2::SchriftExecute()
{
    SchriftExecute2();
}

void TForm2::SchriftExecute2()
{
    const bool an = Schrift->isChecked();
    if (colourRows()) {
        for (std::size_t k = 1; k <= 15; ++k)
            REd[k]->setVisible(an);
        Panel22->hide();
        if (an)
            updateTextColours();
        return;
    }
    for (std::size_t k = 1; k <= 15; ++k)
        REd[k]->hide();
    Panel22->setVisible(an);
    if (an) {
        Panel22->raise();
        updateTextColours();
        richEditsInPosBringen();
    }
}

void TForm2::richEditsInPosBringen()
{
    if (colourRows())
        return;
    const TextPlacement lage = textPlacement(colourCount(), Panel25->size());
    const QRect rects[] = {lage.text1, lage.text2, lage.text3};
    for (std::size_t i = 1; i <= 3; ++i) {
        RichEdit[i]->setGeometry(rects[i - 1]);
        RichEdit[i]->setVisible(!rects[i - 1].isNull());
    }
}

void TForm2::setPreviewSize(PreviewSize g)
{
    const SizeMetrics m = sizeMetrics(g);
    if (Panel22->isVisibleTo(this)) {
        for (std::size_t i = 1; i <= 3; ++i)
            lettering(RichEdit[i], m.textPointSize, m.textBold);
        return;
    }
    if (!colourRows()) {
        for (std::size_t i = 1; i <= 6; ++i)
            Panel[i]->resize(i % 2 ? m.narrowBlock : m.broad);
        return;
    }
    for (std::size_t k = 1; k <= 15; ++k) {
        R[k]->resize(m.bars);
        lettering(REd[k], m.barFontPoints, m.barsBold);
    }
}

void TForm2::farbwechsel1Execute()
{
    std::vector<ColourPanel*> ring{PanelBg};
    if (colourRows()) {
        for (int k : m_balken)
            ring.push_back(R[static_cast<std::size_t>(k)]);
    } else {
        for (std::size_t i = 1; i <= static_cast<std::size_t>(2 * (colourCount() - 1)); i += 2)
            ring.push_back(Panel[i]);
    }
    std::vector<QColor> farben;
    for (const ColourPanel* p : ring)
        farben.push_back(p->colour());
    rotateRing(farben);
    backgroundColour(farben[0]);
    for (std::size_t i = 1; i < ring.size(); ++i)
        ring[i]->setColour(farben[i]);
    for (std::size_t i = 2; i <= 6; i += 2)
        Panel[i]->setColour(Panel[i - 1]->colour());
    updateTextColours();
}

void TForm2::WechselnExecute()
{
    m_zugang.switchHalf();
    FormShow();
}

void TForm2::schliessen1Execute()
{
    close();
}

void TForm2::alignText(Qt::Alignment a)
{
    if (!m_ziel)
        return;
    for (QAction* item : m_ausrichtung)
        item->setChecked(false);
    const std::size_t i = a == Qt::AlignRight ? 1 : a == Qt::AlignHCenter ? 2 : 0;
    m_ausrichtung[i]->setChecked(true);
    const bool nichtsMarkiert = !m_ziel->textCursor().hasSelection();
    if (nichtsMarkiert)
        m_ziel->selectAll();
    m_ziel->setAlignment(a);
    if (nichtsMarkiert)
        m_ziel->moveCursor(QTextCursor::End);
}

void TForm2::Font1Click()
{
    if (!m_ziel)
        return;
    bool ok = false;
    const QFont f = QFontDialog::getFont(&ok, m_ziel->font(), this);
    if (ok) {
        m_ziel->setFont(f);
        m_ziel->document()->setDefaultFont(f);
    }
    m_ziel->setFocus();
}

// Blocks and bars follow the mouse while the left button is held.
bool TForm2::eventFilter(QObject* watched, QEvent* event)
{
    auto* w = qobject_cast<QWidget*>(watched);
    const QEvent::Type variety = event->type();
    if (!w || w->parentWidget() != PanelBg ||
        (variety != QEvent::MouseButtonPress && variety != QEvent::MouseMove &&
         variety != QEvent::MouseButtonRelease))
        return QDialog::eventFilter(watched, event);
    const auto* mouseInput = static_cast<QMouseEvent*>(event); // only mouse events get here
    switch (variety) {
    case QEvent::MouseButtonPress:
        if (mouseInput->button() == Qt::LeftButton) {
            m_bewegt = w;
            m_griff = mouseInput->position().toPoint();
            return true;
        }
        break;
    case QEvent::MouseMove:
        if (m_bewegt == w && (mouseInput->buttons() & Qt::LeftButton)) {
            w->move(w->mapToParent(mouseInput->position().toPoint()) - m_griff);
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        if (m_bewegt == w) {
            m_bewegt = nullptr;
            return true;
        }
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}
