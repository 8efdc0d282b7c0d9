#pragma once
// A small stand-in for the database access objects the generators and pages were
// designed around (connection, schema rowsets, recordsets, the data control), built
// over unixODBC. It offers what the callers use and nothing more.

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

namespace platform::ado
{

// Schema rowset kinds, by their numbers.
enum SchemaKind : int {
    adSchemaIndexes = 12,
    adSchemaTables = 20,
    adSchemaForeignKeys = 27,
    adSchemaPrimaryKeys = 28,
};

enum ObjectState : int { adStateClosed = 0, adStateOpen = 1 };

// Data type codes a field reports.
enum DataType : int {
    adEmpty = 0,
    adSmallInt = 2,
    adInteger = 3,
    adSingle = 4,
    adDouble = 5,
    adCurrency = 6,
    adDate = 7,
    adBSTR = 8,
    adIDispatch = 9,
    adError = 10,
    adBoolean = 11,
    adVariant = 12,
    adIUnknown = 13,
    adDecimal = 14,
    adTinyInt = 16,
    adUnsignedTinyInt = 17,
    adUnsignedSmallInt = 18,
    adUnsignedInt = 19,
    adBigInt = 20,
    adUnsignedBigInt = 21,
    adGUID = 72,
    adBinary = 128,
    adChar = 129,
    adWChar = 130,
    adNumeric = 131,
    adUserDefined = 132,
    adDBDate = 133,
    adDBTime = 134,
    adDBTimeStamp = 135,
    adVarNumeric = 139,
    adVarChar = 200,
    adLongVarChar = 201,
    adVarWChar = 202,
    adLongVarWChar = 203,
    adVarBinary = 204,
    adLongVarBinary = 205,
};

// Whether a field of this type code holds numbers (integers, decimals, floating point,
// currency).
bool isNumericType(int type);

// What a call did: ok, or the driver's message.
struct [[nodiscard]] Status {
    bool ok = true;
    QString message;
    // The server gave no answer within the call's time limit (the connection is closed).
    bool unanswered = false;
    // The call failed because the link to the server dropped (the connection is closed).
    bool linkLost = false;
    // The connection is gone: every later call on it would fail the same way.
    bool connectionGone() const { return unanswered || linkLost; }
    // The table a failed catalogue request was about, when the rowset covered several.
    QString object;
    static Status failure(const QString& message) { return {false, message, false, false, {}}; }
};

// Catalogue requests and column discovery give up when the server has not answered
// within a connection's catalogue time limit, this one unless set otherwise. Every other
// call waits as long as the server needs; none of them keeps the window from its events.
inline constexpr std::chrono::seconds kCatalogueTimeLimit{30};

class RowCursor;

// How a database keeps an identifier written without quotes: as written (matched with or
// without regard to case), or folded to upper or to lower case.
enum class UnquotedCase { AsWritten, Upper, Lower };

// How a connection reads a result: whole when the statement runs, or as it is fetched.
enum class ResultReading { Whole, OnDemand };

struct Field {
    QString name;
    int type = adEmpty;
};

// Rows already fetched, read forward. Values are text; a null reads as "".
class Recordset
{
public:
    Recordset() = default;
    Recordset(QList<Field> fields, QList<QStringList> rows);

    bool eof() const { return position_ >= rows_.size(); }
    void moveFirst() { position_ = 0; }
    void moveNext();
    int recordCount() const { return int(rows_.size()); }
    void close();

    int fieldCount() const { return int(fields_.size()); }
    const QList<Field>& fields() const { return fields_; }
    int fieldIndex(const QString& name) const; // case-insensitive; -1 when absent
    QString value(const QString& fieldName) const;
    QString value(int fieldIndex) const;
    const QList<QStringList>& rows() const { return rows_; }

private:
    QList<Field> fields_;
    QList<QStringList> rows_;
    qsizetype position_ = 0;
};

// The catalogue rowsets of one database, read once and kept: a rowset asked for again is
// served from what was read. Where the driver allows it, the keys, foreign keys or indexes
// of every table are read in one statement; other drivers are asked table by table, each
// table once. The rows are those openSchema gives without a cache. Kept for one run, while
// the catalogue does not change.
class CatalogueCache
{
public:
    CatalogueCache();
    ~CatalogueCache();
    CatalogueCache(const CatalogueCache&) = delete;
    CatalogueCache& operator=(const CatalogueCache&) = delete;

    // The tables a run is going to ask about, in the order it asks: a table asked table by
    // table is read together with those that follow it.
    void expect(const QStringList& tables);

