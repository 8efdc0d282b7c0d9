#include "app/program.h"

#include <QApplication>

int main(int argc, char** argv)
{
#ifdef QUILLMERE_HAVE_WEBENGINE
    // The style-sheet builder's browser engine shares the window's OpenGL contexts; asked for
    // before the application exists, it starts without warning about it.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
#endif
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillmere"));
    QApplication::setApplicationVersion(QStringLiteral(QUILLMERE_VERSION));
    app::Program program;
    program.start();
    return program.afterEventLoop(app.exec());
}
