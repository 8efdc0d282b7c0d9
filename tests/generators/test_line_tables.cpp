#include "generators/classmodule/class_module_writers.h"
#include "generators/common/dal_command.h"
#include "generators/common/dal_reader.h"
#include "generators/common/line_table.h"
#include "generators/dataclasses/data_class_properties.h"
#include "generators/dataclasses/data_class_relations.h"
#include "generators/dataclasses/data_classes_writer.h"
#include "generators/dataclasses/join_classes_writer.h"
#include "generators/dataclasses/join_managers_writer.h"
#include "generators/dataclasses/join_readers_writer.h"
#include "generators/dataclasses/web_config_writer.h"
#include "generators/oracle/package_access_writer.h"
#include "generators/oracle/package_body_writer.h"
#include "generators/oracle/package_header_writer.h"
#include "generators/vbnet/data_access_writer.h"
#include "generators/vbnet/data_manager_writer.h"
#include "generators/web/edit_page_code_handlers.h"
#include "generators/web/edit_page_code_setup.h"
#include "generators/web/edit_page_markup.h"
#include "generators/web/solution_templates.h"
#include "support/recording_host.h"
#include "support/scripted_catalogue.h"

#include <QTest>

using namespace generators;

Q_DECLARE_METATYPE(const generators::LineTable*)

namespace
{

// Every line table of every generator module.
QList<const LineTable*> allLineTables()
{
    QList<const LineTable*> tables;
    for (const auto& writerTables : {dalCommandLineTables(),
                                     dalReaderLineTables(),
                                     vbnet::dataAccessLineTables(),
                                     vbnet::dataManagerLineTables(),
                                     dataclasses::dataClassLineTables(),
                                     dataclasses::propertyLineTables(),
                                     dataclasses::relationLineTables(),
                                     dataclasses::webConfigLineTables(),
                                     dataclasses::joinClassLineTables(),
                                     dataclasses::joinManagerLineTables(),
                                     dataclasses::joinReaderLineTables(),
                                     oracle::packageAccessLineTables(),
                                     oracle::packageSpecLineTables(),
                                     oracle::packageBodyLineTables(),
                                     classmodule::headerLineTables(),
                                     classmodule::privateProcedureLineTables(),
                                     classmodule::finderLineTables(),
                                     classmodule::statementLineTables(),
                                     web::markupLineTables(),
                                     web::codeSetupLineTables(),
                                     web::codeHandlerLineTables(),
                                     web::templates::solutionLineTables()})
        tables += writerTables;
    return tables;
}

const LineTable kSample{u"sample", {u"table", u"column", u"comma"}, {u"column", u"ps", u"key"}, uR"(
Get<table>
[column]  <column><comma>
[ps]  rowid
[!ps]  no rowid
[ps][column]  ps <column>
[!key]  no key
)"};

} // namespace

class LineTablesTest : public QObject
{
    Q_OBJECT
private slots:
    // Every template of every module names only the tags and placeholders declared with it.
    void templatesNameOnlyWhatTheyDeclare_data()
    {
        QTest::addColumn<const LineTable*>("table");
        QSet<QString> ids;
        for (const LineTable* table : allLineTables()) {
            const QString id = table->id.toString();
            QVERIFY2(!ids.contains(id), qPrintable(id + " names two tables"));
            ids.insert(id);
            QTest::newRow(qPrintable(id)) << table;
        }
    }
    void templatesNameOnlyWhatTheyDeclare()
    {
        QFETCH(const LineTable*, table);
        QVERIFY(!templateLines(table->text).isEmpty());
        int number = 0;
        for (const QString& line : templateLines(table->text)) {
            ++number;
            const LineNames names = namesOf(line);
            for (QStringView tag : names.tags) {
                if (tag.startsWith(QLatin1Char('!')))
                    tag = tag.sliced(1);
                QVERIFY2(
                    table->rowSets.contains(tag),
                    qPrintable(QStringLiteral("line %1: tag [%2] is not declared").arg(number).arg(tag)));
            }
            for (const QStringView name : names.placeholders)
                QVERIFY2(table->placeholders.contains(name),
                         qPrintable(QStringLiteral("line %1: <%2> is not declared").arg(number).arg(name)));
        }
    }

    void rowSetsWriteTheirLines_data()
    {
        QTest::addColumn<bool>("ps");
        QTest::addColumn<QStringList>("columns");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("two columns") << false << QStringList{"A", "B"}
                                     << QStringList{"GetT", "  A,", "  B", "  no rowid", "  no key"};
        QTest::newRow("no column") << false << QStringList{} << QStringList{"GetT", "  no rowid", "  no key"};
        QTest::newRow("condition and nested rows")
            << true << QStringList{"A", "B"}
            << QStringList{"GetT", "  A,", "  B", "  rowid", "  ps A", "  ps B", "  no key"};
    }
    void rowSetsWriteTheirLines()
    {
        QFETCH(bool, ps);
        QFETCH(QStringList, columns);
        QFETCH(QStringList, expected);
        QStringList errors;
        const QStringList lines = expandLineTable(
            kSample, {{"table", "T"}},
            {{"column", withListComma(rowsOf("column", columns))}, {"ps", when(ps)}, {"key", {}}}, errors);
        QCOMPARE(lines, expected);
        QVERIFY(errors.isEmpty());
    }

