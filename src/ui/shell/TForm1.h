#pragma once

#include "core/state/MainState.h"
#include "core/tools/PipetteGeometry.h"
#include "ui/display/DisplayHost.h"
#include "ui/shell/HelpActions.h"
#include "ui/shell/TfBlind.h"
#include "ui/widgets/MainWidgets.h"

#include <QImage>
#include <QMainWindow>
#include <QSize>
#include <QString>

#include <memory>
#include <optional>

class ActionRegistry;
class ColourSettingsFile;
struct DisplayParts;
class ColourVisionActions;
class HistoryActions;
class QAction;
class QDragEnterEvent;
class QDropEvent;
class PortalColourPicker;
class ScreenReader;
class ShellOpener;
class TfPipette;
class TfRegistryForm;
class ValueOutput;
class PaletteExport;
class PaletteImport;
class PrintActions;
class ColourFormatsWindow;
class ScalesWindow;
class TForm2;
class WindowLayoutUi;

// The main window. Owns the colour state and the widgets; assembles the parts
// that do the work and runs the window's own life cycle (create, show, close).
class TForm1 : public QMainWindow, public DisplayHost, public HelpHost, public ResourceFormHost
{
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    const MainState& state() const override { return m_dokument.currentState(); }
    ColourDocument& colourDocument() override { return m_dokument; }
    MainWidgets& w() { return m_w; }
    const MainWidgets& w() const { return m_w; }

    // The angle image and the two working wheel pictures (the current band
    // type's unturned wheel, and the turned one).
    QWidget& mainWindow() override { return *this; }
    const LanguageTable& uiLanguage() const override;
    QWidget& helpWindow() override { return *this; }
    QMainWindow& textWindow() override { return *this; }

    // The help file: the program's folder followed by "manual.chm".
    const QString& helpFile() const override { return m_helpFile; }

    // --- wiring done by the start-up ---
    // The hidden resource form with the wheel pictures.
    void setBlind(const TfBlind& blind) override;
    const TfBlind* blind() const { return m_blind; }
    // The stored preferences (placement, background) read at the first show
    // and written at the close.
    void setPreferences(TfRegistryForm& preferences);
    // Parameter 1 of the command line, opened at the first show.
    void setCommandLineFile(const QString& path) { m_commandLineFile = path; }
    const QString& commandLineFile() const { return m_commandLineFile; }
    // The field display's recompute steps (painting, markers); none until it exists.
    // The screen size the first show measures; empty: the window's screen.
    void setScreenSizeOverride(QSize size) { m_screenSizeOverride = size; }

    // --- life cycle ---
    void FormCreate();
    void FormShow();
    void FormClose();

    // --- band type ---
    void realistischExecute();
    void luminoesExecute();
    // A typed-in big-field colour belongs to the luminous band: the realistic band
    // drops it, the luminous band fetches the big field again to show it.
    void switchBandType(bool luminoes) override;

    // --- dialogs ---
    // The settings dialog, created anew for each use and shown modally.
    void einstellungenMenuExecute();
    // The popup preview, made on first use and kept.
    void vollbildExecute();
    TForm2* preview() const { return m_vorschau.get(); }
    // Where web addresses go (the system's "open" action unless a test replaces it).
    void setShellOpener(std::unique_ptr<ShellOpener> opener);
    ShellOpener& shellOpener() override { return *m_shellOpener; }
    // The settings dialog opened on its "Tutorial" page (the tutorial handler's question).
    void showSettingsTutorial() override;
    // The stored preferences; nullptr before the start-up hands them over.
    TfRegistryForm* preferences() const override { return m_preferences; }
    // The first show's work is still to come.
    bool firstStart() const { return ersterStart; }

