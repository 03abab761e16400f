// The yardstick of the start-up benchmark: a bare Qt main window of the
// editor's size, started the way the editor starts.

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(1280, 800);
    window.show();
    return app.exec();
}
