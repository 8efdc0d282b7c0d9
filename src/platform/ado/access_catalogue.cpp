// The catalogue of an Access file read with libmdb, served as the rows of the ODBC catalogue
// functions so that the schema rowsets are built from it as from any driver's answers.
#include "platform/ado/access_catalogue.h"
#include "platform/ado/access_helper.h"
#include "platform/ado/connection_attributes.h"
#include "platform/yielding_call.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QScopeGuard>

#include <mdbtools.h>
#include <odbcinst.h>

namespace platform::ado
{

namespace
{

// The type codes Jet's provider reports for the file's column types.
int adoTypeOfColumn(const MdbColumn& column)
{
    switch (column.col_type) {
    case MDB_BOOL:
        return adBoolean;
    case MDB_BYTE:
        return adUnsignedTinyInt;
    case MDB_INT:
        return adSmallInt;
    case MDB_LONGINT:
    case MDB_COMPLEX: // an attachment or multi-valued column, held as a number
        return adInteger;
    case MDB_MONEY:
        return adCurrency;
    case MDB_FLOAT:
        return adSingle;
    case MDB_DOUBLE:
        return adDouble;
    case MDB_DATETIME:
        return adDate;
    case MDB_BINARY:
        return adVarBinary;
    case MDB_TEXT:
        return adVarWChar;
    case MDB_OLE:
        return adLongVarBinary;
    case MDB_MEMO:
        return adLongVarWChar;
    case MDB_REPID:
        return adGUID;
    case MDB_NUMERIC:
        return adNumeric;
    default:
        return adVarWChar;
    }
}

QString fromMdb(const char* text)
{
    return QString::fromUtf8(text);
}

template <class T> T* element(GPtrArray* array, guint index)
{
    return array && index < array->len ? static_cast<T*>(g_ptr_array_index(array, index)) : nullptr;
}

// A table definition that frees itself.
struct TableDef {
    explicit TableDef(MdbTableDef* def) : def(def) {}
    ~TableDef()
    {
        if (def)
            mdb_free_tabledef(def);
    }
    TableDef(const TableDef&) = delete;
    TableDef& operator=(const TableDef&) = delete;
    MdbTableDef* def;
};

// The column an index key names: the library numbers them from 1 in the table's order.
const MdbColumn* keyColumn(MdbTableDef* def, int keyColumnNumber)
{
    return keyColumnNumber >= 1 ? element<MdbColumn>(def->columns, guint(keyColumnNumber - 1)) : nullptr;
}

void readIndexes(MdbTableDef* def, AccessTable* table)
{
    // The library keeps what it read in the table definition (and returns nothing).
    mdb_read_indices(def);
    if (!def->indices)
        return;
    for (guint i = 0; i < def->num_idxs; ++i) {
        const MdbIndex* index = element<MdbIndex>(def->indices, i);
        // Type 2 is the hidden index Jet keeps for the child side of a relationship.
        if (!index || index->index_type == 2)
            continue;
        AccessIndex read;
        read.name = fromMdb(index->name);
        read.primary = index->index_type == 1;
        read.unique = read.primary || (index->flags & MDB_IDX_UNIQUE);
        for (unsigned k = 0; k < index->num_keys && k < MDB_MAX_IDX_COLS; ++k) {
            if (const MdbColumn* column = keyColumn(def, index->key_col_num[k]))
                read.columns.append(fromMdb(column->name));
        }
        read.unreadable = read.columns.isEmpty() || read.columns.size() != qsizetype(index->num_keys);
        table->indexes.append(read);
    }
}

// The relationships table's rows, one per column pair. A file without one has none.
QList<AccessRelation> readRelations(MdbHandle* mdb)
{
    QList<AccessRelation> relations;
    char name[] = "MSysRelationships";
    TableDef def(mdb_read_table_by_name(mdb, name, MDB_TABLE));
    if (!def.def || !mdb_read_columns(def.def))
        return relations;
    const char* names[] = {"szRelationship",     "szObject", "szColumn", "szReferencedObject",
                           "szReferencedColumn", "icolumn",  "grbit"};
    constexpr int count = int(std::size(names));
    std::vector<std::vector<char>> values(count, std::vector<char>(mdb->bind_size + 1));
    std::vector<int> lengths(count);
    for (int i = 0; i < count; ++i) {
        if (mdb_bind_column_by_name(def.def, const_cast<char*>(names[i]), values[i].data(), &lengths[i]) < 0)
            return relations;
    }
    struct Pair {
        int position;
        QString child, parent;
    };
    QHash<QString, QList<Pair>> pairs;
    mdb_rewind_table(def.def);
    while (mdb_fetch_row(def.def)) {
        const auto text = [&](int i) { return fromMdb(values[i].data()); };
        const QString relation = text(0);
        // A relationship that enforces nothing is a line in a diagram, not a foreign key.
        if (text(6).toLongLong() & 0x2)
            continue;
        auto known = std::find_if(relations.begin(), relations.end(),
                                  [&](const AccessRelation& r) { return r.name == relation; });
        if (known == relations.end()) {
            AccessRelation r;
            r.name = relation;
            r.child = text(1);
            r.parent = text(3);
            const qint64 flags = text(6).toLongLong();
            r.updateRule = flags & 0x100 ? SQL_CASCADE : SQL_NO_ACTION;
            r.deleteRule = flags & 0x1000 ? SQL_CASCADE : flags & 0x2000 ? SQL_SET_NULL : SQL_NO_ACTION;
            relations.append(r);
        }
        pairs[relation].append({text(5).toInt(), text(2), text(4)});
    }
    for (AccessRelation& r : relations) {
        QList<Pair>& list = pairs[r.name];
        std::stable_sort(list.begin(), list.end(),
                         [](const Pair& a, const Pair& b) { return a.position < b.position; });
        for (const Pair& p : list) {
            r.childColumns.append(p.child);
            r.parentColumns.append(p.parent);
        }
    }
    return relations;
}

// The file opened by the library, or why it cannot be.
Status openFile(const QString& path, MdbHandle** out)
{
    *out = nullptr;
    // A data source that keeps the file in its own settings names none in the string.
    if (path.isEmpty())
        return Status::failure(QStringLiteral("the connection string names no Access file (DBQ)"));
    const QFileInfo info(path);
    if (!info.exists())
        return Status::failure(QStringLiteral("the database file %1 does not exist").arg(path));
    if (!info.isFile() || !info.isReadable())
        return Status::failure(QStringLiteral("the database file %1 cannot be read").arg(path));
    *out = mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS);
    if (!*out)
        return Status::failure(
            QStringLiteral("%1 is not an Access database file that can be read").arg(path));
    return {};
}

Status readFile(const QString& path, AccessCatalogue* out)
{
    MdbHandle* mdb = nullptr;
    if (const Status opened = openFile(path, &mdb); !opened.ok)
        return opened;
    const auto closing = qScopeGuard([mdb] { mdb_close(mdb); });
    GPtrArray* entries = mdb_read_catalog(mdb, MDB_TABLE);
    if (!entries)
        return Status::failure(QStringLiteral("the catalogue of %1 cannot be read").arg(path));
    for (guint i = 0; i < entries->len; ++i) {
        MdbCatalogEntry* entry = element<MdbCatalogEntry>(entries, i);
        if (!entry || entry->object_type != MDB_TABLE)
            continue;
        TableDef def(mdb_read_table(entry));
        if (!def.def || !mdb_read_columns(def.def))
            return Status::failure(
                QStringLiteral("the table %1 of %2 cannot be read").arg(fromMdb(entry->object_name), path));
        AccessTable table;
        table.name = fromMdb(entry->object_name);
        table.system =
            mdb_is_system_table(entry) || table.name.startsWith(QLatin1String("MSys"), Qt::CaseInsensitive);
        for (guint c = 0; c < def.def->num_cols; ++c) {
            if (const MdbColumn* column = element<MdbColumn>(def.def->columns, c))
                table.columns.append({fromMdb(column->name), adoTypeOfColumn(*column)});
        }
        if (!table.system)
            readIndexes(def.def, &table);
        out->tables.append(std::move(table));
    }
    // Every Access file holds the tables of its own catalogue: a file that shows none is no
    // Access file the library can read (a header and nothing else, scrambled pages).
    if (out->tables.isEmpty())
        return Status::failure(
            QStringLiteral("%1 is not an Access database file that can be read: it holds no table")
                .arg(path));
    out->relations = readRelations(mdb);
    return {};
}

QList<Field> textFields(std::initializer_list<const char*> names)
{
    QList<Field> fields;
    for (const char* name : names)
        fields.append({QString::fromLatin1(name), adVarWChar});
    return fields;
}

bool isFileKey(QStringView key)
{
    return key.compare(QLatin1String("dbq"), Qt::CaseInsensitive) == 0 ||
           key.compare(QLatin1String("database"), Qt::CaseInsensitive) == 0;
}

// A setting of an ODBC data source, as unixODBC reads it (ODBCINI and the system's file).
QString dataSourceSetting(const QString& dataSource, const char* key)
{
    char value[4096] = {};
    const QByteArray name = dataSource.toUtf8();
    const int length =
        SQLGetPrivateProfileString(name.constData(), key, "", value, int(sizeof(value)), "odbc.ini");
    return length > 0 ? QString::fromUtf8(value, std::min<int>(length, int(sizeof(value)) - 1)) : QString();
}

QString dataSourceOf(const QString& odbcString)
{
    for (const ConnectionAttribute& a : connectionAttributes(odbcString)) {
        if (a.keyIn(odbcString).compare(QLatin1String("dsn"), Qt::CaseInsensitive) == 0)
            return a.value;
    }
    return {};
}

bool isMdbToolsDriver(const QString& driver)
{
    return driver.contains(QLatin1String("mdbtools"), Qt::CaseInsensitive) ||
           driver.contains(QLatin1String("mdbodbc"), Qt::CaseInsensitive);
}

// The catalogue, read by the helper, or here when this is the helper.
Status readCatalogueOf(const QString& odbcString, const QString& path, AccessCatalogue* out)
{
    return readsAccessFilesInThisProcess()
               ? readAccessCatalogue(path, out)
               : readAccessCatalogueApart(odbcString, path, kAccessReadLimit, out);
}

} // namespace

