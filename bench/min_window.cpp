// The reference for the start-up benchmark: the smallest Qt window of Zeitfang's size whose two
// labels show their text, sized to it, in the first picture, and are rewritten on a 200 ms
// timer, as the countdown does in an auction's last hour.
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include "base/startup_marks.h"

int main(int argc, char** argv) {
    markStartup("main");
    QApplication app(argc, argv);
    markStartup("toolkit");
    QWidget window;
    window.setFixedSize(280, 183);
    window.setWindowTitle(QStringLiteral("Zeitfang"));
    QLabel first(&window);
    QLabel second(&window);
    first.move(10, 10);
    second.move(10, 40);
    int tick = 0;
    const auto rewrite = [&] {
        ++tick;
        first.setText(QStringLiteral("Artikel %1").arg(tick % 7));
        second.setText(QStringLiteral("%1 Min\n%2 Sek").arg(tick / 300).arg(tick / 5 % 60));
        first.adjustSize();
        second.adjustSize();
    };
    rewrite();
    markStartup("fonts");
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, rewrite);
    timer.start(200);
    markStartup("window");
    window.show();
    markStartup("shown");
    return app.exec();
}
