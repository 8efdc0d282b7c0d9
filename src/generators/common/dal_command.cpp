#include "generators/common/dal_command.h"

namespace generators
{

namespace
{

const LineTable kCommandRun{
    u"data access command run", {u"net_prefix"}, {u"reader", u"statement", u"close"}, uR"(
[reader]        Dim rdr As <net_prefix>DataReader
        Try
[reader]            rdr = cmd.ExecuteReader(CommandBehavior.CloseConnection)
[reader]            Return rdr
[statement]            cmd.ExecuteNonQuery()
[close]            cnx.Close()
        Catch
            If Not cnx Is Nothing Then
                cnx.Close()
            End If
            Throw
        End Try
[reader]    End Function
[statement]    End Sub

)"};

} // namespace

void writeDalCommandRun(ModuleFile& file, const QString& netPrefix, DalCommand kind)
{
    writeLineTable(file, kCommandRun, {{QStringLiteral("net_prefix"), netPrefix}},
                   {{QStringLiteral("reader"), when(kind == DalCommand::Reader)},
                    {QStringLiteral("statement"), when(kind != DalCommand::Reader)},
                    {QStringLiteral("close"), when(kind == DalCommand::StatementThenClose)}});
}

QList<const LineTable*> dalCommandLineTables()
{
    return {&kCommandRun};
}

} // namespace generators
