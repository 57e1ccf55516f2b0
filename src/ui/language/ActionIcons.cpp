#include "ui/language/ActionIcons.h"

#include "core/colour/OverlayPicture.h"
#include "core/language/Actions.h"

#include <QAction>
#include <QEvent>
#include <QGuiApplication>
#include <QIconEngine>
#include <QPaintDevice>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleOption>
#include <QToolBar>

#include <algorithm>
#include <utility>

namespace
{

// PNG pictures read when first drawn, by the PNG reader alone: QIcon::addFile would read
// every file at once and have Qt load all its image plug-ins to probe them.
class PngIconEngine : public QIconEngine
{
public:
    explicit PngIconEngine(QList<std::pair<QString, QSize>> files)
        : m_files(std::move(files)), m_icons(m_files.size())
    {
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal scale = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        iconFor(rect.size(), scale).paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return iconFor(size, 1.0).actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return iconFor(size, 1.0).pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return iconFor(size, scale).pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const auto& file : m_files)
            sizes.append(file.second);
        return sizes;
    }
    bool isNull() override { return m_files.isEmpty(); }
    QString key() const override { return QStringLiteral("TinctoraPng"); }
    QIconEngine* clone() const override { return new PngIconEngine(m_files); }

private:
    // Only the file that serves a size is read, when first asked for: the smallest
    // at least as large as the pixels wanted, else the largest. A tool bar at one
    // size reads one file per icon, not all of them.
    const QIcon& iconFor(const QSize& size, qreal scale)
    {
        const QSize wanted = (QSizeF(size) * scale).toSize();
        const auto fits = [&](const QSize& s) {
            return s.width() >= wanted.width() && s.height() >= wanted.height();
        };
        const auto area = [](const QSize& s) { return s.width() * s.height(); };
        qsizetype best = 0;
        for (qsizetype i = 1; i < m_files.size(); ++i) {
            const QSize side = m_files[i].second;
            const QSize bestSide = m_files[best].second;
            if (fits(side) ? !fits(bestSide) || area(side) < area(bestSide)
                           : !fits(bestSide) && area(side) > area(bestSide))
                best = i;
        }
        QIcon& icon = m_icons[best];
        if (icon.isNull())
            icon.addPixmap(QPixmap::fromImage(readPng(m_files[best].first)));
        return icon;
    }

    QList<std::pair<QString, QSize>> m_files;
    QList<QIcon> m_icons; // one per file, read when first needed
};

// Each size once as it is and once twice as large for high-density screens.
QIcon pngIcon(const QString& pattern, std::initializer_list<int> sizes, bool doubled = true)
{
    QList<std::pair<QString, QSize>> files;
    for (const int size : sizes) {
        files.append({pattern.arg(size).arg(QString()), QSize(size, size)});
        if (doubled)
            files.append({pattern.arg(size).arg(QStringLiteral("@2x")), QSize(2 * size, 2 * size)});
    }
    return QIcon(new PngIconEngine(std::move(files)));
}

// Qt's own pictures of a style icon, read the same lean way; their sizes come from
// the files' headers, which cost no decoding.
QIcon qtPngIcon(const QStringList& files)
{
    QList<std::pair<QString, QSize>> sized;
    for (const QString& file : files) {
        const QSize size = pngSize(file);
        if (size.isValid())
            sized.append({file, size});
    }
    return sized.isEmpty() ? QIcon() : QIcon(new PngIconEngine(std::move(sized)));
}

// The common style makes the tool bar's and the menu bar's extension icon with
// QIcon::addFile, which has Qt load every image plug-in (SVG and its library among
// them) to probe three small PNGs; the menu bar asks for it when it is created.
class LeanIconStyle : public QProxyStyle
{
public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override
    {
        const QString folder = QStringLiteral(":/qt-project.org/styles/commonstyle/images/");
        const auto files = [&](const char* stem, std::initializer_list<int> sizes) {
            QStringList list;
            for (const int size : sizes)
                list << folder + QLatin1String(stem) + QString::number(size) + QStringLiteral(".png");
            return list;
        };
        if (icon == SP_ToolBarHorizontalExtensionButton) {
            const bool rtl =
                (option ? option->direction : QGuiApplication::layoutDirection()) == Qt::RightToLeft;
            const QIcon lean = qtPngIcon(files(rtl ? "toolbar-ext-h-rtl-" : "toolbar-ext-h-", {8, 16, 32}));
            if (!lean.isNull())
                return lean;
        } else if (icon == SP_ToolBarVerticalExtensionButton) {
            const QIcon lean = qtPngIcon(files("toolbar-ext-v-", {5, 10, 20}));
            if (!lean.isNull())
                return lean;
        }
        return QProxyStyle::standardIcon(icon, option, widget);
    }
};

} // namespace

QStyle* leanIconStyle()
{
    return new LeanIconStyle;
}

QIcon actionIcon(int imageIndex, IconShade shade)
{
    const QString name = iconName(imageIndex);
    if (name.isEmpty())
        return {};
    const QString folder =
        shade == IconShade::forDarkBackground ? QStringLiteral(":/icons/dark/") : QStringLiteral(":/icons/");
    return pngIcon(folder + name + QStringLiteral("-%1%2.png"), {16, 24});
}

IconShade shadeFor(const QColor& windowColour)
{
    return windowColour.lightness() < 128 ? IconShade::forDarkBackground : IconShade::forLightBackground;
}

QIcon programIcon()
{
    return pngIcon(QStringLiteral(":/icons/tinctora-%1%2.png"), {16, 32, 64, 128});
}

// The window system takes every size an icon offers, all decoded as the window
// is created; up to 128 pixels serve a title bar and a task bar.
QIcon programWindowIcon()
{
    return pngIcon(QStringLiteral(":/icons/tinctora-%1%2.png"), {16, 32, 64, 128}, false);
}

ActionIconShading::ActionIconShading(QToolBar& toolBar) : QObject(&toolBar), m_toolBar(toolBar)
{
    // The window hears a change of the application's palette; the tool bar, whose style
    // sheet fixed its palette when it was polished, would not.
    toolBar.window()->installEventFilter(this);
    apply();
}

bool ActionIconShading::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange) {
        // Polished again, the tool bar takes the new palette under its style sheet.
        const QString sheet = m_toolBar.styleSheet();
        m_toolBar.setStyleSheet(QString());
        m_toolBar.setStyleSheet(sheet);
        apply();
    }
    return QObject::eventFilter(watched, event);
}

void ActionIconShading::apply()
{
    const IconShade shade = shadeFor(m_toolBar.palette().color(m_toolBar.backgroundRole()));
    if (m_applied && shade == m_shade)
        return;
    m_applied = true;
    m_shade = shade;
    // Menus show the same actions, so they follow the tool bar's window.
    QWidget* window = m_toolBar.window();
    for (QAction* a : window->findChildren<QAction*>()) {
        const QVariant index = a->property("imageIndex");
        if (index.isValid())
            a->setIcon(actionIcon(index.toInt(), shade));
    }
}
