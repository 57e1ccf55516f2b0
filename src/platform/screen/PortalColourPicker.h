#pragma once

#include <QColor>
#include <QDBusConnection>
#include <QObject>
#include <QVariantMap>

// The desktop portal's colour picker, for sessions (Wayland) in which a
// program may neither read other windows nor move the cursor: the desktop
// lets the user pick and hands back only the colour.
class PortalColourPicker : public QObject
{
    Q_OBJECT

public:
    explicit PortalColourPicker(QDBusConnection bus = QDBusConnection::sessionBus(),
                                QObject* parent = nullptr);
    // Whether the session is one the portal serves instead of a screen reader.
    static bool portalSession();

    // Starts a pick; ends in chosen, cancelled or failed.
    void pickColor();

signals:
    void chosen(const QColor& colourValue);
    // The user cancelled the desktop's picker.
    void cancelled();
    // There is no portal, or it could not pick: the user should hear of it.
    void failed();

private slots:
    void answer(uint response, const QVariantMap& results);

private:
    QDBusConnection m_bus;
    QString m_anfragePfad;
    int m_zaehler = 0;
};
