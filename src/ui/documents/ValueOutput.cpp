#include "ui/documents/ValueOutput.h"

#include "ui/display/DisplayHost.h"
#include "ui/documents/Printing.h"
#include "ui/documents/TForm4.h"
#include "ui/language/ActionRegistry.h"
#include "core/language/LanguageTable.h"
#include "platform/print/DialogPrinterChooser.h"

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
    QWidget* fenster = &m_host.hauptfenster();
    const auto verbinden = [&](Aktion id, void (ValueOutput::*handler)()) {
        QAction& a = m_host.actions().action(id);
        QObject::connect(&a, &QAction::triggered, fenster, [this, handler] { (this->*handler)(); });
        a.setEnabled(true);
    };
    verbinden(Aktion::werteDrucken, &ValueOutput::werteDruckenExecute);
    verbinden(Aktion::ShortCutStrgP, &ValueOutput::werteDruckenExecute);
    verbinden(Aktion::alleWerteKopieren, &ValueOutput::alleWerteKopierenExecute);
    QObject::connect(m_host.w().Button1, &QPushButton::clicked, fenster, [this] { Button1Click(); });
}

void ValueOutput::setPrinterChooser(std::unique_ptr<PrinterChooser> chooser)
{
    if (chooser)
        m_drucker = std::move(chooser);
}

QString ValueOutput::alleWerteText()
{
    return zustandWerteText(m_host.state(), m_host.sprache());
}

DruckSeite ValueOutput::alleWerteSeite()
{
    return zustandWerteSeite(m_host.state(), m_host.sprache(), m_host.state().ablauf.druckZeile);
}

void ValueOutput::alleWerteKopierenExecute()
{
    const QString text = alleWerteText();
    QGuiApplication::clipboard()->setText(text);
}

void ValueOutput::werteDruckenExecute()
{
    QPrinter* printer = m_drucker->einrichten(&m_host.hauptfenster());
    if (!printer)
        return;
    const DruckSeite seite = alleWerteSeite();
    auftragDrucken(*printer, seite, &m_host.hauptfenster(), m_host.sprache());
    m_host.dokument().ablauf().druckZeile = druckStart;
}

void ValueOutput::Button1Click()
{
    m_host.resetStaticText();
    m_zwischendaten.reset();
    m_zwischendaten = std::make_unique<TForm4>(m_host.state(), m_host.sprache(), *m_drucker,
                                               m_host.dokument().ablauf().druckZeile, &m_host.hauptfenster());
    m_zwischendaten->exec();
}
