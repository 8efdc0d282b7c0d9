// The Data Browser's queries, grid picks and export.

#include "browser/browser_queries.h"
#include "browser/data_browser_page.h"
#include "browser/date_bound.h"
#include "browser/recordset_model.h"
#include "kit/action_guard.h"
#include "platform/ado/row_cursor.h"
#include "platform/user_feedback.h"

#include <QHeaderView>
#include <QLocale>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <optional>
#include <utility>

namespace browser
{

// A browser action holding the run guard for as long as it runs. Clicked while another
// browser read or action holds it, the action waits: it is kept and runs once that read
// has ended (the last one clicked wins). Clicked while anything else holds the guard (a
// generation run, a Connect), it is refused, as those refuse each other.
class DataBrowserPage::Action
{
public:
    Action(DataBrowserPage& page, std::function<void()> again) : page_(page), alive_(&page)
    {
        if (page.acting_ || page.model_->reading()) {
            page.pending_ = std::move(again);
            return;
        }
        guard_.emplace(*page.guard_);
        if (*guard_)
            page.acting_ = true;
    }
    ~Action()
    {
        if (!*this || !alive_)
            return;
        page_.acting_ = false;
        page_.runPendingLater();
    }
    Action(const Action&) = delete;
    Action& operator=(const Action&) = delete;

    // True when the action holds the guard and goes on now.
    explicit operator bool() const { return guard_ && *guard_; }

private:
    DataBrowserPage& page_;
    const QPointer<DataBrowserPage> alive_;
    std::optional<kit::ActionGuard> guard_;
};

void DataBrowserPage::runPendingLater()
{
    // Queued: the read that ends is still on the stack, and the guard still held.
    QTimer::singleShot(0, this, [this] {
        if (!pending_ || acting_ || model_->reading())
            return;
        const std::function<void()> action = std::exchange(pending_, {});
        action();
    });
}

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

QString DataBrowserPage::selectedColumn()
{
    const QString column = c->text();
    return data2_ ? data2_->columnInSql(column) : column;
}

void DataBrowserPage::fitColumns()
{
    QHeaderView* header = ss2->horizontalHeader();
    columnWidths_.clear();
    // The header's own text always fits.
    for (int column = 0; column < model_->columnCount(); ++column) {
        columnWidths_.append(header->sectionSizeHint(column));
        header->resizeSection(column, columnWidths_.last());
    }
    widenColumns(0, model_->rowCount() - 1);
}

void DataBrowserPage::widenColumns(int first, int last)
{
    QHeaderView* header = ss2->horizontalHeader();
    const int widest = header->fontMetrics().horizontalAdvance(QLatin1Char('x')) * kWidestColumnChars;
    const int gridLine = ss2->showGrid() ? 1 : 0;
    for (int column = 0; column < int(columnWidths_.size()) && column < model_->columnCount(); ++column) {
        int needed = 0;
        for (int row = first; row <= last; ++row)
            needed = std::max(needed, ss2->sizeHintForIndex(model_->index(row, column)).width() + gridLine);
        needed = std::min(needed, widest);
        if (needed > columnWidths_[column]) {
            columnWidths_[column] = needed;
            header->resizeSection(column, needed);
        }
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
            model_->setRowTotal(count);
        } else {
            nr->clear();
            reportFailure(status.message);
        }
    }
    platform::setWaitCursor(false);
}

void DataBrowserPage::Command2_Click()
{
    // With no table chosen there is nothing to open.
    if (t->selectedText().isEmpty())
        return;
    const Action action(*this, [this] { Command2_Click(); });
    if (!action)
        return;
    showQuery(openQuery(selectedTable()));
    c->clear();
    v->clear();
    recc();
}

void DataBrowserPage::c_srt_Click(int index)
{
    if ((index != 0 && index != 1) || t->selectedText().isEmpty())
        return;
    const Action action(*this, [this, index] { c_srt_Click(index); });
    if (!action)
        return;
    const QString table = selectedTable();
    // The order changes no count: the rows are counted unsorted.
    showQuery(sortQuery(table, selectedColumn(), index == 1), openQuery(table));
    recc();
}

void DataBrowserPage::Command7_Click()
{
    if (t->selectedText().isEmpty())
        return;
    const Action action(*this, [this] { Command7_Click(); });
    if (!action)
        return;
    int kind = NoFilter;
    for (int i = 0; i < 4; ++i) {
        if (s1[std::size_t(i)]->isChecked())
            kind = i;
    }
    showQuery(filterQuery(selectedTable(), selectedColumn(), v->text(), kind));
    recc();
}

void DataBrowserPage::Command10_Click()
{
    if (t->selectedText().isEmpty())
        return;
    const Action action(*this, [this] { Command10_Click(); });
    if (!action)
        return;
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
    showQuery(rangeQuery(selectedTable(), selectedColumn(), kind, from, to));
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
    const Action action(*this, [this] { Command4_Click(); });
    if (!action)
        return;
    platform::setWaitCursor(true);
    // The export reads the grid's query afresh, from its first row to its last.
    std::unique_ptr<platform::ado::RowCursor> rows;
    platform::ado::Status opened;
    if (data2_ && lastQueryRead_)
        opened = data2_->openCursor(&rows);
    QString written;
    ExportProblem problem;
    ExportOutcome outcome = ExportOutcome::Failed;
    if (opened.ok) {
        outcome = exportRows(rows.get(), t->selectedText(), exportFolder_, opener_, &written, &problem);
    } else {
        problem.reason = QStringLiteral("the rows could not be read: ") + opened.message;
    }
    platform::setWaitCursor(false);
    if (outcome != ExportOutcome::Shown)
        messages_.show(exportMessage(outcome, written, problem), window());
}

} // namespace browser
