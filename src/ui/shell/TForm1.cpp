#include "ui/shell/TForm1.h"

#include "ui/shell/KeyboardOrder.h"

#include "platform/screen/PortalColourPicker.h"
#include "platform/screen/ScreenReader.h"
#include "ui/dialogs/TfPipette.h"

#include "core/colour/Conversions.h"
#include "core/layout/WindowLayout.h"
#include "core/prefs/RegistryForm.h"
#include "platform/desktop/DesktopShellOpener.h"
#include "ui/accessibility/MainWindowAccessibility.h"
#include "ui/display/BandAngleControls.h"
#include "ui/display/DisplayParts.h"
#include "ui/display/FieldDisplay.h"
#include "ui/display/FieldSelection.h"
#include "ui/display/ManualInputApply.h"
#include "ui/documents/ColourFormatsWindow.h"
#include "ui/documents/PaletteExport.h"
#include "ui/documents/ScalesWindow.h"
#include "ui/documents/TForm2.h"
#include "ui/documents/ValueOutput.h"
#include "ui/language/ActionRegistry.h"
#include "ui/layout/WindowLayoutUi.h"
#include "ui/shell/ColourSettingsFile.h"
#include "ui/shell/ColourVisionActions.h"
#include "ui/shell/HelpActions.h"
#include "ui/shell/HistoryActions.h"
#include "ui/shell/PaletteImport.h"
#include "ui/shell/PrintActions.h"
#include "ui/shell/TfBlind.h"
#include "ui/widgets/ColourPanel.h"
#include "ui/widgets/PictureBox.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <QUrl>

namespace
{

// Runs a handler when a list box's drop-down closes.
class DropDownClosed : public QObject
{
public:
    DropDownClosed(QComboBox* box, std::function<void()> handler)
        : QObject(box), m_handler(std::move(handler))
    {
        box->view()->window()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Hide)
            m_handler();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_handler;
};

} // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tinctora"));
    resize(defaultWindowWidth, defaultWindowHeight);
    m_actions = std::make_unique<ActionRegistry>(ActionRegistry::assemble(*this));
    buildMainWidgets(*this, m_w);
    m_layout = std::make_unique<WindowLayoutUi>(*this, m_w, m_dokument);
    m_shellOpener = std::make_unique<DesktopShellOpener>();
    m_hilfe = std::make_unique<HelpActions>(*this);
    m_parts = std::make_unique<DisplayParts>(*this, m_w);
    m_datei = std::make_unique<ColourSettingsFile>(*this, *m_parts, m_w.values);
    connectWidgets();
    connectActions();
    // The actions' check marks show the document's choices, whoever made them.
    connect(&m_dokument, &ColourDocument::modified, this, [this] {
        // A band drag announces every move; the marks change only with the choices.
        if (state().actionSet == m_gezeigteAktionen)
            return;
        m_gezeigteAktionen = state().actionSet;
        m_actions->showActionState(m_gezeigteAktionen);
    });
    m_parts->connectAll();
    setKeyboardOrder(*this, m_w);
    // Owned by the window; made before it shows so that Qt's own interfaces never stand in.
    new MainWindowAccessibility(*this, m_w, *m_parts, this);
    m_parts->selection->watchBackgrounds({m_w.regions.centralArea, m_w.regions.panelBG,
                                          m_w.lightDark.HellDunkelGrau, m_w.angle.Panel13,
                                          m_w.regions.panelHintergrund, m_w.regions.Panel14,
                                          m_w.regions.Panel15, m_w.values.WerteOben, m_w.values.WerteUnten});
    connectOutputs();
    m_datei->connectActions();
    m_farbsehen = std::make_unique<ColourVisionActions>(*this, m_w.fields, m_w.furniture);
    m_farbsehen->connectActions();
    connectPrint();
    m_verlaufAktionen = std::make_unique<HistoryActions>(*this);
    m_verlaufAktionen->connectActions();
    FormCreate();
}

TForm1::~TForm1() = default;

namespace
{

QString droppedFile(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return {};
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            return url.toLocalFile();
    return {};
}

} // namespace

void TForm1::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event)
{
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("tnfx") || suffix == QLatin1String("tnf"))
        m_datei->openPath(path);
    else
        m_import->openFile(path);
}

void TForm1::connectWidgets()
{
    connect(m_w.regions.centralArea, &ColourPanel::resized, this, [this] {
        if (!m_dokument.window().compactLayout)
            placeRegions(m_w);
        FormResize();
    });
    m_w.band.PaintBox1->setPainter([this](QPainter& p, const QRect&) { paintMarker(p, true); });
    m_w.band.PaintBox2->setPainter([this](QPainter& p, const QRect&) { paintMarker(p, false); });
    connect(m_w.regions.ComboBox2, &QComboBox::activated, this, [this] { ComboBox2Change(); });
    new DropDownClosed(m_w.regions.ComboBox2, [this] { ComboBox2CloseUp(); });
    connect(m_w.furniture.Timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);
}

