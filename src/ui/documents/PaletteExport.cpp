#include "ui/documents/PaletteExport.h"

#include "core/export/PaletteFormats.h"
#include "core/language/LanguageTable.h"
#include "platform/desktop/FileDialogs.h"
#include "ui/display/DisplayHost.h"
#include "ui/language/ActionRegistry.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMessageBox>

#include <algorithm>

PaletteExport::PaletteExport(DisplayHost& host) : m_host(host), m_dialoge(std::make_unique<QtFileDialogs>())
{
}

PaletteExport::~PaletteExport() = default;

void PaletteExport::connectWidgets()
{
    QAction& a = m_host.actions().action(Aktion::paletteExportieren);
    QObject::connect(&a, &QAction::triggered, &m_host.hauptfenster(),
                     [this] { paletteExportierenExecute(); });
    a.setEnabled(true);
}

void PaletteExport::setDialogs(std::unique_ptr<FileDialogs> dialoge)
{
    if (dialoge)
        m_dialoge = std::move(dialoge);
}

Palette PaletteExport::angezeigtePalette() const
{
    return paletteAus(m_host.state(), m_host.sprache());
}

bool PaletteExport::frage(const QString& text) const
{
    QMessageBox box(QMessageBox::Question, m_host.sprache().text(Txt::frage), text,
                    QMessageBox::Yes | QMessageBox::No, &m_host.hauptfenster());
    return box.exec() == QMessageBox::Yes;
}

void PaletteExport::fehler(const QString& text) const
{
    QMessageBox box(QMessageBox::Critical, m_host.sprache().text(Txt::fehler), text, QMessageBox::Ok,
                    &m_host.hauptfenster());
    box.exec();
}

// The last export's name, else the settings file's name, as a GIMP palette.
QString PaletteExport::vorschlag() const
{
    if (!m_letzterPfad.isEmpty())
        return m_letzterPfad;
    const QString titel = m_host.hauptfenster().windowTitle();
    const QString basis = titel != m_host.sprache().fensterTitel() ? QFileInfo(titel).completeBaseName()
                                                                   : QStringLiteral("Tinctora");
    return basis + QLatin1String(paletteFormat(PaletteFormat::gpl).endung);
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
        auto* zeile = new QHBoxLayout(m_scaleOptions.get());
        zeile->setContentsMargins(0, 0, 0, 0);
        zeile->addWidget(m_withScales);
        zeile->addWidget(m_method, 1);
    }
    const LanguageTable& t = m_host.sprache();
    m_withScales->setText(t.text(Txt::scaleExportCheck));
    m_method->setItemText(0, t.text(Txt::scaleExportWcag));
    m_method->setItemText(1, t.text(Txt::scaleExportApca));
    return m_scaleOptions.get();
}

std::optional<QVector<ExportFile>> PaletteExport::exportFiles(PaletteFormat f, const QString& pfad) const
{
    const QString titel = QFileInfo(pfad).completeBaseName();
    if (m_withScales->isChecked() && carriesScales(f)) {
        ScaleExportRequest r;
        r.method = m_method->currentIndex() == 1 ? ContrastMethod::apca : ContrastMethod::wcag2;
        r.targets = defaultTargets(r.method);
        return scaleExportFiles(angezeigtePalette(), f, pfad, titel, r, m_host.sprache());
    }
    const std::optional<QByteArray> daten = paletteDaten(angezeigtePalette(), f, titel);
    if (!daten)
        return std::nullopt;
    return QVector<ExportFile>{{pfad, *daten}};
}

void PaletteExport::paletteExportierenExecute()
{
    const LanguageTable& t = m_host.sprache();
    const std::optional<FileDialogs::Ziel> ziel =
        m_dialoge->speichernMitFilter(&m_host.hauptfenster(), exportFilter(t), vorschlag(), scaleOptions());
    if (!ziel)
        return;
    std::optional<PaletteFormat> format = formatAusPfad(ziel->pfad);
    for (const PaletteFormatDef& d : paletteFormate())
        if (!format && t.text(d.beschreibung) == ziel->filter)
            format = d.id;
    const QString pfad = mitFormatEndung(ziel->pfad, format.value_or(PaletteFormat::gpl));
    const std::optional<QVector<ExportFile>> dateien = exportFiles(format.value_or(PaletteFormat::gpl), pfad);
    // The dialog does not ask: the extension may have been added after it.
    const bool vorhanden = dateien && std::any_of(dateien->begin(), dateien->end(), [](const ExportFile& d) {
                               return QFileInfo::exists(d.path);
                           });
    if (vorhanden && !frage(t.text(Txt::dateiUeberschreiben)))
        return;
    m_letzterPfad = pfad;
    const bool geschrieben =
        dateien && std::all_of(dateien->begin(), dateien->end(),
                               [](const ExportFile& d) { return dateiAtomarSchreiben(d.path, d.data); });
    if (!geschrieben)
        fehler(t.text(Txt::dateiNichtErstellt));
}
