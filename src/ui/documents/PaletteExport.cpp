#include "ui/documents/PaletteExport.h"

#include "platform/desktop/FileDialogs.h"
#include "ui/display/DisplayHost.h"
#include "core/export/PaletteFormats.h"
#include "ui/language/ActionRegistry.h"
#include "core/language/LanguageTable.h"

#include <QAction>
#include <QFileInfo>
#include <QMessageBox>

PaletteExport::PaletteExport(DisplayHost& host)
    : m_host(host), m_dialoge(std::make_unique<QtFileDialogs>())
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

void PaletteExport::paletteExportierenExecute()
{
    const LanguageTable& t = m_host.sprache();
    const std::optional<FileDialogs::Ziel> ziel =
        m_dialoge->speichernMitFilter(&m_host.hauptfenster(), exportFilter(t), vorschlag());
    if (!ziel)
        return;
    std::optional<PaletteFormat> format = formatAusPfad(ziel->pfad);
    for (const PaletteFormatDef& d : paletteFormate())
        if (!format && t.text(d.beschreibung) == ziel->filter)
            format = d.id;
    const QString pfad = mitFormatEndung(ziel->pfad, format.value_or(PaletteFormat::gpl));
    // The dialog does not ask: the extension may have been added after it.
    if (QFileInfo::exists(pfad) && !frage(t.text(Txt::dateiUeberschreiben)))
        return;
    m_letzterPfad = pfad;
    const std::optional<QByteArray> daten = paletteDaten(
        angezeigtePalette(), format.value_or(PaletteFormat::gpl), QFileInfo(pfad).completeBaseName());
    if (!daten || !dateiAtomarSchreiben(pfad, *daten))
        fehler(t.text(Txt::dateiNichtErstellt));
}
