// Baseline for start-up timing: the smallest Qt6 Widgets window.
#include <QApplication>
#include <QPushButton>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget w;
    w.setWindowTitle("Hello");
    w.setFixedSize(200, 100);
    auto* b = new QPushButton("&Quit", &w);
    b->setGeometry(60, 40, 81, 25);
    QObject::connect(b, &QPushButton::clicked, &app, &QApplication::quit);
    w.show();
    return app.exec();
}