bool namesAccessDriver(const QString& odbcString)
{
    for (const ConnectionAttribute& a : connectionAttributes(odbcString)) {
        if (a.keyIn(odbcString).compare(QLatin1String("driver"), Qt::CaseInsensitive) == 0)
            return isMdbToolsDriver(a.value);
    }
    const QString dataSource = dataSourceOf(odbcString);
    return !dataSource.isEmpty() && isMdbToolsDriver(dataSourceSetting(dataSource, "Driver"));
}

// The file named by the connection's ODBC string (DBQ or Database, as the driver reads it),
// or by the settings of the data source it names.
QString accessFileOf(const QString& odbcString)
{
    for (const ConnectionAttribute& a : connectionAttributes(odbcString)) {
        if (isFileKey(a.keyIn(odbcString)))
            return a.value;
    }
    const QString dataSource = dataSourceOf(odbcString);
    if (dataSource.isEmpty())
        return {};
    for (const char* key : {"DBQ", "Database"}) {
        const QString file = dataSourceSetting(dataSource, key);
        if (!file.isEmpty())
            return file;
    }
    return {};
}

const AccessTable* AccessCatalogue::table(const QString& name) const
{
    for (const AccessTable& t : tables) {
        if (t.name == name)
            return &t;
    }
    for (const AccessTable& t : tables) {
        if (t.name.compare(name, Qt::CaseInsensitive) == 0)
            return &t;
    }
    return nullptr;
}

