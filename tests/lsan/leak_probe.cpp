// Leaks on purpose from a slot that the Qt event loop runs, the way any handler
// of the program runs. The suite's leak settings must still report it.
#include <QCoreApplication>
#include <QTimer>

#include <cstring>

namespace {
char* volatile kept = nullptr;
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTimer::singleShot(0, &app, [&app] {
        char* lost = new char[17];
        std::strcpy(lost, "leaked by a slot");
        kept = lost;
        kept = nullptr;
        app.quit();
    });
    return app.exec();
}
