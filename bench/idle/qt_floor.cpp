// The least a Qt Widgets program can spend on a clock: a window whose one label
// changes each second ("label"), or a bare one-second timer ("timer"). Run beside
// the real binary (compare.sh) it shows how much of the idle CPU is the program's.
#include <QApplication>
#include <QLabel>
#include <QTimer>

#include <cstring>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const bool label = argc < 2 || std::strcmp(argv[1], "timer") != 0;
    QWidget window;
    window.resize(520, 400);
    QLabel seconds(&window);
    seconds.setGeometry(370, 110, 38, 30);
    window.show();
    int n = 0;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (label) seconds.setText(QString::number(n++ % 60));
    });
    timer.start(1000);
    return QApplication::exec();
}