    struct Impl;
    Impl& impl() { return *impl_; }

private:
    std::unique_ptr<Impl> impl_;
};

// One database connection. The connection string is the one the pages build; the
// translation to an ODBC string happens inside open().
class Connection
{
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens with an empty user name and password, with a bounded login timeout and
    // without driver prompts. Like every call below that reaches the server, it returns
    // when the driver has answered, the window's events handled meanwhile (the object
    // must outlive the call). OnDemand asks a driver that would read whole results at
    // once to read them as they are fetched.
    Status open(const QString& connectionString, ResultReading reading = ResultReading::Whole);
    int state() const;
    void close();
    // Kept across open() and close().
    void setCatalogueTimeLimit(std::chrono::milliseconds limit);

    // Schema rowset of the given kind. An invalid QVariant in the restrictions is an
    // "empty" restriction (no filter); a string value filters on that value. With a
    // cache, what it holds is used and what is read is kept in it.
    Status openSchema(int kind, const QList<QVariant>& restrictions, Recordset* out,
                      CatalogueCache* cache = nullptr);

    // The driver's identifier quote character ('"' when the driver gives none).
    QString identifierQuote() const;
    // What the database does with an identifier written without quotes.
    UnquotedCase unquotedCase() const;
    // The words the database's SQL reserves, in upper case: ODBC's reserved keywords and
    // those the driver reports (only ODBC's while closed or when the driver says none).
    QStringList reservedWords();

    // Runs a statement and fetches its rows (fieldsOnly: prepare and describe only, under
    // the catalogue time limit). A failure that lost the link, or the limit passing,
    // closes the connection.
    Status query(const QString& sql, Recordset* out, bool fieldsOnly = false);

    // Runs a query and leaves its rows to be read through the cursor, which keeps the
    // connection's handle open for as long as it lives. A statement or a read that finds
    // the link dropped closes the connection.
    Status openCursor(const QString& sql, std::unique_ptr<RowCursor>* out);
    // The same from row `first` (0: the first) on, giving `count` rows or more where the
    // query has them: the database skips the rows before where it can, else they are read
    // and dropped.
    Status openCursorAt(const QString& sql, qint64 first, int count, std::unique_ptr<RowCursor>* out);
    // The number of rows a query gives, counted by the database where it can.
    Status countRows(const QString& sql, qint64* count);

    // The fields of many queries. Where a describe waits on the server (PostgreSQL): those
    // of "SELECT * from <table>" from one catalogue statement and one describe per column
    // type not met yet, the others prepared and described on a few connections of their
    // own at once, opened as this one was. Elsewhere each query is described on this
    // connection, many in one hand-over to the server's thread. Each query's fields are
    // those query(sql, out, true) gives; a query that fails is left out. For an Access
    // file, or a single query, it describes nothing.
    Status describeAhead(const QStringList& queries, QHash<QString, QList<Field>>* out) const;

    struct Impl;

private:
    std::unique_ptr<Impl> impl_;
};

// The data control: holds a connection string and a record source, and runs the
// query on its own connection when refreshed.
class DataControl
{
public:
    DataControl();
    ~DataControl();

    // Drops the control's own connection: the next refresh opens the string afresh.
    void setConnectionString(const QString& connectionString);
    // Closes the control's own connection; refreshes fail until the string is set again.
    void closeConnection();
    // A new action begins: a string that failed to open, or a server that stopped
    // answering, is tried again at the next refresh (unless the control was closed).
    void allowNewTry();
    QString connectionString() const { return connectionString_; }
    void setRecordSource(const QString& recordSource) { recordSource_ = recordSource; }
    QString recordSource() const { return recordSource_; }

    // Runs the record source. With fieldsOnly the statement is only prepared and
    // described (column discovery never fetches rows). A failure leaves no fields.
    Status refresh(bool fieldsOnly = false);
    const Recordset& recordset() const { return recordset_; }
    // The recordset to walk with moveFirst/moveNext (the grid export moves it).
    Recordset& recordset() { return recordset_; }
    const QList<Field>& fields() const { return recordset_.fields(); }

    // Runs the record source and keeps its statement open: the rows are read on demand
    // through cursor(). A failure leaves no cursor. The control owns the cursor: a new
    // refresh, connection string or close ends it, so a reader keeps it as a weak_ptr.
    Status refreshCursor();
    std::shared_ptr<RowCursor> cursor() const { return cursor_; }
    // Another cursor over the record source, from its first row, on a connection of its
    // own (the export walks it while the grid's cursor stays where it is).
    Status openCursor(std::unique_ptr<RowCursor>* out);
    // The same from row `first` on (Connection::openCursorAt): the grid reads the rows at
    // a place in a large result without reading those before.
    Status openCursorAt(qint64 first, int count, std::unique_ptr<RowCursor>* out);
    // The number of rows `sql` gives, on the control's own connection.
    Status countRows(const QString& sql, qint64* count);
    // A table name as queries on the control's own connection write it (tableInSql with
    // that connection's quote and case; as by default before it opens).
    QString tableInSql(const QString& table);
    // A column name likewise (columnInSql).
    QString columnInSql(const QString& column);
    // Connection::describeAhead, over the control's own connection.
    Status describeAhead(const QStringList& queries, QHash<QString, QList<Field>>* out);

