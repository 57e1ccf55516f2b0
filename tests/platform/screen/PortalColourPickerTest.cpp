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
            adresse = QString::fromUtf8(daemon.readLine()).trimmed();
    }
    ~PrivaterBus()
    {
        daemon.kill();
        daemon.waitForFinished();
    }
    QProcess daemon;
    QString adresse;
};

// The portal's screenshot interface, answering every pick with one colour
// (or with "cancelled").
class FakePortal : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")

public:
    FakePortal(QObject* objekt, QDBusConnection bus) : QDBusAbstractAdaptor(objekt), m_bus(bus) {}
    uint antwortCode = 0;
    int aufrufe = 0;

public slots:
    QDBusObjectPath PickColor(const QString&, const QVariantMap& options, const QDBusMessage& msg)
    {
        ++aufrufe;
        QString sender = msg.service().mid(1);
        sender.replace(u'.', u'_');
        const QString pfad = QStringLiteral("/org/freedesktop/portal/desktop/request/") + sender + u'/' +
                             options.value(QStringLiteral("handle_token")).toString();
        QTimer::singleShot(10, [this, pfad] {
            QDBusArgument farbe;
            farbe.beginStructure();
            farbe << 0.2 << (128.0 / 255.0) << 1.0;
            farbe.endStructure();
            QDBusMessage signal = QDBusMessage::createSignal(
                pfad, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
            signal << antwortCode << QVariantMap{{QStringLiteral("color"), QVariant::fromValue(farbe)}};
            m_bus.send(signal);
        });
        return QDBusObjectPath(pfad);
    }

private:
    QDBusConnection m_bus;
};

} // namespace

TEST(PortalColourPicker, TakesTheColourThePortalAnswersAndReportsACancel)
{
    PrivaterBus bus;
    ASSERT_FALSE(bus.adresse.isEmpty());
    QDBusConnection dienst = QDBusConnection::connectToBus(bus.adresse, QStringLiteral("fakeportal"));
    QDBusConnection kunde = QDBusConnection::connectToBus(bus.adresse, QStringLiteral("kunde"));
    ASSERT_TRUE(dienst.isConnected() && kunde.isConnected());
    QObject objekt;
    auto* portal = new FakePortal(&objekt, dienst);
    ASSERT_TRUE(dienst.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), &objekt));
    ASSERT_TRUE(dienst.registerService(QStringLiteral("org.freedesktop.portal.Desktop")));

    PortalColourPicker picker(kunde);
    QSignalSpy gewaehlt(&picker, &PortalColourPicker::gewaehlt);
    QSignalSpy abgebrochen(&picker, &PortalColourPicker::abgebrochen);
    QSignalSpy fehlgeschlagen(&picker, &PortalColourPicker::fehlgeschlagen);
    picker.pickColor();
    EXPECT_TRUE(QTest::qWaitFor([&] { return gewaehlt.size() == 1; }));
    ASSERT_EQ(gewaehlt.size(), 1);
    EXPECT_EQ(gewaehlt.first().first().value<QColor>(), QColor(51, 128, 255));

    portal->antwortCode = 1; // the user cancelled: nothing to report
    picker.pickColor();
    EXPECT_TRUE(QTest::qWaitFor([&] { return abgebrochen.size() == 1; }));
    portal->antwortCode = 2; // the request ended otherwise: the user hears of it
    picker.pickColor();
    EXPECT_TRUE(QTest::qWaitFor([&] { return fehlgeschlagen.size() == 1; }));
    EXPECT_EQ(abgebrochen.size(), 1);
    EXPECT_EQ(gewaehlt.size(), 1);
    EXPECT_EQ(portal->aufrufe, 3);

    // No portal on the bus at all.
    ASSERT_TRUE(dienst.unregisterService(QStringLiteral("org.freedesktop.portal.Desktop")));
    picker.pickColor();
    EXPECT_TRUE(QTest::qWaitFor([&] { return fehlgeschlagen.size() == 2; }));
    EXPECT_EQ(abgebrochen.size(), 1);

    QDBusConnection::disconnectFromBus(QStringLiteral("kunde"));
    QDBusConnection::disconnectFromBus(QStringLiteral("fakeportal"));
}

#include "PortalColourPickerTest.moc"
