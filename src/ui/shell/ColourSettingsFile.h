#pragma once

#include "core/documents/SettingsFile.h"

#include <QString>

#include <memory>
#include <optional>

struct DateiEinstellung;
class FileDialogs;
class QAction;
class QSlider;
class TForm1;

// Save, Save As, Open and the close question of the colour settings file.
// The window's caption is the current file's path; the enabled state of
// dateiSpeichern is the modified state.
class ColourSettingsFile
{
public:
    explicit ColourSettingsFile(TForm1& form);
    ~ColourSettingsFile();
    // Connects and enables the file actions; dateiSpeichern starts unmodified.
    void connectActions();
    void setDialogs(std::unique_ptr<FileDialogs> dialoge);

    enum class Speichern { gespeichert, abgelehnt, fehlgeschlagen };
    Speichern dateiSpeichernExecute();
    Speichern dateiSpeichernUnterExecute();
    void dateiOeffnenExecute();
    // False when the user wanted the changes saved and writing them failed.
    bool FormCloseQuery();
    // False, with the message shown, when the file could not be read whole.
    bool datenEinlesen(const QString& pfad);
    // Open for a path chosen elsewhere (a later start forwarded it).
    void pfadOeffnen(const QString& pfad);

    bool aktuelleDatei() const;
    bool geaendert() const;

private:
    QAction& speichernAktion() const;
    bool aenderungenSpeichernFragen();
    void einlesenOhneHdFarbe(const QString& pfad);
    bool frage(const QString& text) const;
    void fehler(const QString& text) const;
    DateiBloecke erfassen();
    bool dateiSchreiben(const QString& pfad, const DateiBloecke& bloecke) const;
    void anwenden(const GeleseneDatei& d, const QString& pfad);

    // One block applied to the document and drawn.
    void kombinationAnwenden(const EinstellungsBlock& b, const QString& pfad);
    // The big field's texts as the file holds them.
    void werteTexteAnwenden(const DateiEinstellung& e);

    TForm1& m_form;
    std::unique_ptr<FileDialogs> m_dialoge;
    QString m_letzterSpeichername;
};
