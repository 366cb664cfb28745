// Looks names up with the real adapter and prints "NAME found|not-found" per name.
#include "platform/linux/linux_host_lookup.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    kelvaro::LinuxHostLookup lookup;
    int pending = argc - 1;
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        lookup.lookup(name, [name, &pending](bool found) {
            std::printf("%s %s\n", name.c_str(), found ? "found" : "not-found");
            if (--pending == 0) QCoreApplication::quit();
        });
    }
    QTimer::singleShot(20000, [] { QCoreApplication::exit(3); });
    return pending == 0 ? 0 : QCoreApplication::exec();
}
