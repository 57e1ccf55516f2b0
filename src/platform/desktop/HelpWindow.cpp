#include "platform/desktop/HelpWindow.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace
{

// The viewer's own texts: the help viewer is the system's part, as on Windows.
struct Texte {
    const char* titel;
    const char* inhalt;
    const char* index;
    const char* suche;
    const char* zurueck;
    const char* vor;
    const char* startseite;
    const char* fehlt;
};

constexpr Texte deutsch{"Tinctora – Hilfe", "Inhalt", "Index", "Suche", "Zurück", "Vor", "Inhalt",
                        "Die Hilfedatei „%1“ wurde nicht gefunden."};
constexpr Texte englisch{"Tinctora – Help", "Contents", "Index", "Search", "Back", "Forward", "Contents",
                         "The help file “%1” could not be found."};

const Texte& texte(Sprache s)
{
    return s == Sprache::englisch ? englisch : deutsch;
}

QString t(const char* text)
{
    return QString::fromUtf8(text);
}

const QString inhaltsSeite = QStringLiteral("HTML/index.htm");

} // namespace

HelpBrowser::HelpBrowser(QHelpEngine* engine, QWidget* parent) : QTextBrowser(parent), m_engine(engine)
{
    setObjectName(QStringLiteral("HelpBrowser"));
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &HelpBrowser::linkGeklickt);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name)
{
    // Pictures and the stylesheet come with addresses relative to the page.
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    if (m_engine && url.scheme() == QLatin1String("qthelp"))
        return m_engine->fileData(url);
    return QTextBrowser::loadResource(type, name);
}

void HelpBrowser::linkGeklickt(const QUrl& url)
{
    const QUrl ziel = source().resolved(url);
    if (ziel.scheme() == QLatin1String("qthelp"))
        setSource(ziel);
    else
        QDesktopServices::openUrl(ziel);
}

HelpWindow::HelpWindow(const QString& qch, const QString& sammlung, Sprache sprache, const QString& gesucht)
    : m_sprache(sprache)
{
    setObjectName(QStringLiteral("HelpWindow"));
    // Closing the main window ends the program even while help is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    if (!qch.isEmpty()) {
        m_engine = new QHelpEngine(sammlung, this);
        m_engine->setUsesFilterEngine(true);
        // The collection is the viewer's own file in the user's cache: it registers the help file.
        m_engine->setReadOnly(false);
        if (m_engine->setupData()) {
            m_namensraum = QHelpEngineCore::namespaceName(qch);
            const QString vorhanden = m_engine->documentationFileName(m_namensraum);
            if (!vorhanden.isEmpty() && QFileInfo(vorhanden) != QFileInfo(qch))
                m_engine->unregisterDocumentation(m_namensraum);
            if (!m_engine->registeredDocumentations().contains(m_namensraum))
                m_engine->registerDocumentation(qch);
            m_geladen = m_engine->registeredDocumentations().contains(m_namensraum);
        }
        if (!m_geladen)
            qWarning("Help: %s", qPrintable(m_engine->error()));
    }
    bauen(gesucht);
    resize(900, 640);
}

