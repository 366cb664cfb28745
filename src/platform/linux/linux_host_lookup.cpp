#include "platform/linux/linux_host_lookup.h"

#include <QHostInfo>

namespace kelvaro {

void LinuxHostLookup::lookup(const std::string& host, std::function<void(bool)> done) {
    QHostInfo::lookupHost(QString::fromStdString(host), &context_, [done](const QHostInfo& info) {
        done(info.error() == QHostInfo::NoError && !info.addresses().isEmpty());
    });
}

} // namespace kelvaro
