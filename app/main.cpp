#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Препроводительная ведомость"));
    window.setFixedSize(790, 559);
    window.show();
    return app.exec();
}
