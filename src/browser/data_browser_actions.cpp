// The Data Browser's queries, grid picks and export.

#include "browser/browser_queries.h"
#include "browser/data_browser_page.h"
#include "browser/date_bound.h"
#include "browser/recordset_model.h"
#include "platform/ado/row_cursor.h"
#include "platform/user_feedback.h"

#include <QHeaderView>
#include <QLocale>
#include <QScopedValueRollback>
#include <algorithm>
#include <utility>

namespace browser
{

void DataBrowserPage::showQuery(const QString& query, const QString& counted)
{
    platform::setWaitCursor(true);
    // The grid lets go of the last query's cursor before the next one runs.
    model_->rebind(nullptr);
    lastQueryRead_ = false;
    countSource_.clear();
    if (data2_) {
        data2_->setRecordSource(query);
        const platform::ado::Status status = data2_->refreshCursor();
        lastQueryRead_ = status.ok;
        if (status.ok) {
            countSource_ = counted;
            model_->rebind(data2_->cursor());
            fitColumns();
            emit queryShown();
        } else {
            reportFailure(status.message);
        }
    }
    platform::setWaitCursor(false);
}

void DataBrowserPage::reportFailure(const QString& reason)
{
    QString line = reason.simplified();
    if (!line.isEmpty())
        line[0] = line[0].toUpper();
    emit queryFailed(line);
}

QString DataBrowserPage::selectedTable()
{
    const QString table = t->selectedText();
    return data2_ ? data2_->tableInSql(table) : table;
}

void DataBrowserPage::fitColumns()
{
    QHeaderView* header = ss2->horizontalHeader();
    const int widest = header->fontMetrics().horizontalAdvance(QLatin1Char('x')) * kWidestColumnChars;
    ss2->resizeColumnsToContents();
    for (int column = 0; column < model_->columnCount(); ++column) {
        // The header's own text always fits.
        const int floor = header->sectionSizeHint(column);
        header->resizeSection(column, std::max(floor, std::min(header->sectionSize(column), widest)));
    }
}

void DataBrowserPage::recc()
{
    platform::setWaitCursor(true);
    // A query that failed has no count.
    if (!data2_ || !lastQueryRead_) {
        nr->clear();
    } else {
        qint64 count = 0;
        const platform::ado::Status status = data2_->countRows(countSource_, &count);
        if (status.ok) {
            nr->setText(QString::number(count));
        } else {
            nr->clear();
            reportFailure(status.message);
        }
    }
    platform::setWaitCursor(false);
}

void DataBrowserPage::Command2_Click()
{
    if (running_)
        return;
    const QScopedValueRollback running(running_, true);
    showQuery(openQuery(selectedTable()));
    c->clear();
    v->clear();
    recc();
}

void DataBrowserPage::c_srt_Click(int index)
{
    if ((index != 0 && index != 1) || running_)
        return;
    const QScopedValueRollback running(running_, true);
    const QString table = selectedTable();
    // The order changes no count: the rows are counted unsorted.
    showQuery(sortQuery(table, c->text(), index == 1), openQuery(table));
    recc();
}

void DataBrowserPage::Command7_Click()
{
    if (running_)
        return;
    const QScopedValueRollback running(running_, true);
    int kind = NoFilter;
    for (int i = 0; i < 4; ++i) {
        if (s1[std::size_t(i)]->isChecked())
            kind = i;
    }
    showQuery(filterQuery(selectedTable(), c->text(), v->text(), kind));
    recc();
}

void DataBrowserPage::Command10_Click()
{
    if (running_)
        return;
    const QScopedValueRollback running(running_, true);
    const RangeKind kind = rangeKind(tp->text());
    QString from = sfr->text();
    QString to = sto->text();
    const QLocale locale;
    for (auto [box, bound] : {std::pair{sfr, &from}, std::pair{sto, &to}}) {
        if (box->text().isEmpty())
            continue;
        // The boxes show the dates as month/day/year; the query takes dates and times
        // in the form the driver's escape reads.
        if (kind == RangeKind::Date || kind == RangeKind::Timestamp) {
            *bound = dateForQuery(box->text(), locale);
            box->setText(rewriteDateBound(box->text(), locale));
        } else if (kind == RangeKind::Time) {
            *bound = timeForQuery(box->text(), locale);
        }
    }
    showQuery(rangeQuery(selectedTable(), c->text(), kind, from, to));
    recc();
}

void DataBrowserPage::ss2_pick_column(int columnIndex)
{
    if (columnIndex < 0 || columnIndex >= model_->columnCount())
        return;
    c->setText(model_->headerData(columnIndex, Qt::Horizontal).toString());
    tp->setText(QString::number(model_->fields().at(columnIndex).type));
}

void DataBrowserPage::ss2_pick_current_column()
{
    const QModelIndex current = ss2->currentIndex();
    if (current.isValid())
        ss2_pick_column(current.column());
}

void DataBrowserPage::ss2_pick_value()
{
    const QModelIndex current = ss2->currentIndex();
    if (current.isValid())
        v->setText(current.data().toString());
}

void DataBrowserPage::Command4_Click()
{
    if (running_)
        return;
    const QScopedValueRollback running(running_, true);
    platform::setWaitCursor(true);
    // The export reads the grid's query afresh, from its first row to its last.
    std::unique_ptr<platform::ado::RowCursor> rows;
    if (data2_ && lastQueryRead_)
        data2_->openCursor(&rows);
    QString written;
    const ExportOutcome outcome = exportRows(rows.get(), t->selectedText(), exportFolder_, opener_, &written);
    platform::setWaitCursor(false);
    if (outcome != ExportOutcome::Shown)
        messages_.show(exportMessage(outcome, written), window());
}

} // namespace browser
