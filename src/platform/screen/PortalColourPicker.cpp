#include "platform/screen/PortalColourPicker.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>

#include <algorithm>
#include <cmath>

namespace
{
const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString portalObject = QStringLiteral("/org/freedesktop/portal/desktop");
const QString requestInterface = QStringLiteral("org.freedesktop.portal.Request");

int colourChannel(double v)
{
    return std::clamp(static_cast<int>(std::lround(v * 255.0)), 0, 255);
}
} // namespace

PortalColourPicker::PortalColourPicker(QDBusConnection bus, QObject* parent) : QObject(parent), m_bus(bus) {}

bool PortalColourPicker::portalSession()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void PortalColourPicker::pickColor()
{
    // The request's path is known before the call, so its answer cannot be missed.
    const QString token = QStringLiteral("tinctora%1").arg(++m_zaehler);
    QString sender = m_bus.baseService().mid(1);
    sender.replace(u'.', u'_');
    if (!m_anfragePfad.isEmpty())
        m_bus.disconnect(portalService, m_anfragePfad, requestInterface, QStringLiteral("Response"), this,
                         SLOT(answer(uint, QVariantMap)));
    m_anfragePfad = portalObject + QStringLiteral("/request/") + sender + u'/' + token;
    m_bus.connect(portalService, m_anfragePfad, requestInterface, QStringLiteral("Response"), this,
                  SLOT(answer(uint, QVariantMap)));

    QDBusMessage call = QDBusMessage::createMethodCall(portalService, portalObject,
                                                       QStringLiteral("org.freedesktop.portal.Screenshot"),
                                                       QStringLiteral("PickColor"));
    call << QString() << QVariantMap{{QStringLiteral("handle_token"), token}};
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        const QDBusPendingReply<QDBusObjectPath> reply = *w;
        w->deleteLater();
        if (reply.isError())
            emit failed();
    });
}

void PortalColourPicker::answer(uint response, const QVariantMap& results)
{
    // 1: the user cancelled; 2 and anything else: the request ended otherwise.
    if (response == 1) {
        emit cancelled();
        return;
    }
    const QVariant colourValue = results.value(QStringLiteral("color"));
    if (response != 0 || !colourValue.canConvert<QDBusArgument>()) {
        emit failed();
        return;
    }
    double r = 0, g = 0, b = 0;
    const QDBusArgument arg = colourValue.value<QDBusArgument>();
    arg.beginStructure();
    arg >> r >> g >> b;
    arg.endStructure();
    emit chosen(QColor(colourChannel(r), colourChannel(g), colourChannel(b)));
}
