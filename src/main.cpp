#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Quillmere " QUILLMERE_VERSION));
    label.show();
    return app.exec();
}
