#pragma once
// Host-name look-up with QHostInfo.
#include "platform/host_lookup.h"

#include <QObject>

namespace kelvaro {

class LinuxHostLookup : public HostLookup {
  public:
    void lookup(const std::string& host, std::function<void(bool found)> done) override;

  private:
    QObject context_; // answers stop coming once this adapter is gone
};

} // namespace kelvaro
