// An empty Qt Widgets window: what any window of the toolkit costs, for comparison.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(333, 24);
    window.show();
    return app.exec();
}
