#include "ui/language/ActionIcons.h"

#include "core/language/Actions.h"

#include <QAction>
#include <QEvent>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QToolBar>

#include <utility>

namespace
{

// PNG pictures read when first drawn, by the PNG reader alone: QIcon::addFile would read
// every file at once and have Qt load all its image plug-ins to probe them.
class PngIconEngine : public QIconEngine
{
public:
    explicit PngIconEngine(QList<std::pair<QString, QSize>> files) : m_files(std::move(files)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
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
    const QIcon& icon()
    {
        if (m_icon.isNull())
            for (const auto& file : m_files) {
                QImageReader reader(file.first, "PNG");
                // Even with the format named, Qt would ask every plug-in whether it reads PNG.
                reader.setAutoDetectImageFormat(false);
                m_icon.addPixmap(QPixmap::fromImage(reader.read()));
            }
        return m_icon;
    }

    QList<std::pair<QString, QSize>> m_files;
    QIcon m_icon;
};

// Each size once as it is and once twice as large for high-density screens.
QIcon pngIcon(const QString& pattern, std::initializer_list<int> sizes)
{
    QList<std::pair<QString, QSize>> files;
    for (const int size : sizes) {
        files.append({pattern.arg(size).arg(QString()), QSize(size, size)});
        files.append({pattern.arg(size).arg(QStringLiteral("@2x")), QSize(2 * size, 2 * size)});
    }
    return QIcon(new PngIconEngine(std::move(files)));
}

} // namespace

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