    // The catalogue time limit of the control's own connection.
    void setCatalogueTimeLimit(std::chrono::milliseconds limit);

private:
    // The open connection (opened afresh when needed) into `connection`, which the caller
    // holds for the length of its call.
    Status ensureOpen(ResultReading reading, std::shared_ptr<Connection>* connection);
    // A name written by `write` with the quote and case of the control's own connection.
    using NameWriter = QString (*)(const QString&, const QString&, UnquotedCase);
    QString nameInSql(const QString& name, NameWriter write);
    // Runs `work` on a connection of its own, opened with the control's string.
    Status onOwnConnection(const std::function<Status(Connection&)>& work);

    std::chrono::milliseconds catalogueLimit_ = kCatalogueTimeLimit;
    QString connectionString_;
    QString recordSource_;
    Recordset recordset_;
    // Shared with the call under way: a new string or a close during a call's wait lets
    // go of the connection, and the call still returns into a live one. Declared before
    // the cursor, so that the cursor goes first.
    std::shared_ptr<Connection> connection_;
    std::shared_ptr<RowCursor> cursor_;
    ResultReading openedReading_ = ResultReading::Whole;
    QString openedWith_;
    std::optional<Status> openFailure_;
    bool closedOnPurpose_ = false;
};

// How many statements (queries and catalogue requests) the process has sent to its drivers,
// for measurements.
qint64 statementsRun();

// The ODBC connection string that open() uses for a given connection string. A string
// naming DRIVER= or DSN= is used unchanged, less a "Provider=MSDASQL" in it (the OLE DB
// provider for ODBC drivers, which passes the rest to the driver); an OLE DB string of a known provider
// family (Microsoft.Jet.OLEDB* and Microsoft.ACE.OLEDB*, SQLOLEDB*,
// MSDAORA*) is filled into that family's template:
//   jet       DRIVER={MDBTools};DBQ=%source%;
//   sqloledb  DRIVER={FreeTDS};Server=%source%;Database=%catalog%;UID=%user%;PWD=%password%;
//   msdaora   DSN=%source%;UID=%user%;PWD=%password%;
// A providers file (the path in QUILLMERE_PROVIDERS, else providers.ini in the program's
// folder) may replace a template with lines "jet=...", "sqloledb=...", "msdaora=...".
// Placeholders take Data Source, Initial Catalog, User Id and Password, in braces when
// they hold ';', braces, quotes or outer blanks.
// Either way, a string for a SQLite driver (named, or the driver of the data source) gets
// "NoCreat=1;" in front, so that opening never creates a database file.
QString toOdbcConnectionString(const QString& connectionString);

// For an ODBC string that opens a database file which does not exist (the SQLite or the
// MDBTools driver), the reason to give for the failed open ("the database file ... does not
// exist"); empty otherwise.
QString missingDatabaseFile(const QString& odbcString);

// A value for an OLE DB connection string: unchanged when plain, in double quotes (inner
// quotes doubled) when it holds ';', a quote or a brace, so it cannot end its attribute.
QString oleDbValue(const QString& value);

// A table name as a query writes it: unchanged when it is a plain identifier (or a
// dotted owner.table of them, or empty) that the database reads back as written and not
// as an SQL word (isReservedWord), else
// in the driver's identifier quotes, inner quotes doubled. In a dotted name of plain
// identifiers only the parts that the database would fold to another case are quoted
// ("sales.Customers" on a database that folds to lower case: sales."Customers").
QString tableInSql(const QString& table, const QString& identifierQuote,
                   UnquotedCase unquoted = UnquotedCase::AsWritten);
// A column name as a query writes it: as tableInSql writes one part of a table name, a
// dot being a character of the name like any other.
QString columnInSql(const QString& column, const QString& identifierQuote,
                    UnquotedCase unquoted = UnquotedCase::AsWritten);
// A word that SQL, or one of the databases the program reads, keeps for itself (any case):
// a name spelled so is quoted by tableInSql and columnInSql.
bool isReservedWord(const QString& word);

} // namespace platform::ado
