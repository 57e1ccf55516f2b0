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
const QString dienst = QStringLiteral("org.freedesktop.portal.Desktop");
const QString objekt = QStringLiteral("/org/freedesktop/portal/desktop");
const QString anfrage = QStringLiteral("org.freedesktop.portal.Request");

int kanal(double v)
{
    return std::clamp(static_cast<int>(std::lround(v * 255.0)), 0, 255);
}
} // namespace

PortalColourPicker::PortalColourPicker(QDBusConnection bus, QObject* parent) : QObject(parent), m_bus(bus) {}

bool PortalColourPicker::portalSitzung()
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
        m_bus.disconnect(dienst, m_anfragePfad, anfrage, QStringLiteral("Response"), this,
                         SLOT(antwort(uint, QVariantMap)));
    m_anfragePfad = objekt + QStringLiteral("/request/") + sender + u'/' + token;
    m_bus.connect(dienst, m_anfragePfad, anfrage, QStringLiteral("Response"), this,
                  SLOT(antwort(uint, QVariantMap)));

    QDBusMessage aufruf = QDBusMessage::createMethodCall(
        dienst, objekt, QStringLiteral("org.freedesktop.portal.Screenshot"), QStringLiteral("PickColor"));
    aufruf << QString() << QVariantMap{{QStringLiteral("handle_token"), token}};
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(aufruf), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        const QDBusPendingReply<QDBusObjectPath> reply = *w;
        w->deleteLater();
        if (reply.isError())
            emit fehlgeschlagen();
    });
}

void PortalColourPicker::antwort(uint response, const QVariantMap& results)
{
    // 1: the user cancelled; 2 and anything else: the request ended otherwise.
    if (response == 1) {
        emit abgebrochen();
        return;
    }
    const QVariant farbe = results.value(QStringLiteral("color"));
    if (response != 0 || !farbe.canConvert<QDBusArgument>()) {
        emit fehlgeschlagen();
        return;
    }
    double r = 0, g = 0, b = 0;
    const QDBusArgument arg = farbe.value<QDBusArgument>();
    arg.beginStructure();
    arg >> r >> g >> b;
    arg.endStructure();
    emit gewaehlt(QColor(kanal(r), kanal(g), kanal(b)));
}
