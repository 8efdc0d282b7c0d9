// PostgreSQL's catalogue read for every table at once. Each statement asks the system
// catalogues what the driver asks them for one table, without naming the table, and adds
// the table's schema and name in front; the rows of each table keep the driver's order.
#include "platform/ado/catalogue_rows.h"

namespace platform::ado
{

namespace
{

// Leaves out the system schemas, whose tables a user never chooses; `schema` is the
// namespace's alias in the statement.
QString userSchemas(const QString& schema)
{
    return schema + QStringLiteral(".nspname not in ('pg_catalog', 'information_schema', 'pg_toast')");
}

} // namespace

Status pgPrimaryKeys(Connection::Impl& connection, RowsByTable* out)
{
    // A key's columns by their position in its index (INCLUDE columns follow, as the driver
    // lists them).
    const QString sql =
        QStringLiteral(
            "select n.nspname, tc.relname, ta.attname as \"COLUMN_NAME\", ia.attnum as \"KEY_SEQ\", "
            "ic.relname as \"PK_NAME\" "
            "from pg_catalog.pg_attribute ta, pg_catalog.pg_attribute ia, pg_catalog.pg_class tc, "
            "pg_catalog.pg_index i, pg_catalog.pg_namespace n, pg_catalog.pg_class ic "
            "where tc.oid = i.indrelid and n.oid = tc.relnamespace and i.indisprimary = 't' "
            "and ia.attrelid = i.indexrelid and ta.attrelid = i.indrelid and ta.attnum = "
            "i.indkey[ia.attnum-1] "
            "and (not ta.attisdropped) and (not ia.attisdropped) and ic.oid = i.indexrelid and %1 "
            "order by n.nspname, tc.relname, ia.attnum")
            .arg(userSchemas(QStringLiteral("n")));
    return readRowsByTable(connection, sql, out);
}

Status pgForeignKeys(Connection::Impl& connection, RowsByTable* out)
{
    // One row per column pair, keys in the order of their constraints' creation, the
    // rules as ODBC's numbers.
    const QString rule = QStringLiteral("case ref.%1 when 'c' then 0::int2 when 'n' then 2::int2 "
                                        "when 'd' then 4::int2 when 'r' then 1::int2 else 3::int2 end");
    const QString sql =
        QStringLiteral(
            "select n1.nspname, c1.relname, "
            "current_database()::name as \"PKTABLE_CAT\", n2.nspname as \"PKTABLE_SCHEM\", "
            "c2.relname as \"PKTABLE_NAME\", a2.attname as \"PKCOLUMN_NAME\", "
            "current_database()::name as \"FKTABLE_CAT\", n1.nspname as \"FKTABLE_SCHEM\", "
            "c1.relname as \"FKTABLE_NAME\", a1.attname as \"FKCOLUMN_NAME\", i::int2 as \"KEY_SEQ\", "
            "%1 as \"UPDATE_RULE\", %2 as \"DELETE_RULE\", ref.conname as \"FK_NAME\", cn.conname as "
            "\"PK_NAME\" "
            "from (select cn.oid, conrelid, conkey, confrelid, confkey, "
            "generate_series(array_lower(conkey, 1), array_upper(conkey, 1)) as i, "
            "confupdtype, confdeltype, conname from pg_catalog.pg_constraint cn where contype = 'f') ref "
            "inner join pg_catalog.pg_class c1 on c1.oid = ref.conrelid "
            "inner join pg_catalog.pg_namespace n1 on n1.oid = c1.relnamespace "
            "inner join pg_catalog.pg_attribute a1 on a1.attrelid = c1.oid and a1.attnum = conkey[i] "
            "inner join pg_catalog.pg_class c2 on c2.oid = ref.confrelid "
            "inner join pg_catalog.pg_namespace n2 on n2.oid = c2.relnamespace "
            "inner join pg_catalog.pg_attribute a2 on a2.attrelid = c2.oid and a2.attnum = confkey[i] "
            "left outer join pg_catalog.pg_constraint cn on cn.conrelid = ref.confrelid and cn.contype = 'p' "
            "where %3 "
            "order by n1.nspname, c1.relname, ref.oid, ref.i")
            .arg(rule.arg(QStringLiteral("confupdtype")), rule.arg(QStringLiteral("confdeltype")),
                 userSchemas(QStringLiteral("n1")));
    return readRowsByTable(connection, sql, out);
}

Status pgStatistics(Connection::Impl& connection, RowsByTable* out)
{
    // Every column of every index (INCLUDE columns too), an expression by its text; the
    // primary key first, then the other indexes, those that allow duplicates before the
    // unique ones, each group by name. No table-statistics row.
    const QString sql =
        QStringLiteral(
            "select n.nspname, d.relname, case when i.indisunique then 0 else 1 end as \"NON_UNIQUE\", "
            "c.relname as \"INDEX_NAME\", "
            "case when i.indisclustered then 1 when a.amname = 'hash' then 2 else 3 end as \"TYPE\", "
            "k.n as \"ORDINAL_POSITION\", "
            "case when i.indkey[k.n - 1] = 0 then pg_catalog.pg_get_indexdef(c.oid, k.n, true) "
            "else col.attname end as \"COLUMN_NAME\" "
            "from pg_catalog.pg_index i "
            "inner join pg_catalog.pg_class c on c.oid = i.indexrelid "
            "inner join pg_catalog.pg_class d on d.oid = i.indrelid "
            "inner join pg_catalog.pg_namespace n on n.oid = d.relnamespace "
            "inner join pg_catalog.pg_am a on a.oid = c.relam "
            "cross join lateral generate_series(1, i.indnatts) as k(n) "
            "left outer join pg_catalog.pg_attribute col on col.attrelid = d.oid "
            "and col.attnum = i.indkey[k.n - 1] and col.attnum > 0 and not col.attisdropped "
            "where %1 "
            "order by n.nspname, d.relname, i.indisprimary desc, i.indisunique, c.relname, k.n")
            .arg(userSchemas(QStringLiteral("n")));
    return readRowsByTable(connection, sql, out);
}

} // namespace platform::ado