    // A fetched row set is asked for when its first line is due, and once only.
    void fetchedRowSetIsReadWhenDueAndOnce()
    {
        QStringList events;
        const RowSets rows = RowSets{{"ps", when(true)}, {"key", {}}}.addFetched("column", [&] {
            events.append("fetch");
            return rowsOf("column", {"A"});
        });
        expandLineTable(
            kSample, {{"table", "T"}, {"comma", ""}}, rows, [&](const QString& line) { events.append(line); },
            [&](const QString& error) { events.append(error); });
        QCOMPARE(events, (QStringList{"GetT", "fetch", "  A", "  rowid", "  ps A", "  no key"}));
    }

    // An undeclared name is an error in every build: the line is left out and the run
    // reports it, while the other lines are written.
    void unknownTagOrPlaceholderIsAProblemOfTheRun_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("problem");
        QTest::newRow("misspelt placeholder") << "a\n<tabel>\nb"
                                              << "sample, line 2: <tabel> has no value";
        QTest::newRow("missing row set") << "a\n[colum]<table>\nb"
                                         << "sample, line 2: [colum] has no row set";
        QTest::newRow("negated missing row set") << "a\n[!colum]x\nb"
                                                 << "sample, line 2: [colum] has no row set";
    }
    void unknownTagOrPlaceholderIsAProblemOfTheRun()
    {
        QFETCH(QString, text);
        QFETCH(QString, problem);
        RunInputs in;
        testsupport::ScriptedCatalogue catalogue;
        testsupport::RecordingHost host;
        RunContext ctx(in, catalogue, host);
        ModuleFile file(ctx, kPreviewDataAccess);
        writeLineTable(file, {u"sample", {}, {}, text}, {{"table", "T"}});
        QCOMPARE(host.previews[kPreviewDataAccess], QStringLiteral("\r\na\r\nb"));
        QCOMPARE(ctx.problems, QStringList{problem});
    }

    // A table writes each untagged line as expand() makes it, brackets that overlap, stray
    // ones and built-ins included, and writes it the same the second time.
    void linesAreWrittenAsExpandMakesThem_data()
    {
        QTest::addColumn<QString>("line");
        for (const char* line : {"<<table>>", "<table<table>>", "<<dq>>", "<lt>table>", "a > <table> <",
                                 "<table", "x<>y<<>>", "<Table> <table> <system.web>", "<dq><lt><table><dq>",
                                 "<table><table>z", "<a b><table>", "<table> <comma> <column>"})
            QTest::newRow(line) << QString::fromLatin1(line);
    }
    void linesAreWrittenAsExpandMakesThem()
    {
        QFETCH(QString, line);
        const Placeholders values{{"table", "T<dq>"}, {"column", ">c<"}, {"comma", ""}};
        const LineTable table{u"tricky", {}, {}, line};
        for (int pass = 0; pass < 2; ++pass) {
            QStringList errors;
            QCOMPARE(expandLineTable(table, values, {}, errors), QStringList{expand(line, values)});
            QVERIFY(errors.isEmpty());
        }
    }

    // A table's lines are read once, yet a text changed where it lies is read again.
    void aTextChangedInPlaceIsReadAgain()
    {
        QString text = QString::fromLatin1("a<table>\nb<table>");
        const QChar* where = text.constData();
        QStringList errors;
        QCOMPARE(expandLineTable({u"changing", {}, {}, text}, {{"table", "T"}}, {}, errors),
                 (QStringList{"aT", "bT"}));
        text[0] = QLatin1Char('z');
        text[9] = QLatin1Char('y');
        QCOMPARE(text.constData(), where);
        QCOMPARE(expandLineTable({u"changing", {}, {}, text}, {{"table", "T"}}, {}, errors),
                 (QStringList{"zT", "yT"}));
        QVERIFY(errors.isEmpty());
    }

    void markupAndCommentsStayLiteral()
    {
        QStringList errors;
        const QStringList lines = expandLineTable(
            {u"markup", {}, {}, u"<lt>title><Table> <system.web> <dq>x<dq></title>"}, {}, {}, errors);
        QCOMPARE(lines, QStringList{"<title><Table> <system.web> \"x\"</title>"});
        QVERIFY(errors.isEmpty());
    }
};

QTEST_GUILESS_MAIN(LineTablesTest)
#include "test_line_tables.moc"
