#include "ui/shell/PaletteImport.h"

#include "core/import/ImportedPalette.h"
#include "core/import/PaletteOrPicture.h"
#include "core/language/LanguageTable.h"
#include "platform/desktop/FileDialogs.h"
#include "ui/documents/PaletteWindow.h"

#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>

#include <utility>

PaletteImport::PaletteImport(QWidget& window, std::function<const LanguageTable&()> language,
                             std::function<void(QRgb)> takeAsBase)
    : m_window(window), m_language(std::move(language)), m_takeAsBase(std::move(takeAsBase)),
      m_dialoge(std::make_unique<QtFileDialogs>())
{
}

PaletteImport::~PaletteImport() = default;

void PaletteImport::setDialogs(std::unique_ptr<FileDialogs> dialogs)
{
    if (dialogs)
        m_dialoge = std::move(dialogs);
}

void PaletteImport::importPaletteExecute()
{
    if (const std::optional<QString> path =
            m_dialoge->tryOpen(&m_window, m_language().text(Txt::importFilter)))
        openFile(*path);
}

void PaletteImport::openFile(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        errorBox(importErrorText(ImportError{Txt::importUnreadable, {}, 0, -1}, name, m_language()));
        return;
    }
    show(readPaletteOrPicture(f.readAll(), name), name);
}

// Pasted text is read as one hex value per line.
void PaletteImport::pasteColoursExecute()
{
    const QString text = QGuiApplication::clipboard()->text();
    const ImportResult r =
        readPalette(PaletteSource::hexLines, text.toUtf8(), m_language().text(Txt::paletteTitle));
    if (!r.palette) {
        errorBox(m_language().text(Txt::pasteNoColours));
        return;
    }
    show(r, m_language().text(Txt::paletteTitle));
}

void PaletteImport::show(const ImportResult& r, const QString& name)
{
    if (!r.palette) {
        errorBox(importErrorText(r.error, name, m_language()));
        return;
    }
    // A new palette replaces the window; the old one's colours are no longer offered.
    m_fenster = std::make_unique<PaletteWindow>(*r.palette, m_language(), m_takeAsBase, &m_window);
    m_fenster->show();
    m_fenster->raise();
    m_fenster->activateWindow();
}

void PaletteImport::errorBox(const QString& text) const
{
    QMessageBox box(QMessageBox::Critical, m_language().text(Txt::errorBox), text, QMessageBox::Ok,
                    &m_window);
    box.exec();
}
