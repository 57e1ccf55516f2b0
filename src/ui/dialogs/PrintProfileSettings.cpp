#include "ui/dialogs/PrintProfileSettings.h"

#include "core/language/LanguageTable.h"
#include "platform/desktop/FileDialogs.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

PrintProfileSettings::PrintProfileSettings(const LanguageTable& texts, const QVector<FoundProfile>& found,
                                           const PrintProfileChoice& current, FileDialogs& files,
                                           QWidget* parent)
    : QWidget(parent), m_texts(texts), m_files(files)
{
    build(found);
    select(current);
    connect(profileBox, &QComboBox::currentIndexChanged, this, [this] {
        message->clear();
        emit choiceChanged();
    });
    connect(intentBox, &QComboBox::currentIndexChanged, this, &PrintProfileSettings::choiceChanged);
    connect(loadButton, &QPushButton::clicked, this, &PrintProfileSettings::loadFile);
}

void PrintProfileSettings::build(const QVector<FoundProfile>& found)
{
    auto* grid = new QGridLayout(this);
    auto* profileLabel = new QLabel(m_texts.text(Txt::printProfileLabel), this);
    profileBox = new QComboBox(this);
    profileBox->setObjectName(QStringLiteral("printProfileBox"));
    profileBox->addItem(m_texts.text(Txt::printProfileNone), QString());
    for (const FoundProfile& p : found) {
        profileBox->addItem(p.description, p.path);
        profileBox->setItemData(profileBox->count() - 1, p.path, Qt::ToolTipRole);
    }
    profileLabel->setBuddy(profileBox);
    loadButton = new QPushButton(m_texts.text(Txt::printProfileLoad), this);
    auto* intentLabel = new QLabel(m_texts.text(Txt::printIntentLabel), this);
    intentBox = new QComboBox(this);
    intentBox->setObjectName(QStringLiteral("printIntentBox"));
    intentBox->addItem(m_texts.text(Txt::printIntentRelative),
                       static_cast<int>(PrintIntent::relativeColorimetric));
    intentBox->addItem(m_texts.text(Txt::printIntentPerceptual), static_cast<int>(PrintIntent::perceptual));
    intentLabel->setBuddy(intentBox);
    message = new QLabel(this);
    message->setWordWrap(true);
    grid->addWidget(profileLabel, 0, 0);
    grid->addWidget(profileBox, 0, 1);
    grid->addWidget(loadButton, 0, 2);
    grid->addWidget(intentLabel, 1, 0);
    grid->addWidget(intentBox, 1, 1, 1, 2); // the intents' names are long
    grid->addWidget(message, 2, 0, 1, 3);
    grid->setColumnStretch(1, 1);
}

void PrintProfileSettings::select(const PrintProfileChoice& current)
{
    intentBox->setCurrentIndex(intentBox->findData(static_cast<int>(current.intent)));
    if (current.path.isEmpty() || offer(current.path))
        return;
    // The stored profile is gone or damaged: say so; no profile until another is chosen.
    profileBox->setCurrentIndex(0);
}

bool PrintProfileSettings::offer(const QString& path)
{
    const ProfileLoad load = profileFromFile(path);
    if (!load.profile) {
        message->setText(m_texts
                             .text(load.problem == ProfileProblem::notCmykOutput ? Txt::profileNotCmykOutput
                                                                                 : Txt::profileUnreadable)
                             .arg(QDir::toNativeSeparators(path)));
        return false;
    }
    int index = profileBox->findData(path);
    if (index < 0) {
        const QString description = load.profile->description();
        profileBox->addItem(description.isEmpty() ? QFileInfo(path).fileName() : description, path);
        index = profileBox->count() - 1;
        profileBox->setItemData(index, path, Qt::ToolTipRole);
    }
    profileBox->setCurrentIndex(index);
    message->clear();
    return true;
}

void PrintProfileSettings::loadFile()
{
    if (const std::optional<QString> path = m_files.tryOpen(this, m_texts.text(Txt::printProfileFilter)))
        offer(*path);
}

PrintProfileChoice PrintProfileSettings::choice() const
{
    return {profileBox->currentData().toString(), static_cast<PrintIntent>(intentBox->currentData().toInt())};
}
