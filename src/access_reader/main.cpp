// The helper that reads Access files for the program (platform/ado/access_helper.h): it runs
// MDBTools' library and driver on a file where their faults cannot take the program down,
// through the program's own connection code.
//
//     quillmere-access-reader --catalogue   the file's catalogue, and a connection opened on it
//     quillmere-access-reader --rows        every row of a query read by a cursor, nothing kept
//
// The request comes on standard input (the ODBC string may hold a password): the ODBC string
// and the file, and for --rows the query and its table. The answer is one message on
// standard output; the library's own lines go to standard error, where the program counts
// them.
#include "platform/ado/access_catalogue_wire.h"
#include "platform/ado/access_helper.h"
#include "platform/ado/row_cursor.h"

#include <QDataStream>
#include <QFile>

#include <cstdio>
#include <unistd.h>

using namespace platform::ado;

namespace
{

Status readCatalogue(QDataStream& in, AccessCatalogue* catalogue)
{
    QString odbcString, path;
    in >> odbcString >> path;
    if (in.status() != QDataStream::Ok)
        return Status::failure(QStringLiteral("the request to the reader of Access files was cut short"));
    const Status read = readAccessCatalogue(path, catalogue);
    if (!read.ok)
        return read;
    Connection db;
    return db.open(odbcString);
}

Status readRows(QDataStream& in)
{
    QString odbcString, sql, path, table;
    in >> odbcString >> sql >> path >> table;
    if (in.status() != QDataStream::Ok)
        return Status::failure(QStringLiteral("the request to the reader of Access files was cut short"));
    Connection db;
    Status status = db.open(odbcString, ResultReading::OnDemand);
    std::unique_ptr<RowCursor> cursor;
    if (status.ok)
        status = db.openCursor(sql, &cursor);
    while (status.ok && cursor && !cursor->atEnd()) {
        QList<QStringList> rows;
        status = cursor->fetch(500, &rows);
    }
    return status;
}

} // namespace

int main(int argc, char** argv)
{
    // The library prints to standard output too: the answer goes out on a descriptor of its own.
    const int answer = dup(STDOUT_FILENO);
    if (answer < 0 || dup2(STDERR_FILENO, STDOUT_FILENO) < 0)
        return 3;
    readAccessFilesInThisProcess();
    const QString what = argc == 2 ? QString::fromLatin1(argv[1]) : QString();
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly))
        return 3;
    QDataStream request(input.readAll());
    AccessCatalogue catalogue;
    Status read;
    if (what == QLatin1String("--catalogue"))
        read = readCatalogue(request, &catalogue);
    else if (what == QLatin1String("--rows"))
        read = readRows(request);
    else {
        std::fprintf(stderr, "usage: %s --catalogue | --rows, the request on standard input\n", argv[0]);
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
