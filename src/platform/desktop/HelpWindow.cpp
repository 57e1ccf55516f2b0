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
    const char* titleText;
    const char* content;
    const char* index;
    const char* suche;
    const char* zurueck;
    const char* vor;
    const char* startseite;
    const char* fehlt;
};

constexpr Texte german{"Tinctora – Hilfe", "Inhalt", "Index",  "Suche",
                       "Zurück",           "Vor",    "Inhalt", "Die Hilfedatei „%1“ wurde nicht gefunden."};
constexpr Texte english{"Tinctora – Help",
                        "Contents",
                        "Index",
                        "Search",
                        "Back",
                        "Forward",
                        "Contents",
                        "The help file “%1” could not be found."};

const Texte& textSet(Language s)
{
    return s == Language::english ? english : german;
}

QString t(const char* text)
{
    return QString::fromUtf8(text);
}

const QString contentsPage = QStringLiteral("HTML/index.htm");

} // namespace

HelpBrowser::HelpBrowser(QHelpEngine* engine, QWidget* parent) : QTextBrowser(parent), m_engine(engine)
{
    setObjectName(QStringLiteral("HelpBrowser"));
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &HelpBrowser::linkClicked);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name)
{
    // Pictures and the stylesheet come with addresses relative to the page.
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    if (m_engine && url.scheme() == QLatin1String("qthelp"))
        return m_engine->fileData(url);
    return QTextBrowser::loadResource(type, name);
}

void HelpBrowser::linkClicked(const QUrl& url)
{
    const QUrl target = source().resolved(url);
    if (target.scheme() == QLatin1String("qthelp"))
        setSource(target);
    else
        QDesktopServices::openUrl(target);
}

HelpWindow::HelpWindow(const QString& qch, const QString& batch, Language uiLanguage, const QString& wanted)
    : m_sprache(uiLanguage)
{
    setObjectName(QStringLiteral("HelpWindow"));
    // Closing the main window ends the program even while help is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    if (!qch.isEmpty()) {
        m_engine = new QHelpEngine(batch, this);
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
    build(wanted);
    resize(900, 640);
}

void HelpWindow::build(const QString& wanted)
{
    const Texte& tx = textSet(m_sprache);
    setWindowTitle(t(tx.titleText));
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
    connect(start, &QAction::triggered, this, &HelpWindow::showContents);
    connect(m_browser, &QTextBrowser::backwardAvailable, zurueck, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, vor, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::pageChanged);

    if (m_geladen) {
        QHelpContentWidget* content = m_engine->contentWidget();
        content->setObjectName(QStringLiteral("HelpContents"));
        connect(content, &QHelpContentWidget::linkActivated, m_browser,
                [this](const QUrl& u) { m_browser->setSource(u); });
        m_reiter->addTab(content, t(tx.content));

        QHelpIndexWidget* index = m_engine->indexWidget();
        index->setObjectName(QStringLiteral("HelpIndex"));
        connect(index, &QHelpIndexWidget::documentActivated, m_browser,
                [this](const QHelpLink& link, const QString&) { m_browser->setSource(link.url); });
        connect(index, &QHelpIndexWidget::documentsActivated, m_browser,
                [this](const QList<QHelpLink>& left, const QString&) {
                    if (!left.isEmpty())
                        m_browser->setSource(left.first().url);
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
        connect(m_reiter, &QTabWidget::currentChanged, suche, [this, suche, sucheReiter](int tabs) {
            if (tabs == sucheReiter && !m_indexGeplant) {
                m_indexGeplant = true;
                suche->scheduleIndexDocumentation();
            }
        });
    } else {
        m_browser->setHtml(
            QStringLiteral("<h2>%1</h2><p>%2</p>")
                .arg(t(tx.titleText).toHtmlEscaped(), t(tx.fehlt).arg(wanted).toHtmlEscaped()));
    }

    auto* teiler = new QSplitter(Qt::Horizontal, this);
    teiler->addWidget(m_reiter);
    teiler->addWidget(m_browser);
    teiler->setStretchFactor(1, 1);
    teiler->setSizes({250, 650});
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(leiste);
    column->addWidget(teiler, 1);
}

QUrl HelpWindow::topicUrl(const QString& topic) const
{
    return QUrl(QStringLiteral("qthelp://%1/doc/%2").arg(m_namensraum, topic));
}

void HelpWindow::showContents()
{
    if (m_geladen) {
        m_reiter->setCurrentIndex(0);
        m_browser->setSource(topicUrl(contentsPage));
    }
    bringToFront();
}

bool HelpWindow::showTopic(const QString& topic)
{
    if (!m_geladen) {
        bringToFront();
        return false;
    }
    const QUrl url = topicUrl(topic);
    const bool gibtEs = !m_engine->fileData(url).isEmpty();
    m_browser->setSource(gibtEs ? url : topicUrl(contentsPage));
    bringToFront();
    return gibtEs;
}

void HelpWindow::pageChanged(const QUrl& url)
{
    const QString page = m_browser->documentTitle();
    const QString titleText = t(textSet(m_sprache).titleText);
    setWindowTitle(page.isEmpty() ? titleText : titleText + QStringLiteral(" – ") + page);
    if (m_geladen) {
        QHelpContentWidget* content = m_engine->contentWidget();
        const QModelIndex i = content->indexOf(url);
        if (i.isValid())
            content->setCurrentIndex(i);
    }
}

void HelpWindow::bringToFront()
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