void HelpWindow::bauen(const QString& gesucht)
{
    const Texte& tx = texte(m_sprache);
    setWindowTitle(t(tx.titel));
    m_browser = new HelpBrowser(m_geladen ? m_engine : nullptr, this);
    m_reiter = new QTabWidget(this);
    m_reiter->setObjectName(QStringLiteral("HelpTabs"));

    auto* leiste = new QToolBar(this);
    QAction* zurueck = leiste->addAction(style()->standardIcon(QStyle::SP_ArrowBack), t(tx.zurueck));
    QAction* vor = leiste->addAction(style()->standardIcon(QStyle::SP_ArrowForward), t(tx.vor));
    QAction* start = leiste->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), t(tx.startseite));
    zurueck->setShortcut(QKeySequence::Back);
    vor->setShortcut(QKeySequence::Forward);
    zurueck->setEnabled(false);
    vor->setEnabled(false);
    leiste->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    connect(zurueck, &QAction::triggered, m_browser, &QTextBrowser::backward);
    connect(vor, &QAction::triggered, m_browser, &QTextBrowser::forward);
    connect(start, &QAction::triggered, this, &HelpWindow::zeigeInhalt);
    connect(m_browser, &QTextBrowser::backwardAvailable, zurueck, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, vor, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::seiteGewechselt);

    if (m_geladen) {
        QHelpContentWidget* inhalt = m_engine->contentWidget();
        inhalt->setObjectName(QStringLiteral("HelpContents"));
        connect(inhalt, &QHelpContentWidget::linkActivated, m_browser, [this](const QUrl& u) {
            m_browser->setSource(u);
        });
        m_reiter->addTab(inhalt, t(tx.inhalt));

        QHelpIndexWidget* index = m_engine->indexWidget();
        index->setObjectName(QStringLiteral("HelpIndex"));
        connect(index, &QHelpIndexWidget::documentActivated, m_browser,
                [this](const QHelpLink& link, const QString&) { m_browser->setSource(link.url); });
        connect(index, &QHelpIndexWidget::documentsActivated, m_browser,
                [this](const QList<QHelpLink>& links, const QString&) {
                    if (!links.isEmpty())
                        m_browser->setSource(links.first().url);
                });
        m_reiter->addTab(index, t(tx.index));

        QHelpSearchEngine* suche = m_engine->searchEngine();
        auto* sucheSeite = new QWidget;
        auto* sucheSpalte = new QVBoxLayout(sucheSeite);
        sucheSpalte->setContentsMargins(2, 2, 2, 2);
        sucheSpalte->addWidget(suche->queryWidget());
        sucheSpalte->addWidget(suche->resultWidget(), 1);
        connect(suche->queryWidget(), &QHelpSearchQueryWidget::search, suche,
                [suche] { suche->search(suche->queryWidget()->searchInput()); });
        connect(suche->resultWidget(), &QHelpSearchResultWidget::requestShowLink, m_browser,
                [this](const QUrl& u) { m_browser->setSource(u); });
        const int sucheReiter = m_reiter->addTab(sucheSeite, t(tx.suche));
        // The full-text index is built in the background when the search is first shown
        // (once per help file version; later openings find it in the cache).
        connect(m_reiter, &QTabWidget::currentChanged, suche, [this, suche, sucheReiter](int reiter) {
            if (reiter == sucheReiter && !m_indexGeplant) {
                m_indexGeplant = true;
                suche->scheduleIndexDocumentation();
            }
        });
    } else {
        m_browser->setHtml(QStringLiteral("<h2>%1</h2><p>%2</p>")
                               .arg(t(tx.titel).toHtmlEscaped(),
                                    t(tx.fehlt).arg(gesucht).toHtmlEscaped()));
    }

    auto* teiler = new QSplitter(Qt::Horizontal, this);
    teiler->addWidget(m_reiter);
    teiler->addWidget(m_browser);
    teiler->setStretchFactor(1, 1);
    teiler->setSizes({250, 650});
    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(0);
    spalte->addWidget(leiste);
    spalte->addWidget(teiler, 1);
}

QUrl HelpWindow::themaUrl(const QString& thema) const
{
    return QUrl(QStringLiteral("qthelp://%1/doc/%2").arg(m_namensraum, thema));
}

void HelpWindow::zeigeInhalt()
{
    if (m_geladen) {
        m_reiter->setCurrentIndex(0);
        m_browser->setSource(themaUrl(inhaltsSeite));
    }
    nachVorne();
}

bool HelpWindow::zeigeThema(const QString& thema)
{
    if (!m_geladen) {
        nachVorne();
        return false;
    }
    const QUrl url = themaUrl(thema);
    const bool gibtEs = !m_engine->fileData(url).isEmpty();
    m_browser->setSource(gibtEs ? url : themaUrl(inhaltsSeite));
    nachVorne();
    return gibtEs;
}

void HelpWindow::seiteGewechselt(const QUrl& url)
{
    const QString seite = m_browser->documentTitle();
    const QString titel = t(texte(m_sprache).titel);
    setWindowTitle(seite.isEmpty() ? titel : titel + QStringLiteral(" – ") + seite);
    if (m_geladen) {
        QHelpContentWidget* inhalt = m_engine->contentWidget();
        const QModelIndex i = inhalt->indexOf(url);
        if (i.isValid())
            inhalt->setCurrentIndex(i);
    }
}

void HelpWindow::nachVorne()
{
    // Asked for from a modal window (a dialog's help button), the help must stay usable
    // above it; asked for from the main window, it must not block anything.
    QWidget* modal = QApplication::activeModalWidget();
    const Qt::WindowModality modalitaet = modal && modal != this ? Qt::ApplicationModal : Qt::NonModal;
    if (windowModality() != modalitaet) {
        hide();
        setWindowModality(modalitaet);
    }
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}
