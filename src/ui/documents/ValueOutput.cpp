#include "ui/documents/ValueOutput.h"

#include "core/language/LanguageTable.h"
#include "platform/print/DialogPrinterChooser.h"
#include "ui/display/DisplayHost.h"
#include "ui/documents/Printing.h"
#include "ui/documents/TForm4.h"
#include "ui/language/ActionRegistry.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <QScopedValueRollback>

ValueOutput::ValueOutput(DisplayHost& host)
    : m_host(host), m_drucker(std::make_unique<DialogPrinterChooser>())
{
}

ValueOutput::~ValueOutput() = default;

void ValueOutput::connectWidgets()
{
    QWidget* topWindow = &m_host.mainWindow();
    const auto verbinden = [&](ActionId id, void (ValueOutput::*handler)()) {
        QAction& a = m_host.actions().action(id);
        QObject::connect(&a, &QAction::triggered, topWindow, [this, handler] { (this->*handler)(); });
        a.setEnabled(true);
    };
    verbinden(ActionId::werteDrucken, &ValueOutput::werteDruckenExecute);
    verbinden(ActionId::ShortCutStrgP, &ValueOutput::werteDruckenExecute);
    verbinden(ActionId::alleWerteKopieren, &ValueOutput::alleWerteKopierenExecute);
    QObject::connect(m_host.w().Button1, &QPushButton::clicked, topWindow, [this] { Button1Click(); });
}

void ValueOutput::setPrinterChooser(std::unique_ptr<PrinterChooser> chooser)
{
    if (chooser)
        m_drucker = std::move(chooser);
}

QString ValueOutput::allValuesText()
{
    return stateValuesText(m_host.state(), m_host.uiLanguage());
}

PrintPage ValueOutput::allValuesPage()
{
    return stateValuesPage(m_host.state(), m_host.uiLanguage(), m_host.state().progress.druckZeile);
}

void ValueOutput::alleWerteKopierenExecute()
{
    const QString text = allValuesText();
    QGuiApplication::clipboard()->setText(text);
}

void ValueOutput::werteDruckenExecute()
{
    QPrinter* printer = m_drucker->setUpPrinter(&m_host.mainWindow());
    if (!printer)
        return;
    const PrintPage page = allValuesPage();
    printJob(*printer, page, &m_host.mainWindow(), m_host.uiLanguage());
    m_host.colourDocument().progress().druckZeile = printStart;
}

void ValueOutput::Button1Click()
{
    m_host.resetStaticText();
    m_zwischendaten.reset();
    m_zwischendaten =
        std::make_unique<TForm4>(m_host.state(), m_host.uiLanguage(), *m_drucker,
                                 m_host.colourDocument().progress().druckZeile, &m_host.mainWindow());
    m_zwischendaten->exec();
}
