#include "generators/common/dal_reader.h"

namespace generators
{

namespace
{

const LineTable kReaderClose{u"data reader close", {}, {}, uR"(
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
)"};

} // namespace

void writeReaderUse(ModuleFile& file, const LineTable& read, const LineTable& after,
                    const Placeholders& values, const RowSets& rows)
{
    writeLineTable(file, read, values, rows);
    writeLineTable(file, kReaderClose);
    writeLineTable(file, after, values);
}

QList<const LineTable*> dalReaderLineTables()
{
    return {&kReaderClose};
}

} // namespace generators
