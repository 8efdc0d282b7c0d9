// The helper that reads Access files for the program (platform/ado/access_helper.h): it runs
// MDBTools' library on a file where its faults cannot take the program down.
//
//     quillmere-access-reader --catalogue FILE      the file's catalogue
//     quillmere-access-reader --rows FILE TABLE     every row of TABLE read, nothing kept
//
// The answer is one message on standard output; the library's own lines go to standard
// error, where the program counts them.
#include "platform/ado/access_catalogue_wire.h"

#include <QFile>

#include <cstdio>
#include <unistd.h>

using namespace platform::ado;

int main(int argc, char** argv)
{
    // The library prints to standard output too: the answer goes out on a descriptor of its own.
    const int answer = dup(STDOUT_FILENO);
    if (answer < 0 || dup2(STDERR_FILENO, STDOUT_FILENO) < 0)
        return 3;
    const QString what = argc > 1 ? QString::fromLatin1(argv[1]) : QString();
    AccessCatalogue catalogue;
    Status read;
    if (what == QLatin1String("--catalogue") && argc == 3)
        read = readAccessCatalogue(QFile::decodeName(argv[2]), &catalogue);
    else if (what == QLatin1String("--rows") && argc == 4)
        read = readEveryAccessRow(QFile::decodeName(argv[2]), QString::fromUtf8(argv[3]));
    else {
        std::fprintf(stderr, "usage: %s --catalogue FILE | --rows FILE TABLE\n", argv[0]);
        return 2;
    }
    std::fflush(stdout);
    const QByteArray message = accessCatalogueMessage(read, catalogue);
    for (qsizetype written = 0; written < message.size();) {
        const ssize_t n = write(answer, message.constData() + written, size_t(message.size() - written));
        if (n <= 0)
            return 3;
        written += n;
    }
    return 0;
}
