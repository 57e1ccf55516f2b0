#pragma once

#include "core/print/PrintConversion.h"
#include "platform/print/ProfileFolders.h"

#include <QWidget>

class FileDialogs;
class LanguageTable;
class QComboBox;
class QLabel;
class QPushButton;

// The print profile and its rendering intent, as the preferences keep them.
struct PrintProfileChoice {
    QString path; // empty: no profile, the naive formula
    PrintIntent intent = PrintIntent::relativeColorimetric;
    bool operator==(const PrintProfileChoice&) const = default;
};

// The print profile part of the settings: the CMYK output profiles found, a
// file the user loads, and the intent. A file that is no usable CMYK output
// profile is refused with a message and the previous choice stays.
class PrintProfileSettings : public QWidget
{
    Q_OBJECT

public:
    PrintProfileSettings(const LanguageTable& texts, const QVector<FoundProfile>& found,
                         const PrintProfileChoice& current, FileDialogs& files, QWidget* parent = nullptr);

    PrintProfileChoice choice() const;

    QComboBox* profileBox = nullptr; // "no profile" first, then the profiles by description
    QPushButton* loadButton = nullptr;
    QComboBox* intentBox = nullptr;
    QLabel* message = nullptr; // why the last file was refused; empty otherwise

signals:
    void choiceChanged();

private:
    void build(const QVector<FoundProfile>& found);
    void select(const PrintProfileChoice& current);
    // Selects the profile's entry, adding one for a file not among those found.
    bool offer(const QString& path);
    void loadFile();

    const LanguageTable& m_texts;
    FileDialogs& m_files;
};
