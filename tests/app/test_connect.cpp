// The Connection page over the real window and real ODBC drivers: the four kinds, the
// catalogue read, Select Schema, Close Connexion, logins and history lists.
#include "app/main_window.h"
#include "app/program.h"
#include "browser/data_browser_page.h"
#include "connection/connection_page.h"
#include "generation_ui/aspx_generator_page.h"
#include "generation_ui/vb_generator_page.h"
#include "kit/action_guard.h"
#include "platform/settings_store.h"
#include "platform/user_feedback.h"
#include "support/fixture_db.h"
#include "support/page_controls.h"
#include "support/temp_home.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace
{

const QStringList kSqliteTables{"Customers", "Employees", "order_lines", "Orders", "Products"};
const QStringList kPgTables{"Customers", "employees", "notes", "notes", "order_lines", "orders", "products"};
const QStringList kPgSchemas{"hr", "sales"};
// The connection's own database alone: another on the same server holds a Customers too.
const QStringList kMariadbTables{"Customers", "employees", "notes", "order_lines", "orders", "products"};

QStringList comboItems(const QComboBox* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

} // namespace

class ConnectTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    QString sqlite_, pg_, mariadb_;
    std::unique_ptr<testsupport::TempHome> home_;
    std::unique_ptr<app::Program> program_;
    QStringList messages_;

    app::MainWindow& w() { return *program_->window(); }
    testsupport::ConnectionPageControls cp() { return testsupport::ConnectionPageControls(&w()); }
    kit::SortedList* browserTables() { return testsupport::BrowserPageControls(&w()).t; }
    // A name picked from the box's list, as the user picks it.
    static void pick(QComboBox* box) { emit box->activated(box->currentIndex()); }
    int shownPage()
    {
        for (int k = 0; k < 4; ++k) {
            if (!testsupport::MainWindowControls(&w()).pt[std::size_t(k)]->isHidden())
                return k;
        }
        return -1;
    }

    // Fills the frame of a kind and presses its Connect button.
    void connectWith(const QString& kind)
    {
        if (kind == "other sqlite" || kind == "other pg") {
            cp().ocnx->setEditText(kind == "other pg" ? pg_ : sqlite_);
            cp().Command13->click();
        } else if (kind == "other mariadb" || kind == "other mariadb, odbc provider") {
            cp().ocnx->setEditText(kind == "other mariadb" ? mariadb_ : "Provider=MSDASQL;" + mariadb_);
            cp().Command13->click();
        } else if (kind == "other missing") {
            cp().ocnx->setEditText("DRIVER={Quillmere No Such Driver};");
            cp().Command13->click();
        } else if (kind == "sql server" || kind == "sql server missing") {
            cp().spro->setText("SQLOLEDB.1");
            // A database file in a folder that does not exist cannot be opened.
            cp().sdb->setEditText(kind == "sql server" ? "shop_sqlite" : "missing/shop");
            cp().so->setText("server1");
            cp().suid->setText("sa");
            cp().spwd->setText("pw");
            cp().Command5->click();
        } else if (kind == "oracle sqlite" || kind == "oracle pg" || kind == "oracle missing") {
            cp().db->setEditText(kind == "oracle sqlite" ? "QmShopSqlite"
                                 : kind == "oracle pg"   ? "QmShopPg"
                                                         : "QmNoSuchService");
            // The PostgreSQL server knows only its own user.
            cp().uid->setText(kind == "oracle pg" ? qEnvironmentVariable("QUILLMERE_PG_USER")
                                                  : QString("scott"));
            cp().pwd->setText("tiger");
            cp().Command3->click();
        } else if (kind == "access missing") {
            cp().adb->setEditText(dir_.filePath("missing/shop.mdb"));
            cp().Command12->click();
        } else {
            QFAIL(qPrintable("unknown kind " + kind));
        }
    }

    bool needsPg(const QString& kind) { return kind.contains("pg"); }
    bool needsMariadb(const QString& kind) { return kind.contains("mariadb"); }

private slots:
    void initTestCase()
    {
        sqlite_ = testsupport::sqliteFixture("shop_sqlite.sql", dir_.path());
        QVERIFY(!sqlite_.isEmpty());
        if (testsupport::pgAvailable()) {
            pg_ = testsupport::pgFixture("shop_pg.sql");
            QVERIFY(!pg_.isEmpty());
        }
        if (testsupport::mariadbAvailable()) {
            mariadb_ = testsupport::mariadbFixture("shop_mariadb.sql");
            QVERIFY(!mariadb_.isEmpty());
            QVERIFY(!testsupport::mariadbFixture("shop_mariadb_neighbour.sql").isEmpty());
        }
        // The SQL Server kind reaches the SQLite fixture, the Oracle kind a data source.
        testsupport::writeProvidersFile(
            dir_.path(), {"sqloledb=DRIVER=SQLite3;Database=" + dir_.path() + "/%catalog%.db;"});
        QList<QPair<QString, QStringList>> sources{
            {"QmShopSqlite", {"Driver=SQLite3", "Database=" + testsupport::sqliteFile(sqlite_)}}};
        if (!pg_.isEmpty()) {
            const QString db = pg_.section("Database=", 1).section(';', 0, 0);
            sources.append(
                {"QmShopPg",
                 {"Driver=PostgreSQL Unicode", "Servername=" + qEnvironmentVariable("QUILLMERE_PG_HOST"),
                  "Port=" + qEnvironmentVariable("QUILLMERE_PG_PORT"), "Database=" + db}});
        }
        QVERIFY(!testsupport::writeOdbcIni(dir_.path(), sources).isEmpty());
    }

    void init()
    {
        home_ = std::make_unique<testsupport::TempHome>();
        QVERIFY(home_->isValid());
        program_ = std::make_unique<app::Program>();
        program_->session().messages().setSink([this](const QString& text) { messages_ << text; });
        program_->setEndStep([] {});
        program_->start();
        QVERIFY(QTest::qWaitForWindowExposed(&w()));
        w().activateWindow();
        messages_.clear();
    }

    void cleanup()
    {
        program_.reset();
        home_.reset();
    }

    void connectKinds_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("tables");
        QTest::addColumn<QStringList>("schemas");
        QTest::addColumn<QString>("dbn"); // "<unchanged>" for the other kind
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("words");
        QTest::addColumn<QString>("panel");
        QTest::newRow("other, SQLite")
            << "other sqlite" << kSqliteTables << QStringList{} << "<unchanged>" << 1 << "OleDB|OleDB||"
            << "<db_cnxstr>";
        QTest::newRow("other, PostgreSQL")
            << "other pg" << kPgTables << kPgSchemas << "<unchanged>" << 1 << "OleDB|OleDB||"
            << "<db_cnxstr>";
        QTest::newRow("other, MariaDB")
            << "other mariadb" << kMariadbTables << QStringList{} << "<unchanged>" << 1 << "OleDB|OleDB||"
            << "<db_cnxstr>";
        // The string a generated application opens on Windows, through the OLE DB provider
        // for ODBC drivers.
        QTest::newRow("other, MariaDB behind the ODBC provider")
            << "other mariadb, odbc provider" << kMariadbTables << QStringList{} << "<unchanged>" << 1
            << "OleDB|OleDB||"
            << "<db_cnxstr>";
        QTest::newRow("SQL Server, through the providers file")
            << "sql server" << kSqliteTables << QStringList{} << "shop_sqlite_" << 1 << "SQLClient|SQL||"
            << "Provider=SQLOLEDB.1;Initial Catalog=shop_sqlite;Data Source=server1";
        QTest::newRow("Oracle, data source on SQLite")
            << "oracle sqlite" << kSqliteTables << QStringList{} << "QmShopSqlite_" << 2
            << "OracleClient|Oracle| from dual| where rownum<2"
            << "Provider=MSDAORA;Data Source=QmShopSqlite";
        QTest::newRow("Oracle, data source on PostgreSQL")
            << "oracle pg" << kPgTables << kPgSchemas << "QmShopPg_" << 2
            << "OracleClient|Oracle| from dual| where rownum<2"
            << "Provider=MSDAORA;Data Source=QmShopPg";
    }
    void connectKinds()
    {
        QFETCH(QString, kind);
        QFETCH(QStringList, tables);
        QFETCH(QStringList, schemas);
        QFETCH(QString, dbn);
        QFETCH(int, page);
        QFETCH(QString, words);
        QFETCH(QString, panel);
        if (needsPg(kind) && pg_.isEmpty())
            QSKIP("no PostgreSQL test server");
        if (needsMariadb(kind) && mariadb_.isEmpty())
            QSKIP("no MariaDB test server");
        const testsupport::VbPageControls vb(&w());
        vb.dbn->setText("before_");
        vb.tdn1->addItem("chosen earlier");
        const bool psTicked = vb.ps->isChecked();

        connectWith(kind);

        const generation_ui::FormState& form = w().form();
        const generation_ui::SessionConnection& connection = w().connection();
        QCOMPARE(messages_, QStringList{});
        QVERIFY(connection.connected());
        QCOMPARE(browserTables()->items(), tables);
        QCOMPARE(comboItems(cp().o), schemas);
        QCOMPARE(cp().o->currentText(), QString());
        QCOMPARE(vb.tdn->items(), tables);
        QCOMPARE(testsupport::AspxPageControls(&w()).tdn2->items(), tables);
        QCOMPARE(vb.tdn1->count(), 0);
        QCOMPARE(vb.dbn->text(), dbn == "<unchanged>" ? QString("before_") : dbn);
        for (int i = 0; i < 3; ++i)
            QVERIFY(vb.gn[std::size_t(i)]->isChecked());
        QCOMPARE(vb.gnn[0]->text(), vb.dbn->text() + "Access.vb");
        QCOMPARE(vb.gnn[2]->text(), vb.dbn->text() + "Classes.vb");
        QCOMPARE(shownPage(), page);
        QCOMPARE(QStringList({form.net_ns, form.net_prefix, form.from_dual, form.row_limit}).join('|'),
                 words);
        QCOMPARE(w().statusPanel(1), panel == "<db_cnxstr>" ? connection.string() : panel);
        QCOMPARE(form.schema_filter, QString());
        QVERIFY(cp().pc->isHidden());
        QCOMPARE(cp().fmain->text(), QString());
        QVERIFY(!platform::waitCursorShown());
        if (kind.startsWith("oracle")) {
            QVERIFY(vb.ps->isEnabled());
            QCOMPARE(vb.ps->isChecked(), psTicked);
            QCOMPARE(cp().cnxstr->text(), "Password=tiger;User ID=" + cp().uid->text() +
                                              ";Data Source=" + cp().db->currentText() + ";");
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(cp().o));
        } else {
            QVERIFY(!vb.ps->isEnabled());
            QVERIFY(!vb.ps->isChecked());
        }
        if (kind.startsWith("other"))
            QCOMPARE(cp().cnxstr->text(), connection.string());
        // The data controls received the string and open their own connection with it.
        QCOMPARE(connection.columnData(generators::DataControlId::data3).connectionString(),
                 connection.string());
        QCOMPARE(connection.browserData().connectionString(), connection.string());
    }

    void failedOpenKeepsTheCatalogue_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("dbn");
        QTest::addColumn<QString>("netNs");
        QTest::newRow("Oracle") << "oracle missing"
                                << "QmNoSuchService_"
                                << "OracleClient";
        QTest::newRow("Access") << "access missing"
                                << "shop_"
                                << "OleDB";
        QTest::newRow("other") << "other missing"
                               << "before_"
                               << "OleDB";
        QTest::newRow("SQL Server") << "sql server missing"
                                    << "missing/shop_"
                                    << "SQLClient";
    }
    void failedOpenKeepsTheCatalogue()
    {
        const testsupport::VbPageControls vb(&w());
        QFETCH(QString, kind);
        QFETCH(QString, dbn);
        QFETCH(QString, netNs);
        // A catalogue with schemas, so that the schema box has something to keep.
        if (pg_.isEmpty())
            QSKIP("no PostgreSQL test server");
        vb.dbn->setText("before_");
        connectWith("other pg");
        QVERIFY(w().connection().connected());
        const QStringList tables = browserTables()->items();
        QCOMPARE(comboItems(cp().o), kPgSchemas);
        QCOMPARE(shownPage(), 1);

        connectWith(kind);
        const generation_ui::FormState& form = w().form();
        const generation_ui::SessionConnection& connection = w().connection();
        QCOMPARE(messages_.size(), 1);
        QVERIFY(messages_[0].startsWith("Connection not opened\n"));
        QCOMPARE(w().statusPanel(1), QString("Not connected"));
        QVERIFY(!connection.connected());
        QVERIFY(!cp().pc->isHidden());
        QCOMPARE(cp().pc->text(), QString());
        QCOMPARE(cp().fmain->text(), QString());
        QCOMPARE(browserTables()->items(), tables);
        QCOMPARE(vb.tdn->items(), tables);
        QCOMPARE(comboItems(cp().o), kPgSchemas);
        QVERIFY(!platform::waitCursorShown());
        QCOMPARE(shownPage(), 1);
        // The kind's values are set all the same, and the data controls hold the new string.
        QCOMPARE(form.net_ns, netNs);
        QCOMPARE(vb.dbn->text(), dbn);
        QCOMPARE(vb.ps->isEnabled(), kind.startsWith("oracle"));
        QCOMPARE(connection.columnData(generators::DataControlId::data4).connectionString(),
                 connection.string());
        // No login is remembered for a failed open.
        QCOMPARE(platform::settings::get("kvl_net", "QmNoSuchService", "uid"), QString());
        QCOMPARE(platform::settings::get("kvl_nets", "missing/shop", "uid"), QString());
    }

    // The message keeps its first line and gives the driver's reason on the second, on
    // standard error too, without the password; a mistyped SQLite path creates no database.
    void failedOpenSaysWhy_data()
    {
        QTest::addColumn<QString>("connectionString");
        QTest::addColumn<QString>("reason");
        QTest::newRow("driver that does not exist")
            << "DRIVER={Quillmere No Such Driver};UID=scott;PWD=tiger;"
            << "Quillmere No Such Driver";
        QTest::newRow("refused port")
            << "DRIVER={PostgreSQL Unicode};Servername=127.0.0.1;Port=1;Database=shop;UID=scott;PWD=tiger;"
            << "refused";
        QTest::newRow("missing SQLite file") << "DRIVER=SQLite3;Database=<dir>/typo.db;"
                                             << "the database file <dir>/typo.db does not exist";
        QTest::newRow("missing Access file") << "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=<dir>/shop.mdb"
                                             << "the database file <dir>/shop.mdb does not exist";
        QTest::newRow("password named in the reason") << "DRIVER={tiger};PWD=tiger;"
                                                      << "Can't open lib '****'";
    }
    void failedOpenSaysWhy()
    {
        QFETCH(QString, connectionString);
        QFETCH(QString, reason);
        connectionString.replace("<dir>", dir_.path());
        reason.replace("<dir>", dir_.path());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Connection not opened\n"));
        cp().ocnx->setEditText(connectionString);
        cp().Command13->click();

        QVERIFY(!w().connection().connected());
        QCOMPARE(messages_.size(), 1);
        const QStringList lines = messages_[0].split('\n');
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0], QString("Connection not opened"));
        QVERIFY2(lines[1].contains(reason, Qt::CaseInsensitive), qPrintable(lines[1]));
        QVERIFY2(!lines[1].contains("tiger"), qPrintable(lines[1]));
        QVERIFY(!QFile::exists(dir_.filePath("typo.db")));
    }

    // The lists keep their designed width whatever the history holds.
    void longHistoryEntriesKeepTheLayout()
    {
        const QList<QWidget*> boxes{cp().db, cp().sdb, cp().adb, cp().ocnx, cp().uid};
        QList<int> widths;
        for (QWidget* box : boxes)
            widths << box->width();

        program_.reset();
        QFile history(home_->historyFile());
        QVERIFY(history.open(QIODevice::WriteOnly));
        for (char kind : {'0', '1', '2', '3'})
            history.write(kind + QByteArray(400, 'x') + "\r\n");
        history.close();
        program_ = std::make_unique<app::Program>();
        program_->session().messages().setSink([this](const QString& text) { messages_ << text; });
        program_->setEndStep([] {});
        program_->start();
        QVERIFY(QTest::qWaitForWindowExposed(&w()));
        QCOMPARE(cp().ocnx->count(), 1);

        const QList<QWidget*> filled{cp().db, cp().sdb, cp().adb, cp().ocnx, cp().uid};
        for (qsizetype i = 0; i < filled.size(); ++i)
            QCOMPARE(filled[i]->width(), widths[i]);
        // The open list shows the entry whole, as far as the screen allows.
        cp().ocnx->showPopup();
        QTRY_VERIFY(cp().ocnx->view()->isVisible());
        QVERIFY(cp().ocnx->view()->width() > 2 * widths[3]);
        cp().ocnx->hidePopup();
    }

    void psFollowsTheKinds()
    {
        QCheckBox* ps = testsupport::VbPageControls(&w()).ps;
        QVERIFY(ps->isChecked());
        connectWith("oracle sqlite");
        QVERIFY(ps->isChecked() && ps->isEnabled());
        connectWith("other sqlite");
        QVERIFY(!ps->isChecked() && !ps->isEnabled());
        connectWith("oracle sqlite");
        QVERIFY(!ps->isChecked() && ps->isEnabled());
    }

    void views_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("views");
        QTest::addColumn<QStringList>("schemas");
        QTest::newRow("SQLite") << "other sqlite" << QStringList{"CustomerOrders"} << QStringList{};
        QTest::newRow("PostgreSQL") << "other pg" << QStringList{"customer_orders", "managers"}
                                    << QStringList{"hr", "sales"};
        QTest::newRow("MariaDB") << "other mariadb" << QStringList{"customer_orders", "managers"}
                                 << QStringList{};
    }
    void views()
    {
        QFETCH(QString, kind);
        QFETCH(QStringList, views);
        QFETCH(QStringList, schemas);
        if (needsPg(kind) && pg_.isEmpty())
            QSKIP("no PostgreSQL test server");
        if (needsMariadb(kind) && mariadb_.isEmpty())
            QSKIP("no MariaDB test server");
        cp().dbo[1]->setChecked(true);
        connectWith(kind);
        QStringList listed = browserTables()->items();
        listed.removeIf(
            [](const QString& v) { return v.startsWith("pg_") || v.startsWith("information_schema"); });
        QCOMPARE(listed, views);
        QStringList owners = comboItems(cp().o);
        owners.removeAll("pg_catalog");
        owners.removeAll("information_schema");
        QCOMPARE(owners, schemas);
    }

    void selectSchema_data()
    {
        QTest::addColumn<QString>("schema");
        QTest::addColumn<QStringList>("tables");
        QTest::newRow("sales") << "sales"
                               << QStringList{"Customers", "notes", "order_lines", "orders", "products"};
        QTest::newRow("hr") << "hr" << QStringList{"employees", "notes"};
        QTest::newRow("other letter case matches nothing") << "SALES" << QStringList{};
        QTest::newRow("empty schema") << "" << QStringList{};
    }
    void selectSchema()
    {
        QFETCH(QString, schema);
        QFETCH(QStringList, tables);
        if (pg_.isEmpty())
            QSKIP("no PostgreSQL test server");
        connectWith("oracle pg");
        const testsupport::VbPageControls vb(&w());
        vb.tdn1->addItem("chosen in between");
        cp().o->setEditText(schema);
        cp().Command1->click();
        QCOMPARE(messages_, QStringList{});
        QCOMPARE(vb.dbn->text(), schema + "_");
        QCOMPARE(w().form().schema_filter, schema);
        QCOMPARE(browserTables()->items(), tables);
        QCOMPARE(vb.tdn->items(), tables);
        QCOMPARE(testsupport::AspxPageControls(&w()).tdn2->items(), tables);
        QCOMPARE(vb.tdn1->count(), 0);
        QCOMPARE(comboItems(cp().o), kPgSchemas);
        QCOMPARE(shownPage(), 1);
        QVERIFY(vb.gn[1]->isChecked());
        QCOMPARE(vb.gnn[1]->text(), schema + "_Manager.vb");
        QVERIFY(cp().pc->isHidden());
        QCOMPARE(cp().pc->text(), tables.isEmpty() ? QString() : QString::number(tables.size()));
        // A later Connect empties the filter again.
        connectWith("oracle pg");
        QCOMPARE(w().form().schema_filter, QString());
    }

    void schemaBoxShowsTheFirst1001()
    {
        if (pg_.isEmpty())
            QSKIP("no PostgreSQL test server");
        const QString many = testsupport::pgFixture("many_schemas_pg.sql");
        QVERIFY(!many.isEmpty());
        cp().ocnx->setEditText(many);
        cp().Command13->click();
        QVERIFY(w().connection().connected());
        QStringList expected;
        for (int i = 1; i <= 1001; ++i)
            expected << QString("s%1").arg(i, 4, 10, QChar('0'));
        QStringList shown = comboItems(cp().o);
        shown.removeAll("information_schema");
        shown.removeAll("pg_catalog");
        QCOMPARE(shown, expected);
        QCOMPARE(browserTables()->count(), 1500);
        // The counter counts every row of the rowset, whatever its type.
        platform::ado::Recordset all;
        QVERIFY(w().connection().openSchema(platform::ado::adSchemaTables, {}, &all).ok);
        QCOMPARE(cp().pc->text(), QString::number(all.recordCount()));
    }

    void selectSchemaWithoutConnection()
    {
        cp().o->setEditText("scott");
        w().form().schema_filter = "before";
        cp().Command1->click();
        QCOMPARE(messages_, QStringList{"Connection not opened"});
        QCOMPARE(testsupport::VbPageControls(&w()).dbn->text(), QString("scott_"));
        QCOMPARE(w().form().schema_filter, QString("before"));
        QVERIFY(!cp().pc->isHidden());
        QCOMPARE(cp().pc->text(), QString());
        QCOMPARE(shownPage(), 2);
        QVERIFY(!platform::waitCursorShown());
    }

    void closeConnexion()
    {
        app::MainWindow* first = &w();
        cp().Command6->click();
        QCOMPARE(messages_, QStringList{"Not connected"});
        QCOMPARE(&w(), first);

        connectWith("other sqlite");
        cp().ocnx->setEditText("added this run");
        emit cp().ocnx->lostFocus();
        QCOMPARE(cp().ocnx->count(), 1);
        cp().Command6->click();
        QCoreApplication::processEvents();
        QVERIFY(&w() != first);
        QCOMPARE(w().statusPanel(1), QString("Not connected"));
        QCOMPARE(browserTables()->count(), 0);
        QCOMPARE(testsupport::VbPageControls(&w()).tdn->count(), 0);
        QCOMPARE(cp().o->count(), 0);
        QCOMPARE(cp().ocnx->count(), 0); // history additions since start-up are lost
        QCOMPARE(shownPage(), 2);
        QVERIFY(!w().connection().isOpen());
        QCOMPARE(messages_, QStringList{"Not connected"});
    }

    void logins_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("savePassword");
        QTest::newRow("Oracle, password saved") << "oracle sqlite" << true;
        QTest::newRow("Oracle, password not saved") << "oracle sqlite" << false;
        QTest::newRow("SQL Server, password saved") << "sql server" << true;
        QTest::newRow("SQL Server, password not saved") << "sql server" << false;
    }
    void logins()
    {
        QFETCH(QString, kind);
        QFETCH(bool, savePassword);
        const bool oracle = kind.startsWith("oracle");
        const QString application = oracle ? "kvl_net" : "kvl_nets";
        const QString section = oracle ? "QmShopSqlite" : "shop_sqlite";
        // An earlier password is erased by a Connect without Save Password.
        platform::settings::save(application, section, "pwd", "old");
        (oracle ? cp().c1 : cp().sc1)->setChecked(savePassword);
        connectWith(kind);
        QVERIFY(w().connection().connected());
        const QString password = oracle ? "tiger" : "pw";
        QCOMPARE(platform::settings::get(application, section, "uid"), QString(oracle ? "scott" : "sa"));
        QCOMPARE(platform::settings::get(application, section, "pwd"), savePassword ? password : QString());
        if (!oracle)
            QCOMPARE(platform::settings::get(application, section, "so"), QString("server1"));

        // Picking the name fills the login back; blanks around it are trimmed first.
        QLineEdit* user = oracle ? static_cast<QLineEdit*>(cp().uid) : cp().suid;
        QLineEdit* pass = oracle ? static_cast<QLineEdit*>(cp().pwd) : cp().spwd;
        user->setText("x");
        pass->setText("x");
        cp().so->setText("x");
        QComboBox* box = oracle ? static_cast<QComboBox*>(cp().db) : cp().sdb;
        box->setEditText("  " + section + " ");
        pick(box);
        QCOMPARE(box->currentText(), section);
        QCOMPARE(user->text(), QString(oracle ? "scott" : "sa"));
        QCOMPARE(pass->text(), savePassword ? password : QString());
        if (!oracle)
            QCOMPARE(cp().so->text(), QString("server1"));

        // A name never connected to empties the boxes; an empty name reads nothing.
        box->setEditText("never");
        pick(box);
        QCOMPARE(user->text(), QString());
        QCOMPARE(pass->text(), QString());
        user->setText("kept");
        box->setEditText("   ");
        pick(box);
        QCOMPARE(box->currentText(), QString());
        QCOMPARE(user->text(), QString("kept"));
    }

    void historyLists_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("text");
        QTest::newRow("trimmed and appended once")
            << "db" << QStringList{"A"} << "  ORCL  " << QStringList{"A", "ORCL"} << "ORCL";
        QTest::newRow("already there")
            << "sdb" << QStringList{"shop", "x"} << "shop" << QStringList{"shop", "x"} << "shop";
        QTest::newRow("other letter case is new")
            << "db" << QStringList{"ORCL"} << "orcl" << QStringList{"ORCL", "orcl"} << "orcl";
        QTest::newRow("empty appended once") << "ocnx" << QStringList{} << "" << QStringList{""} << "";
        QTest::newRow("blank Service appended as empty")
            << "db" << QStringList{"A"} << "   " << QStringList{"A", ""} << "";
        QTest::newRow("Access never gets an empty item")
            << "adb" << QStringList{} << "  " << QStringList{} << "";
        QTest::newRow("Access path") << "adb" << QStringList{} << "/data/shop.mdb "
                                     << QStringList{"/data/shop.mdb"} << "/data/shop.mdb";
    }
    void historyLists()
    {
        QFETCH(QString, box);
        QFETCH(QStringList, items);
        QFETCH(QString, typed);
        QFETCH(QStringList, expected);
        QFETCH(QString, text);
        auto* combo = w().findChild<kit::ComboBox*>(box);
        QVERIFY(combo);
        combo->addItems(items);
        combo->setEditText(typed);
        // Twice: the second loss of focus finds the entry.
        emit combo->lostFocus();
        emit combo->lostFocus();
        QCOMPARE(comboItems(combo), expected);
        QCOMPARE(combo->currentText(), text);
    }

    // Opening the box's own list or activating another window does not leave the box; a move
    // to another control of the window does.
    void historyGrowsOnlyWhenTheBoxIsLeft()
    {
        kit::ComboBox* box = cp().ocnx;
        QVERIFY(QTest::qWaitForWindowActive(&w()));
        box->addItem("earlier");
        box->setFocus(Qt::MouseFocusReason);
        QTRY_VERIFY(box->hasFocus());
        box->setEditText(" typed ");

        // The open list takes the focus into its view.
        box->showPopup();
        QTRY_VERIFY(box->view()->isVisible());
        box->hidePopup();
        QTRY_VERIFY(box->hasFocus());
        QCOMPARE(comboItems(box), QStringList{"earlier"});

        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QVERIFY(!box->hasFocus());
        QCOMPARE(comboItems(box), QStringList{"earlier"});
        w().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w()));
        QTRY_VERIFY(box->hasFocus());
        QCOMPARE(comboItems(box), QStringList{"earlier"});

        cp().cnxstr->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(cp().cnxstr->hasFocus());
        QCOMPARE(comboItems(box), (QStringList{"earlier", "typed"}));
        QCOMPARE(box->currentText(), QString("typed"));
    }

    void accessFileDialog()
    {
        // The real dialog, cancelled.
        QTimer::singleShot(200, [] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget()))
                dialog->reject();
        });
        cp().Command15->click();
        QCOMPARE(cp().adb->currentText(), QString("*.mdb"));
        QCOMPARE(comboItems(cp().adb), QStringList{"*.mdb"});

        // The chooser receives the dialog's settings; a chosen path is trimmed and added.
        QString seenName, seenExtension;
        program_->session().fileChooser() = [&](QWidget*, const QString& name, const QString& extension) {
            seenName = name;
            seenExtension = extension;
            return QString("/data/shop.mdb ");
        };
        cp().Command15->click();
        program_->session().fileChooser() = {};
        QCOMPARE(seenName, QString("*.mdb"));
        QCOMPARE(seenExtension, QString("mdb"));
        QCOMPARE(cp().adb->currentText(), QString("/data/shop.mdb"));
        QCOMPARE(comboItems(cp().adb), (QStringList{"*.mdb", "/data/shop.mdb"}));
    }

    void clicksDuringAScanAreRefused()
    {
        // Every button pressed while the catalogue read yields; none may run.
        int pressedWhileBusy = 0;
        app::MainWindow* window = &w();
        QTimer clicker;
        clicker.setInterval(0);
        connect(&clicker, &QTimer::timeout, this, [&] {
            if (!w().session().runGuard().busy())
                return;
            ++pressedWhileBusy;
            cp().ocnx->setEditText("DRIVER={Quillmere No Such Driver};");
            cp().Command13->click();
            cp().Command3->click();
            cp().Command1->click();
            cp().Command6->click();
        });
        clicker.start();
        cp().ocnx->setEditText(sqlite_);
        cp().Command13->click();
        clicker.stop();
        QVERIFY(pressedWhileBusy > 0);
        QCOMPARE(&w(), window);
        QCOMPARE(messages_, QStringList{});
        QVERIFY(w().connection().connected());
        QCOMPARE(w().connection().string(), sqlite_);
        QCOMPARE(browserTables()->items(), kSqliteTables);
        QVERIFY(!w().session().runGuard().busy());
    }
};

QTEST_MAIN(ConnectTest)
#include "test_connect.moc"
