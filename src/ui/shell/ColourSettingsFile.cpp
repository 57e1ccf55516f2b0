#include "ui/shell/ColourSettingsFile.h"

#include "core/documents/SafeWrite.h"
#include "core/documents/SettingsApply.h"
#include "core/harmony/FixSnapshot.h"
#include "core/language/LanguageTable.h"
#include "platform/desktop/FileDialogs.h"
#include "ui/display/DisplayHost.h"
#include "ui/display/DisplayParts.h"
#include "ui/display/FieldSelection.h"
#include "ui/display/Fixing.h"
#include "ui/display/LightDarkField.h"
#include "ui/display/ModeActions.h"
#include "ui/language/ActionRegistry.h"
#include "ui/layout/WindowLayoutUi.h"
#include "ui/widgets/MainWidgets.h"
#include "ui/widgets/StaticText.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>

#include <algorithm>

namespace
{

ValueTexts valueTexts(const StaticText* r, const StaticText* g, const StaticText* b, const StaticText* hex)
{
    return {r->text(), g->text(), b->text(), hex->text()};
}

} // namespace

ColourSettingsFile::ColourSettingsFile(DisplayHost& host, DisplayParts& parts, ValueRowWidgets& values)
    : m_form(host), m_values(values), m_parts(parts), m_dialoge(std::make_unique<QtFileDialogs>())
{
}

ColourSettingsFile::~ColourSettingsFile() = default;

void ColourSettingsFile::connectActions()
{
    const ActionRegistry& actionSet = m_form.actions();
    const auto verbinden = [&](ActionId id, auto handler) {
        QAction& a = actionSet.action(id);
        QObject::connect(&a, &QAction::triggered, &m_form.mainWindow(),
                         [this, handler] { (this->*handler)(); });
        a.setEnabled(true);
    };
    verbinden(ActionId::dateiOeffnen, &ColourSettingsFile::dateiOeffnenExecute);
    verbinden(ActionId::ShortCutStrgO, &ColourSettingsFile::dateiOeffnenExecute);
    verbinden(ActionId::dateiSpeichern, &ColourSettingsFile::dateiSpeichernExecute);
    verbinden(ActionId::ShortCutStrgS, &ColourSettingsFile::dateiSpeichernExecute);
    verbinden(ActionId::dateiSpeichernUnter, &ColourSettingsFile::dateiSpeichernUnterExecute);
    saveAction().setEnabled(false);
}

void ColourSettingsFile::setDialogs(std::unique_ptr<FileDialogs> dialogs)
{
    if (dialogs)
        m_dialoge = std::move(dialogs);
}

QAction& ColourSettingsFile::saveAction() const
{
    return m_form.actions().action(ActionId::dateiSpeichern);
}

bool ColourSettingsFile::hasCurrentFile() const
{
    return m_form.mainWindow().windowTitle() != m_form.uiLanguage().mainWindowTitle();
}

bool ColourSettingsFile::modified() const
{
    return saveAction().isEnabled();
}

bool ColourSettingsFile::questionBox(const QString& text) const
{
    QMessageBox box(QMessageBox::Question, m_form.uiLanguage().text(Txt::questionBox), text,
                    QMessageBox::Yes | QMessageBox::No, &m_form.mainWindow());
    return box.exec() == QMessageBox::Yes;
}

void ColourSettingsFile::errorBox(const QString& text) const
{
    QMessageBox box(QMessageBox::Critical, m_form.uiLanguage().text(Txt::errorBox), text, QMessageBox::Ok,
                    &m_form.mainWindow());
    box.exec();
}

ColourSettingsFile::SaveResult ColourSettingsFile::dateiSpeichernExecute()
{
    const MainState& s = m_form.state();
    const LanguageTable& textSet = m_form.uiLanguage();
    if (s.websicherUebernommen && !questionBox(textSet.text(Txt::webSafeSaveQuestion)))
        return SaveResult::declined;
    const QString pathName = m_form.mainWindow().windowTitle();
    if (!hasCurrentFile())
        return dateiSpeichernUnterExecute();
    if (!writeSettingsFile(pathName, capture())) {
        errorBox(textSet.text(Txt::fileNotCreated));
        return SaveResult::failed;
    }
    m_form.colourDocument().finishStep();
    m_form.colourDocument().history().setClean();
    saveAction().setEnabled(false);
    return SaveResult::persisted;
}

FileBlocks ColourSettingsFile::capture()
{
    const MainState& s = m_form.state();
    FixSnapshot current = fixSnapshotFrom(s, inputsFrom(s));
    current.fixSeparat = s.actionSet.farbenSeparatEinstellen ? 1 : 0;
    m_form.colourDocument().fileValuesFrom(current);
    const FileOptions options{.websicher = s.actionSet.nurWebsichereFarbenAnzeigen,
                              .textInstead = s.actionSet.textInsteadOfFields && !isRowMode(s.harmonyMode()),
                              .fixiert = s.actionSet.fixieren};
    return fileBlocks(current, s.fixStand, s.fixLinksAktiv, options,
                      valueTexts(m_values.SGrObR, m_values.SGrObG, m_values.SGrObB, m_values.SGrObHex),
                      valueTexts(m_values.SGrUnR, m_values.SGrUnG, m_values.SGrUnB, m_values.SGrUnHex));
}

