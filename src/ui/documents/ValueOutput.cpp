#include "ui/documents/ValueOutput.h"

#include "core/language/LanguageTable.h"
#include "core/state/MainState.h"
#include "platform/print/DialogPrinterChooser.h"
#include "ui/documents/Printing.h"
#include "ui/documents/TForm4.h"

#include <QClipboard>
#include <QGuiApplication>

#include <utility>

ValueOutput::ValueOutput(const MainState& state, std::function<const LanguageTable&()> language,
                         QWidget& window, std::function<void()> resetStaticText)
    : m_state(state), m_language(std::move(language)), m_window(window),
      m_resetStaticText(std::move(resetStaticText)), m_drucker(std::make_unique<DialogPrinterChooser>([this] {
          return m_language().text(Txt::printDialogMissing);
      }))
{
}

ValueOutput::~ValueOutput() = default;

void ValueOutput::setPrinterChooser(std::unique_ptr<PrinterChooser> chooser)
{
    if (chooser)
        m_drucker = std::move(chooser);
}

QString ValueOutput::allValuesText()
{
    return stateValuesText(m_state, m_language());
}

PrintPage ValueOutput::allValuesPage()
{
    return stateValuesPage(m_state, m_language(), m_druckZeile);
}

void ValueOutput::alleWerteKopierenExecute()
{
    const QString text = allValuesText();
    QGuiApplication::clipboard()->setText(text);
}

void ValueOutput::werteDruckenExecute()
{
    QPagedPaintDevice* printer = m_drucker->setUpPrinter(&m_window);
    if (!printer)
        return;
    const PrintPage page = allValuesPage();
    printJob(*printer, page, &m_window, m_language());
    m_druckZeile = printStart;
}

void ValueOutput::Button1Click()
{
    m_resetStaticText();
    m_zwischendaten.reset();
    m_zwischendaten = std::make_unique<TForm4>(m_state, m_language(), *m_drucker, m_druckZeile, &m_window);
    m_zwischendaten->exec();
}
