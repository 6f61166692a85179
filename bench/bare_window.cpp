// The floor: an empty Qt window of the main window's size, nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(792, 573);
    window.show();
    return QApplication::exec();
}