bool ColourSettingsFile::writeSettingsFile(const QString& pathName, const FileBlocks& blocks) const
{
    return writeFileAtomically(pathName, encode(blocks));
}

ColourSettingsFile::SaveResult ColourSettingsFile::dateiSpeichernUnterExecute()
{
    if (hasCurrentFile())
        m_letzterSpeichername = m_form.mainWindow().windowTitle();
    const std::optional<QString> chosen = m_dialoge->chooseSaveFile(
        &m_form.mainWindow(), m_form.uiLanguage().settingsFileFilter(), m_letzterSpeichername);
    if (!chosen)
        return SaveResult::declined;
    m_letzterSpeichername = *chosen;
    const QString pathName = withTnfxExtension(*chosen);
    if (QFileInfo::exists(pathName) && !questionBox(m_form.uiLanguage().text(Txt::overwriteFile)))
        return SaveResult::declined;
    m_form.mainWindow().setWindowTitle(pathName);
    return dateiSpeichernExecute();
}

bool ColourSettingsFile::askToSaveChanges()
{
    if (!hasCurrentFile() || !modified())
        return true;
    const QString name = QFileInfo(m_form.mainWindow().windowTitle()).fileName();
    if (!questionBox(m_form.uiLanguage().text(Txt::saveChangesIn) + name + QLatin1Char('?')))
        return true;
    // A No to the web-safe question is the user's choice; only a failed write stops.
    return dateiSpeichernExecute() != SaveResult::failed;
}

void ColourSettingsFile::dateiOeffnenExecute()
{
    if (!askToSaveChanges())
        return;
    const std::optional<QString> pathName =
        m_dialoge->tryOpen(&m_form.mainWindow(), m_form.uiLanguage().settingsFileFilter());
    if (pathName)
        readWithoutLightDarkColour(*pathName);
}

void ColourSettingsFile::openPath(const QString& pathName)
{
    if (askToSaveChanges())
        readWithoutLightDarkColour(pathName);
}

void ColourSettingsFile::readWithoutLightDarkColour(const QString& pathName)
{
    {
        const auto holdColour = m_parts.lightDark->holdColour();
        if (!datenEinlesen(pathName))
            return;
    }
    // Selecting the big field repaints it but changes nothing the file holds.
    const bool loaded = !modified();
    m_parts.selection->Anzeige_NormalClick2();
    // An opened file starts a history of its own.
    m_form.colourDocument().restartHistory();
    if (loaded)
        saveAction().setEnabled(false);
}

bool ColourSettingsFile::FormCloseQuery()
{
    return askToSaveChanges();
}

// The whole file is read and checked before anything changes: a file that
// cannot be read leaves the display, fixing, caption and modified state alone.
bool ColourSettingsFile::datenEinlesen(const QString& pathName)
{
    const QString voll = QDir::cleanPath(QFileInfo(pathName).absoluteFilePath());
    ParsedFile d;
    QFile source(voll);
    if (source.open(QIODevice::ReadOnly))
        d = readIn(source, isTwoBlockFile(voll));
    if (!d.fullyRead) {
        const LanguageTable& textSet = m_form.uiLanguage();
        errorBox(textSet.text(Txt::fileNotReadBefore) + voll + textSet.text(Txt::fileNotReadAfter));
        return false;
    }
    DisplayParts& parts = m_parts;
    if (m_form.state().fixiert)
        parts.fixing->fixierenExecute();
    applyChange(d, voll);
    m_form.layout().releaseBackgroundBoxFocus();
    return true;
}

void ColourSettingsFile::applyChange(const ParsedFile& d, const QString& pathName)
{
    DisplayParts& parts = m_parts;
    applyCombination(*d.block1, pathName);
    if (d.fixiert == 1) {
        if (!m_form.state().fixiert)
            parts.fixing->fixierenExecute();
        // Not through the halves' click handlers: a colour row's background ignores clicks.
        parts.selection->editHalf(true);
        applyCombination(*d.block2, pathName);
        parts.selection->editHalf(false);
    }
    // Swapping the halves back repaints; the load is over only after it.
    saveAction().setEnabled(false);
}

// The block goes to the document through the core's routine, as every whole
// combination does; the display is then drawn once from the state.
void ColourSettingsFile::applyCombination(const SettingsBlock& b, const QString& pathName)
{
    const FileSetting e = fileSetting(b);
    ColourDocument& colourDocument = m_form.colourDocument();
    {
        const ColourDocument::Batch eineAenderung(colourDocument);
        colourDocument.rememberFileValues(b);
        colourDocument.applySetting(e);
    }
    applyValueTexts(e);
    m_form.mainWindow().setWindowTitle(pathName);
    saveAction().setEnabled(false);
}

// Into the value row of the combination being edited: the upper row would
// give the right-hand combination the left one's texts.
void ColourSettingsFile::applyValueTexts(const FileSetting& e)
{
    if (!e.textSet)
        return;
    const bool unten = m_form.state().fixLinksAktiv;
    (unten ? m_values.SGrUnR : m_values.SGrObR)->setText(e.textSet->r);
    (unten ? m_values.SGrUnG : m_values.SGrObG)->setText(e.textSet->g);
    (unten ? m_values.SGrUnB : m_values.SGrObB)->setText(e.textSet->b);
    (unten ? m_values.SGrUnHex : m_values.SGrObHex)->setText(e.textSet->hex);
}