    // --- help, tutorial, update check, about box ---
    void hilfeInhaltExecute();
    // Opens a topic of the help file in the interface language, for the dialogs'
    // help buttons: showHelpTopic(QStringLiteral("::HTML\\page06.htm")).
    void showHelpTopic(const QString& topic) override;
    // The 20 tutorial actions' handler; `tag` is the action's tag (0..19).
    void HtmlHelpExecute(int tag);
    void hilfeInfoExecute();
    void onlineCheckAufUpdateExecute();
    // The help and tutorial handlers, with their help viewer seam and data folders.
    HelpActions& help() { return *m_hilfe; }
    // Colour vision simulation, the contrast window and the text view's contrast hints.
    ColourVisionActions& colourVision() { return *m_farbsehen; }
    // The print profile, the gamut warning and the soft proof.
    PrintActions& printActions() { return *m_druck; }
    // Undo, redo and the history window.
    HistoryActions& historyActions() { return *m_verlaufAktionen; }
    // The pipette, created anew for each run while the window is hidden.
    void pipetteExecute();
    // Where the pipette reads the screen (the desktop unless a test replaces it).
    void setScreenReader(std::unique_ptr<ScreenReader> reader);
    TfPipette* pipette() const { return m_pipette.get(); }

    // --- colour settings file ---
    ColourSettingsFile& fileItem() { return *m_datei; }

    // --- layout, size modes, background ---
    void FormResize();
    void aufloesung800x600();
    void programmOhneRandExecute();
    void ComboBox2Change();
    void ComboBox2CloseUp();
    void Timer2Timer();
    void resetStaticText() override;
    WindowLayoutUi& layout() override { return *m_layout; }

    // The window's actions, menus and tool bar.
    const ActionRegistry& actions() const override { return *m_actions; }
    // The field display's working parts (painting, modes, selection, band and
    // angle controls, light/dark field).
    DisplayParts& parts() { return *m_parts; }
    // Printing, copying all values, the intermediate values window.
    ValueOutput& valueOutput() { return *m_ausgabe; }
    // Export of the palette for other programs.
    PaletteExport& paletteExport() { return *m_export; }
    PaletteImport& paletteImport() { return *m_import; }
    // The colour formats window, created on first use; nullptr before.
    void colourFormatsExecute();
    ColourFormatsWindow* colourFormats() const { return m_farbformate.get(); }
    // The scales window, created on first use; nullptr before.
    void colourScalesExecute();
    ScalesWindow* colourScales() const { return m_skalen.get(); }
    // An action of the window by its name; nullptr for an unknown name.
    QAction* actionItem(const char* name) const override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // A dropped settings file opens; a palette file or a picture goes to the Palette window.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void connectWidgets();
    void connectActions();
    // Printing, copying all values and the palette export, with their actions.
    void connectOutputs();
    void connectPrint();
    // The settings dialog on one of its pages; a new print choice is taken after OK.
    void runSettings(bool tutorialPage);
    void showStartColours();
    void paintMarker(QPainter& painter, bool pointsDown) const;
    void applyStoredPlacement();
    // True when the file was read whole.
    bool openFileFromCommandLine();
    void portalPipette();
    QSize screenSize() const;

    ColourDocument m_dokument;
    ActionChoices m_gezeigteAktionen; // the choices the check marks show
    MainWidgets m_w;
    QString m_helpFile;
    bool ersterStart = true;
    QString m_commandLineFile;
    QSize m_screenSizeOverride;
    const TfBlind* m_blind = nullptr;
    TfRegistryForm* m_preferences = nullptr;
    std::unique_ptr<WindowLayoutUi> m_layout;
    std::unique_ptr<ActionRegistry> m_actions;
    std::unique_ptr<DisplayParts> m_parts;
    std::unique_ptr<ValueOutput> m_ausgabe;
    std::unique_ptr<PaletteExport> m_export;
    std::unique_ptr<PaletteImport> m_import;
    std::unique_ptr<ColourFormatsWindow> m_farbformate;
    std::unique_ptr<ScalesWindow> m_skalen;
    std::unique_ptr<TForm2> m_vorschau;
    std::unique_ptr<ShellOpener> m_shellOpener;
    std::unique_ptr<HelpActions> m_hilfe;
    std::unique_ptr<ColourVisionActions> m_farbsehen;
    std::unique_ptr<PrintActions> m_druck;
    std::unique_ptr<HistoryActions> m_verlaufAktionen;
    std::unique_ptr<ColourSettingsFile> m_datei;
    std::unique_ptr<ScreenReader> m_screenReader;
    PipetteState m_pipettenStand;
    std::unique_ptr<TfPipette> m_pipette;
    std::unique_ptr<PortalColourPicker> m_portal;
};
