#pragma once
// MDBTools' library crashes, loops for ever or eats memory without end on a damaged file, so
// the program never reads an Access file with it in its own process: the helper program
// (quillmere-access-reader, built beside the program) reads it, under a time and a memory
// limit, and hands back what it read. Whatever becomes of the helper, the program gets a
// status with the reason; the library's warnings are counted and logged once.

#include "platform/ado/access_catalogue.h"

#include <chrono>

namespace platform::ado
{

// How long the helper may take on a file: the connect's own limit.
inline constexpr std::chrono::milliseconds kAccessReadLimit{15000};
// How long it may take to read every row of one table, larger than any catalogue.
inline constexpr std::chrono::milliseconds kAccessRowsReadLimit{60000};
// The address space the helper may use; the library's runaway reads stop there.
inline constexpr quint64 kAccessReaderMemory = 512ull * 1024 * 1024;

// The catalogue of the Access file at `path`, read by the helper, which then opens a
// connection on `odbcString` as the program will.
Status readAccessCatalogueApart(const QString& odbcString, const QString& path,
                                std::chrono::milliseconds limit, AccessCatalogue* out);
// Whether the helper reads every row of `sql`, a query of `table`, through the driver on
// `odbcString`, as a cursor of the program reads them, the table's stored dates included.
Status checkAccessRowsApart(const QString& odbcString, const QString& sql, const QString& table,
                            std::chrono::milliseconds limit);

// The helper program's path: beside the running executable, else where the build put it.
QString accessReaderProgram();

// Called by the helper itself: its connections read Access files in its own process.
void readAccessFilesInThisProcess();
bool readsAccessFilesInThisProcess();

} // namespace platform::ado
