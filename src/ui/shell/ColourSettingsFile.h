#pragma once

#include "core/documents/SettingsFile.h"

#include <QString>

#include <memory>
#include <optional>

struct FileSetting;
class FileDialogs;
class QAction;
class QSlider;
class DisplayHost;
struct ValueRowWidgets;
struct DisplayParts;

// Save, Save As, Open and the close question of the colour settings file.
// The window's caption is the current file's path; the enabled state of
// dateiSpeichern is the modified state.
class ColourSettingsFile
{
public:
    // The value rows hold the texts a file keeps.
    ColourSettingsFile(DisplayHost& host, DisplayParts& parts, ValueRowWidgets& values);
    ~ColourSettingsFile();
    // Connects and enables the file actions; dateiSpeichern starts unmodified.
    void connectActions();
    void setDialogs(std::unique_ptr<FileDialogs> dialogs);

    enum class SaveResult { persisted, declined, failed };
    SaveResult dateiSpeichernExecute();
    SaveResult dateiSpeichernUnterExecute();
    void dateiOeffnenExecute();
    // False when the user wanted the changes saved and writing them failed.
    bool FormCloseQuery();
    // False, with the message shown, when the file could not be read whole.
    bool datenEinlesen(const QString& pathName);
    // Open for a path chosen elsewhere (a later start forwarded it).
    void openPath(const QString& pathName);

    bool hasCurrentFile() const;
    bool modified() const;

private:
    QAction& saveAction() const;
    bool askToSaveChanges();
    void readWithoutLightDarkColour(const QString& pathName);
    bool questionBox(const QString& text) const;
    void errorBox(const QString& text) const;
    FileBlocks capture();
    bool writeSettingsFile(const QString& pathName, const FileBlocks& blocks) const;
    void applyChange(const ParsedFile& d, const QString& pathName);

    // One block applied to the document and drawn.
    void applyCombination(const SettingsBlock& b, const QString& pathName);
    // The big field's texts as the file holds them.
    void applyValueTexts(const FileSetting& e);

    DisplayHost& m_form;
    ValueRowWidgets& m_values;
    DisplayParts& m_parts;
    std::unique_ptr<FileDialogs> m_dialoge;
    QString m_letzterSpeichername;
};
