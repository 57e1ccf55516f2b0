#include "ui/documents/PaletteExport.h"

#include "core/export/PaletteFormats.h"
#include "core/language/LanguageTable.h"
#include "platform/desktop/FileDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMessageBox>

#include <algorithm>

PaletteExport::PaletteExport(const MainState& state, std::function<const LanguageTable&()> language,
                             QWidget& window)
    : m_state(state), m_language(std::move(language)), m_window(window),
      m_dialoge(std::make_unique<QtFileDialogs>())
{
}

PaletteExport::~PaletteExport() = default;

void PaletteExport::setDialogs(std::unique_ptr<FileDialogs> dialogs)
{
    if (dialogs)
        m_dialoge = std::move(dialogs);
}

Palette PaletteExport::shownPalette() const
{
    return paletteFrom(m_state, m_language());
}

bool PaletteExport::questionBox(const QString& text) const
{
    QMessageBox box(QMessageBox::Question, m_language().text(Txt::questionBox), text,
                    QMessageBox::Yes | QMessageBox::No, &m_window);
    return box.exec() == QMessageBox::Yes;
}

void PaletteExport::errorBox(const QString& text) const
{
    QMessageBox box(QMessageBox::Critical, m_language().text(Txt::errorBox), text, QMessageBox::Ok,
                    &m_window);
    box.exec();
}

// The last export's name, else the settings file's name, as a GIMP palette.
QString PaletteExport::suggestion() const
{
    if (!m_letzterPfad.isEmpty())
        return m_letzterPfad;
    const QString titleText = m_window.windowTitle();
    const QString basis = titleText != m_language().mainWindowTitle()
                              ? QFileInfo(titleText).completeBaseName()
                              : QStringLiteral("Tinctora");
    return basis + QLatin1String(paletteFormat(PaletteFormat::gpl).extension);
}

// The texts are set anew each time: the language may have changed since.
QWidget* PaletteExport::scaleOptions()
{
    if (!m_scaleOptions) {
        m_scaleOptions = std::make_unique<QWidget>();
        m_withScales = new QCheckBox(m_scaleOptions.get());
        m_method = new QComboBox(m_scaleOptions.get());
        m_method->addItems({QString(), QString()});
        m_method->setEnabled(false);
        QObject::connect(m_withScales, &QCheckBox::toggled, m_method, &QComboBox::setEnabled);
        auto* rowLine = new QHBoxLayout(m_scaleOptions.get());
        rowLine->setContentsMargins(0, 0, 0, 0);
        rowLine->addWidget(m_withScales);
        rowLine->addWidget(m_method, 1);
    }
    const LanguageTable& t = m_language();
    m_withScales->setText(t.text(Txt::scaleExportCheck));
    m_method->setItemText(0, t.text(Txt::scaleExportWcag));
    m_method->setItemText(1, t.text(Txt::scaleExportApca));
    return m_scaleOptions.get();
}

std::optional<QVector<ExportFile>> PaletteExport::exportFiles(PaletteFormat f, const QString& pathName) const
{
    const QString titleText = QFileInfo(pathName).completeBaseName();
    if (m_withScales->isChecked() && carriesScales(f)) {
        ScaleExportRequest r;
        r.method = m_method->currentIndex() == 1 ? ContrastMethod::apca : ContrastMethod::wcag2;
        r.targets = defaultTargets(r.method);
        return scaleExportFiles(shownPalette(), f, pathName, titleText, r, m_language());
    }
    const std::optional<QByteArray> payload = paletteData(shownPalette(), f, titleText);
    if (!payload)
        return std::nullopt;
    return QVector<ExportFile>{{pathName, *payload}};
}

void PaletteExport::exportPaletteExecute()
{
    const LanguageTable& t = m_language();
    const std::optional<FileDialogs::SaveTarget> target =
        m_dialoge->chooseSaveFileWithFilter(&m_window, exportFilter(t), suggestion(), scaleOptions());
    if (!target)
        return;
    std::optional<PaletteFormat> format = formatFromPath(target->pathName);
    for (const PaletteFormatDef& d : paletteFormats())
        if (!format && t.text(d.descriptionText) == target->filter)
            format = d.id;
    const QString pathName = withFormatExtension(target->pathName, format.value_or(PaletteFormat::gpl));
    const std::optional<QVector<ExportFile>> dateien =
        exportFiles(format.value_or(PaletteFormat::gpl), pathName);
    // The dialog does not ask: the extension may have been added after it.
    const bool vorhanden = dateien && std::any_of(dateien->begin(), dateien->end(), [](const ExportFile& d) {
                               return QFileInfo::exists(d.path);
                           });
    if (vorhanden && !questionBox(t.text(Txt::overwriteFile)))
        return;
    m_letzterPfad = pathName;
    const bool geschrieben =
        dateien && std::all_of(dateien->begin(), dateien->end(),
                               [](const ExportFile& d) { return writeFileAtomically(d.path, d.data); });
    if (!geschrieben)
        errorBox(t.text(Txt::fileNotCreated));
}