Status readAccessCatalogue(const QString& path, AccessCatalogue* out)
{
    *out = AccessCatalogue();
    const Status status = readFile(path, out);
    if (!status.ok)
        *out = AccessCatalogue();
    return status;
}

Status AccessRows::tables(const QString& name, QList<TableRef>* out)
{
    for (const AccessTable& t : catalogue_->tables) {
        if (name.isEmpty() || t.name == name)
            out->append({QString(), QString(), t.name,
                         t.system ? QStringLiteral("SYSTEM TABLE") : QStringLiteral("TABLE")});
    }
    return {};
}

Status AccessRows::tableRows(TableRowset rowset, const TableRef& ref, RawRows* out)
{
    *out = RawRows();
    const AccessTable* table = catalogue_->table(ref.name);
    switch (rowset) {
    case TableRowset::primaryKey:
        out->columns =
            textFields({"TABLE_CAT", "TABLE_SCHEM", "TABLE_NAME", "COLUMN_NAME", "KEY_SEQ", "PK_NAME"});
        for (const AccessIndex& index : table ? table->indexes : QList<AccessIndex>()) {
            if (!index.primary)
                continue;
            // A key read in part is no key: code written on it would update the wrong rows.
            if (index.unreadable)
                return Status::failure(
                    QStringLiteral("the file holds a primary key of %1 (%2) whose columns cannot be read")
                        .arg(table->name, index.name));
            for (qsizetype k = 0; k < index.columns.size(); ++k)
                out->rows.append({QString(), QString(), table->name, index.columns[k], QString::number(k + 1),
                                  index.name});
        }
        return {};
    case TableRowset::foreignKeys:
        out->columns = textFields({"PKTABLE_CAT", "PKTABLE_SCHEM", "PKTABLE_NAME", "PKCOLUMN_NAME",
                                   "FKTABLE_CAT", "FKTABLE_SCHEM", "FKTABLE_NAME", "FKCOLUMN_NAME", "KEY_SEQ",
                                   "UPDATE_RULE", "DELETE_RULE", "FK_NAME", "PK_NAME"});
        if (!table)
            return {};
        for (const AccessRelation& r : catalogue_->relations) {
            if (r.child.compare(table->name, Qt::CaseInsensitive) != 0)
                continue;
            const AccessTable* parent = catalogue_->table(r.parent);
            const QString parentName = parent ? parent->name : r.parent;
            QString parentKey;
            for (const AccessIndex& index : parent ? parent->indexes : QList<AccessIndex>()) {
                if (index.primary)
                    parentKey = index.name;
            }
            for (qsizetype k = 0; k < r.childColumns.size(); ++k)
                out->rows.append({QString(), QString(), parentName, r.parentColumns[k], QString(), QString(),
                                  table->name, r.childColumns[k], QString::number(k + 1),
                                  QString::number(r.updateRule), QString::number(r.deleteRule), r.name,
                                  parentKey});
        }
        return {};
    case TableRowset::statistics:
        out->columns = textFields({"TABLE_CAT", "TABLE_SCHEM", "TABLE_NAME", "NON_UNIQUE", "INDEX_QUALIFIER",
                                   "INDEX_NAME", "TYPE", "ORDINAL_POSITION", "COLUMN_NAME"});
        for (const AccessIndex& index : table ? table->indexes : QList<AccessIndex>()) {
            if (index.unreadable)
                continue; // its columns in part would make another index
            for (qsizetype k = 0; k < index.columns.size(); ++k)
                out->rows.append({QString(), QString(), table->name, index.unique ? "0" : "1", QString(),
                                  index.name, QString::number(SQL_INDEX_OTHER), QString::number(k + 1),
                                  index.columns[k]});
        }
        return {};
    case TableRowset::tableInfo:
        break;
    }
    return Status::failure(QStringLiteral("this catalogue request is not supported on Access files"));
}

