#pragma once
// Mains or battery from UPower on the system bus. The state is read once and
// then again on each PropertiesChanged, so a tick's reading costs no bus call.
// No UPower on the bus reads as mains.
#include "platform/power.h"

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QVariantMap>

namespace kelvaro {

class UPowerStatus : public QObject, public PowerStatus {
    Q_OBJECT

  public:
    explicit UPowerStatus(QDBusConnection bus = QDBusConnection::systemBus());
    Reading read() override { return reading_; }

  private slots:
    void propertiesChanged(const QString& interface, const QVariantMap& changed,
                           const QStringList& invalidated);

  private:
    void refresh();
    QVariant property(const QString& path, const QString& interface, const QString& name);

    QDBusConnection bus_;
    QString device_; // the display device: the batteries as one
    Reading reading_;
};

} // namespace kelvaro
