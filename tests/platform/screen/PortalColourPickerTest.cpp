#include "platform/screen/PortalColourPicker.h"

#include <QDBusAbstractAdaptor>
#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace
{

// A private session bus for one test.
struct PrivaterBus {
    PrivaterBus()
    {
        daemon.start(
            QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")),
            {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address")});
        if (daemon.waitForStarted() && daemon.waitForReadyRead(5000))
            address = QString::fromUtf8(daemon.readLine()).trimmed();
    }
    ~PrivaterBus()
    {
        daemon.kill();
        daemon.waitForFinished();
    }
    QProcess daemon;
    QString address;
};

// The portal's screenshot interface, answering every pick with one colour
// (or with "cancelled").
class FakePortal : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")

public:
    FakePortal(QObject* portalObject, QDBusConnection bus) : QDBusAbstractAdaptor(portalObject), m_bus(bus) {}
    uint antwortCode = 0;
    int recordedCalls = 0;

public slots:
    QDBusObjectPath PickColor(const QString&, const QVariantMap& options, const QDBusMessage& msg)
    {
        ++recordedCalls;
        QString sender = msg.service().mid(1);
        sender.replace(u'.', u'_');
        const QString pathName = QStringLiteral("/org/freedesktop/portal/desktop/request/") + sender + u'/' +
                                 options.value(QStringLiteral("handle_token")).toString();
        QTimer::singleShot(10, [this, pathName] {
            QDBusArgument colourValue;
            colourValue.beginStructure();
            colourValue << 0.2 << (128.0 / 255.0) << 1.0;
            colourValue.endStructure();
            QDBusMessage signal = QDBusMessage::createSignal(
                pathName, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
            signal << antwortCode << QVariantMap{{QStringLiteral("color"), QVariant::fromValue(colourValue)}};
            m_bus.send(signal);
        });
        return QDBusObjectPath(pathName);
    }

private:
    QDBusConnection m_bus;
};

} // namespace

TEST(PortalColourPicker, TakesTheColourThePortalAnswersAndReportsACancel)
{
    PrivaterBus bus;
    ASSERT_FALSE(bus.address.isEmpty());
    QDBusConnection portalService = QDBusConnection::connectToBus(bus.address, QStringLiteral("fakeportal"));
    QDBusConnection kunde = QDBusConnection::connectToBus(bus.address, QStringLiteral("kunde"));
    ASSERT_TRUE(portalService.isConnected() && kunde.isConnected());
    QObject portalObject;
    auto* portal = new FakePortal(&portalObject, portalService);
    ASSERT_TRUE(
        portalService.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), &portalObject));
    ASSERT_TRUE(portalService.registerService(QStringLiteral("org.freedesktop.portal.Desktop")));

    PortalColourPicker picker(kunde);
    QSignalSpy chosen(&picker, &PortalColourPicker::chosen);
    QSignalSpy cancelled(&picker, &PortalColourPicker::cancelled);
    QSignalSpy failed(&picker, &PortalColourPicker::failed);
    picker.pickColor();
    EXPECT_TRUE(QTest::qWaitFor([&] { return chosen.size() == 1; }));
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen.first().first().value<QColor>(), QColor(51, 128, 255));

    portal->antwortCode = 1; // the user cancelled: nothing to report
    picker.pickColor();
    EXPECT_TRUE(QTest::qWaitFor([&] { return cancelled.size() == 1; }));
    portal->antwortCode = 2; // the request ended otherwise: the user hears of it
    picker.pickColor();
    EXPECT_TRUE(QTest::qWaitFor([&] { return failed.size() == 1; }));
    EXPECT_EQ(cancelled.size(), 1);
    EXPECT_EQ(chosen.size(), 1);
    EXPECT_EQ(portal->recordedCalls, 3);

    // No portal on the bus at all.
    ASSERT_TRUE(portalService.unregisterService(QStringLiteral("org.freedesktop.portal.Desktop")));
    picker.pickColor();
    EXPECT_TRUE(QTest::qWaitFor([&] { return failed.size() == 2; }));
    EXPECT_EQ(cancelled.size(), 1);

    QDBusConnection::disconnectFromBus(QStringLiteral("kunde"));
    QDBusConnection::disconnectFromBus(QStringLiteral("fakeportal"));
}

#include "PortalColourPickerTest.moc"