bool isAccessConnection(const Connection::Impl& connection)
{
    return connection.traits.accessFile;
}

Status accessCatalogueOf(Connection::Impl& connection, std::shared_ptr<const AccessCatalogue>* out)
{
    if (!connection.accessCatalogue) {
        auto catalogue = std::make_shared<AccessCatalogue>();
        auto status = std::make_shared<Status>();
        const QString path = accessFileOf(connection.odbcString);
        const QString odbcString = connection.odbcString;
        runWhileYielding([catalogue, status, odbcString, path] {
            *status = readCatalogueOf(odbcString, path, catalogue.get());
        });
        connection.accessCatalogue = catalogue;
        connection.accessFailure = *status;
    }
    *out = connection.accessCatalogue;
    return connection.accessFailure;
}

Status readAccessCatalogueFirst(const QString& odbcString, std::shared_ptr<const AccessCatalogue>* out)
{
    out->reset();
    if (!namesAccessDriver(odbcString))
        return {};
    auto catalogue = std::make_shared<AccessCatalogue>();
    const Status read = readCatalogueOf(odbcString, accessFileOf(odbcString), catalogue.get());
    if (read.ok)
        *out = std::move(catalogue);
    return read;
}

const AccessTable* accessTableRead(const AccessCatalogue& catalogue, const QString& sql, const QString& quote)
{
    static const QRegularExpression discovery(QStringLiteral("^\\s*select\\s+\\*\\s+from\\s+(.+?)\\s*$"),
                                              QRegularExpression::CaseInsensitiveOption |
                                                  QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = discovery.match(sql);
    if (!match.hasMatch())
        return nullptr;
    QString written = match.captured(1);
    // A name in the driver's quotes (inner quotes doubled) or in brackets, else as written.
    if (!quote.isEmpty() && written.size() >= 2 * quote.size() && written.startsWith(quote) &&
        written.endsWith(quote))
        written = written.mid(quote.size(), written.size() - 2 * quote.size()).replace(quote + quote, quote);
    else if (written.size() >= 2 && written.startsWith(QLatin1Char('[')) &&
             written.endsWith(QLatin1Char(']')))
        written = written.mid(1, written.size() - 2);
    for (const AccessTable& t : catalogue.tables) {
        if (written == t.name)
            return &t;
    }
    return nullptr;
}

Status accessRowsReadable(Connection::Impl& connection, const AccessTable& table, const QString& sql)
{
    if (readsAccessFilesInThisProcess())
        return {};
    if (const auto known = connection.accessRowsRead.constFind(table.name);
        known != connection.accessRowsRead.constEnd())
        return *known;
    auto status = std::make_shared<Status>();
    const QString odbcString = connection.odbcString, name = table.name;
    runWhileYielding([status, odbcString, sql, name] {
        *status = checkAccessRowsApart(odbcString, sql, name, kAccessRowsReadLimit);
    });
    if (!status->ok)
        *status =
            Status::failure(QStringLiteral("the rows of %1 cannot be read: %2").arg(name, status->message));
    connection.accessRowsRead.insert(name, *status);
    return *status;
}

bool accessDiscoveryFields(const AccessCatalogue& catalogue, const QString& sql, const QString& quote,
                           QList<Field>* out)
{
    const AccessTable* table = accessTableRead(catalogue, sql, quote);
    if (table)
        *out = table->columns;
    return table;
}

} // namespace platform::ado
