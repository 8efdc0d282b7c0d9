// The catalogue of Access files through a real connection to the MDBTools driver: the rowsets
// and the column discovery come from the file (the driver gives no keys and crashes on
// indexes), a file that cannot be read gives its reason, and the driver-side fixes (the
// identifier quote's length, a prepared statement described only once run, binary values).

#include "platform/ado/ado.h"
#include "support/fixture_db.h"

#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

using namespace platform::ado;

namespace
{

// The rows of a rowset, each joined with "|", the given fields only.
QStringList rowsOf(const Recordset& rs, const QStringList& fields)
{
    QStringList rows;
    for (const QStringList& row : rs.rows()) {
        QStringList values;
        for (const QString& field : fields)
            values.append(row.value(rs.fieldIndex(field)));
        rows.append(values.join('|'));
    }
    return rows;
}

} // namespace

class AccessCatalogueTest : public QObject
{
    Q_OBJECT
private slots:
    void rowsets_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QStringList>("rows");
        const QStringList tableFields{"TABLE_NAME", "TABLE_TYPE"};
        const QStringList keyFields{"TABLE_NAME", "COLUMN_NAME", "ORDINAL", "PK_NAME"};
        const QStringList fkFields{"PK_TABLE_NAME", "PK_COLUMN_NAME", "FK_TABLE_NAME", "FK_COLUMN_NAME",
                                   "ORDINAL",       "UPDATE_RULE",    "DELETE_RULE",   "FK_NAME"};
        const QStringList indexFields{"TABLE_NAME", "INDEX_NAME",       "PRIMARY_KEY",
                                      "UNIQUE",     "ORDINAL_POSITION", "COLUMN_NAME"};
        for (const QString file : {"indexTestV2003.mdb", "indexTestV2010.accdb"}) {
            QTest::addRow("%s tables", qPrintable(file))
                << file << int(adSchemaTables) << tableFields
                << QStringList{"Table1|TABLE", "Table2|TABLE", "Table3|TABLE"};
            QTest::addRow("%s primary keys", qPrintable(file))
                << file << int(adSchemaPrimaryKeys) << keyFields
                << QStringList{"Table1|id|1|PrimaryKey", "Table2|id|1|PrimaryKey", "Table3|id|1|PrimaryKey"};
            QTest::addRow("%s foreign keys", qPrintable(file))
                << file << int(adSchemaForeignKeys) << fkFields
                << QStringList{"Table2|id|Table1|otherfk1|1|NO ACTION|CASCADE|Table2Table1",
                               "Table3|id|Table1|otherfk2|1|CASCADE|NO ACTION|Table3Table1"};
            QTest::addRow("%s indexes", qPrintable(file))
                << file << int(adSchemaIndexes) << indexFields
                << QStringList{"Table1|id|False|False|1|id", "Table1|PrimaryKey|True|True|1|id",
                               "Table2|id|False|False|1|id", "Table2|PrimaryKey|True|True|1|id",
                               "Table3|id|False|False|1|id", "Table3|PrimaryKey|True|True|1|id"};
        }
        QTest::newRow("Jet 3 primary keys")
            << "testV1997.mdb" << int(adSchemaPrimaryKeys) << keyFields
            << QStringList{"Table1|A|1|PrimaryKey", "Table2|column1|1|PrimaryKey", "Table3|a|1|PrimaryKey",
                           "Table4|data|1|PrimaryKey"};
        QTest::newRow("Jet 3, no relationship")
            << "testV1997.mdb" << int(adSchemaForeignKeys) << fkFields << QStringList{};
        QTest::newRow("ACE, an index on another column than its name")
            << "testV2007.accdb" << int(adSchemaIndexes) << indexFields
            << QStringList{"Table1|B|False|False|1|B",
                           "Table1|PrimaryKey|True|True|1|A",
                           "Table2|column10|False|False|1|column10",
                           "Table2|column14|False|False|1|column14",
                           "Table2|column75|False|False|1|column75",
                           "Table2|id|False|False|1|column1",
                           "Table2|PrimaryKey|True|True|1|column1",
                           "Table3|id|False|False|1|a",
                           "Table3|PrimaryKey|True|True|1|a",
                           "Table4|PrimaryKey|True|True|1|data"};
    }
    void rowsets()
    {
        QFETCH(QString, file);
        QFETCH(int, kind);
        QFETCH(QStringList, fields);
        QFETCH(QStringList, rows);
        Connection db;
        QVERIFY(open(db, file));
        Recordset rs;
        const Status status = db.openSchema(kind, {}, &rs);
        QVERIFY2(status.ok, qPrintable(status.message));
        QStringList read = rowsOf(rs, fields);
        if (kind == adSchemaTables)
            read = read.filter(QRegularExpression("\\|TABLE$"));
        QCOMPARE(read, rows);
        // The system tables are listed, as system tables.
        if (kind == adSchemaTables)
            QVERIFY(rowsOf(rs, fields).contains("MSysObjects|SYSTEM TABLE"));
    }

    // Columns in the file's order with the codes Jet's provider gives, whatever the query's
    // quoting; a statement the file's catalogue does not answer is run by the driver, which
    // describes it only once executed.
    void columns_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("query");
        QTest::addColumn<QStringList>("columns");
        const QStringList table1{"A:202", "B:202", "C:17", "D:2", "E:3", "F:5", "G:7", "H:6", "I:11"};
        QTest::newRow("Jet 3") << "testV1997.mdb"
                               << "SELECT * from Table1" << table1;
        QTest::newRow("ACE, quoted name") << "testV2007.accdb"
                                          << "SELECT * from \"Table1\"" << table1;
        QTest::newRow("ACE, replication id") << "testV2007.accdb"
                                             << "SELECT * from Table4" << QStringList{"name:202", "data:72"};
        QTest::newRow("Jet 4, autonumber") << "indexTestV2003.mdb"
                                           << "SELECT * from Table2" << QStringList{"id:3", "data:202"};
        QTest::newRow("through the driver")
            << "indexTestV2003.mdb"
            << "SELECT * from Table2 where id = 1" << QStringList{"id:3", "data:200"};
    }
    void columns()
    {
        QFETCH(QString, file);
        QFETCH(QString, query);
        QFETCH(QStringList, columns);
        Connection db;
        QVERIFY(open(db, file));
        Recordset rs;
        const Status status = db.query(query, &rs, /*fieldsOnly=*/true);
        QVERIFY2(status.ok, qPrintable(status.message));
        QStringList read;
        for (const Field& f : rs.fields())
            read.append(QStringLiteral("%1:%2").arg(f.name).arg(f.type));
        QCOMPARE(read, columns);
        QCOMPARE(rs.recordCount(), 0);
    }

    // A data source that keeps the file in its own settings: the catalogue comes from that file.
    void dataSource()
    {
        const QString copy = dir.filePath("source.mdb");
        QVERIFY(QFile::copy(QStringLiteral(QUILLMERE_FIXTURES_DIR "/access/indexTestV2003.mdb"), copy));
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
        QFile ini(dir.filePath("odbc.ini"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[quillmere_access]\nDriver = MDBTools\nDatabase = " + QFile::encodeName(copy) + "\n");
        ini.close();
        const QByteArray before = qgetenv("ODBCINI");
        qputenv("ODBCINI", QFile::encodeName(ini.fileName()));
        const auto restore = qScopeGuard([&] {
            if (before.isNull())
                qunsetenv("ODBCINI");
            else
                qputenv("ODBCINI", before);
        });
        Connection db;
        const Status opened = db.open("DSN=quillmere_access");
        QVERIFY2(opened.ok, qPrintable(opened.message));
        Recordset rs;
        QVERIFY(db.openSchema(adSchemaPrimaryKeys, {}, &rs).ok);
        QCOMPARE(rowsOf(rs, {"TABLE_NAME", "COLUMN_NAME"}),
                 (QStringList{"Table1|id", "Table2|id", "Table3|id"}));
        QVERIFY(db.query("SELECT * from Table2", &rs, /*fieldsOnly=*/true).ok);
        QCOMPARE(rs.fields().value(1).type, int(adVarWChar));
    }

    // The driver writes no NUL after its quote character: only the character counts.
    void identifierQuote()
    {
        Connection db;
        QVERIFY(open(db, "indexTestV2003.mdb"));
        QCOMPARE(db.identifierQuote(), QStringLiteral("\""));
    }

    // A file that is no Access file: the open or every key rowset says why; nothing crashes.
    void unreadableFile()
    {
        const QString path = dir.filePath("broken.mdb");
        QFile broken(path);
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write(QByteArray(4096, '\0'));
        broken.close();
        Connection db;
        if (!db.open("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + path).ok)
            return; // the driver refuses it already, with its reason
        for (int kind : {int(adSchemaPrimaryKeys), int(adSchemaForeignKeys), int(adSchemaIndexes)}) {
            Recordset rs;
            const Status status = db.openSchema(kind, {}, &rs);
            QVERIFY(!status.ok);
            QVERIFY2(status.message.contains(path), qPrintable(status.message));
        }
    }

    // A binary value reads as the literal of its bytes, on every driver.
    void binaryValues()
    {
        const QString file = dir.filePath("blobs.db");
        QVERIFY(QFile::copy(
            testsupport::sqliteFile(testsupport::sqliteFixture("shop_sqlite.sql", dir.path())), file));
        Connection db;
        QVERIFY(db.open("DRIVER=SQLite3;Database=" + file + ";").ok);
        Recordset none;
        QVERIFY(db.query("CREATE TABLE pictures(id INTEGER, picture BLOB)", &none).ok);
        QVERIFY(db.query("INSERT INTO pictures VALUES (1, x'00ffab10'), (2, x''), (3, NULL)", &none).ok);
        Recordset rs;
        QVERIFY(db.query("SELECT * FROM pictures", &rs).ok);
        QCOMPARE(rs.fields().value(1).type, int(adBinary));
        QStringList values;
        for (const QStringList& row : rs.rows())
            values.append(row.value(1));
        QCOMPARE(values, (QStringList{"X'00FFAB10'", "X''", ""}));

        // Values longer than a piece of the reading come whole.
        QVERIFY(db.query("CREATE TABLE long_values(t TEXT, b BLOB)", &none).ok);
        QVERIFY(db.query("INSERT INTO long_values VALUES (printf('%.*c', 10000, 'x') || 'end', "
                         "zeroblob(20000))",
                         &none)
                    .ok);
        QVERIFY(db.query("SELECT * FROM long_values", &rs).ok);
        QCOMPARE(rs.rows().value(0).value(0), QString(10000, 'x') + "end");
        QCOMPARE(rs.rows().value(0).value(1), "X'" + QString(40000, '0') + "'");
    }

private:
    bool open(Connection& db, const QString& file)
    {
        const QString copy = dir.filePath(file);
        QFile::remove(copy);
        if (!QFile::copy(QStringLiteral(QUILLMERE_FIXTURES_DIR "/access/") + file, copy))
            return false;
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
        const Status status = db.open("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + copy);
        if (!status.ok)
            qWarning() << status.message;
        return status.ok;
    }

    QTemporaryDir dir;
};

QTEST_MAIN(AccessCatalogueTest)
#include "test_access_catalogue.moc"