// The actions whose handlers exist are enabled; the others stay disabled
// until their parts join the window.
void TForm1::connectOutputs()
{
    const auto language = [this]() -> const LanguageTable& { return uiLanguage(); };
    m_ausgabe = std::make_unique<ValueOutput>(state(), language, *this, [this] { resetStaticText(); });
    m_export = std::make_unique<PaletteExport>(state(), language, *this);
    const auto verbinden = [this](ActionId id, auto handler) {
        QAction& a = m_actions->action(id);
        connect(&a, &QAction::triggered, this, handler);
        a.setEnabled(true);
    };
    verbinden(ActionId::werteDrucken, [this] { m_ausgabe->werteDruckenExecute(); });
    verbinden(ActionId::ShortCutStrgP, [this] { m_ausgabe->werteDruckenExecute(); });
    verbinden(ActionId::alleWerteKopieren, [this] { m_ausgabe->alleWerteKopierenExecute(); });
    verbinden(ActionId::exportPalette, [this] { m_export->exportPaletteExecute(); });
    m_import = std::make_unique<PaletteImport>(*this, language, [this](QRgb c) {
        m_parts->input->applyPipetteColour(hexText(qRed(c), qGreen(c), qBlue(c)));
    });
    verbinden(ActionId::importPalette, [this] { m_import->importPaletteExecute(); });
    verbinden(ActionId::pasteColours, [this] { m_import->pasteColoursExecute(); });
    setAcceptDrops(true);
    connect(m_w.rowControls.Button1, &QPushButton::clicked, this, [this] { m_ausgabe->Button1Click(); });
}

void TForm1::connectActions()
{
    const auto verbinden = [this](ActionId id, void (TForm1::*handler)()) {
        QAction& a = m_actions->action(id);
        connect(&a, &QAction::triggered, this, handler);
        a.setEnabled(true);
    };
    verbinden(ActionId::realistisch, &TForm1::realistischExecute);
    verbinden(ActionId::luminoes, &TForm1::luminoesExecute);
    verbinden(ActionId::programmOhneRand, &TForm1::programmOhneRandExecute);
    verbinden(ActionId::vollbild, &TForm1::vollbildExecute);
    verbinden(ActionId::pipette, &TForm1::pipetteExecute);
    connect(&m_actions->action(ActionId::FileExit1), &QAction::triggered, this, &QWidget::close);
    m_actions->action(ActionId::FileExit1).setEnabled(true);
    verbinden(ActionId::hilfeInhalt, &TForm1::hilfeInhaltExecute);
    verbinden(ActionId::hilfeInfo, &TForm1::hilfeInfoExecute);
    verbinden(ActionId::onlineCheckAufUpdate, &TForm1::onlineCheckAufUpdateExecute);
    verbinden(ActionId::colourFormats, &TForm1::colourFormatsExecute);
    verbinden(ActionId::colourScales, &TForm1::colourScalesExecute);
    // The value rows' context menu offers the formats of the selected field too.
    m_w.furniture.PopupMenu1a->addAction(&m_actions->action(ActionId::colourFormats));
}

void TForm1::setBlind(const TfBlind& blind)
{
    m_blind = &blind;
    m_parts->band->setWheels([&blind](bool luminous) -> const QImage& {
        return luminous ? blind.ImageOriginalLUM() : blind.ImageOriginalREAL();
    });
}

void TForm1::setPreferences(TfRegistryForm& preferences)
{
    m_preferences = &preferences;
    m_druck->takeChoice({preferences.printProfilePath, static_cast<PrintIntent>(preferences.printIntent)});
    // The settings dialog edits a stored preference, so it needs the store.
    QAction& einstellungen = m_actions->action(ActionId::einstellungenMenu);
    if (!einstellungen.isEnabled()) {
        connect(&einstellungen, &QAction::triggered, this, &TForm1::einstellungenMenuExecute);
        einstellungen.setEnabled(true);
        // The tutorial actions read and store the tutorial path.
        for (int a = static_cast<int>(ActionId::tutorialStartseite);
             a <= static_cast<int>(ActionId::tutorialHeadlines); ++a) {
            QAction& tutorial = m_actions->action(static_cast<ActionId>(a));
            connect(&tutorial, &QAction::triggered, this,
                    [this, &tutorial] { HtmlHelpExecute(tutorial.data().toInt()); });
            tutorial.setEnabled(true);
        }
    }
}

QAction* TForm1::actionItem(const char* name) const
{
    return m_actions->action(QString::fromLatin1(name));
}

QSize TForm1::screenSize() const
{
    if (m_screenSizeOverride.isValid())
        return m_screenSizeOverride;
    const QScreen* s = screen();
    return s ? s->size() : QSize();
}

void TForm1::FormResize()
{
    m_layout->FormResize();
}

void TForm1::aufloesung800x600()
{
    m_layout->aufloesung800x600();
}

void TForm1::programmOhneRandExecute()
{
    if (QAction* a = actionItem("programmOhneRand"))
        m_layout->programmOhneRandExecute(*a);
}

void TForm1::ComboBox2Change()
{
    m_layout->ComboBox2Change();
    m_w.band.PaintBox1->update(); // the band markers turn gray on black
    m_w.band.PaintBox2->update();
}

void TForm1::ComboBox2CloseUp()
{
    m_layout->ComboBox2CloseUp();
}

void TForm1::Timer2Timer()
{
    m_w.furniture.Timer2->stop();
    resetStaticText();
}

void TForm1::resetStaticText()
{
    m_layout->resetStaticText();
}

void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // Restoring from the task bar is no new show.
    if (!event->spontaneous())
        FormShow();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // Changes the user asked to keep but that could not be written keep the window open.
    if (!m_datei->FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

const LanguageTable& TForm1::uiLanguage() const
{
    if (m_blind)
        return m_blind->uiLanguage;
    // Before the resource form exists the window still shows its design texts
    // in German, so the status texts follow them.
    static const LanguageTable german = LanguageTable::forLanguage(Language::german);
    return german;
}
