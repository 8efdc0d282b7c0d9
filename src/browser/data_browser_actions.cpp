// The Data Browser's queries, grid picks and export.

#include "browser/browser_queries.h"
#include "browser/data_browser_page.h"
#include "browser/date_bound.h"
#include "browser/recordset_model.h"
#include "platform/user_feedback.h"

#include <QLocale>

namespace browser
{

void DataBrowserPage::showQuery(const QString& query)
{
    platform::setWaitCursor(true);
    lastQueryRead_ = false;
    if (data2_) {
        data2_->setRecordSource(query);
        // A rejected query leaves the data control without fields: the grid shows
        // nothing and the count keeps its last text.
        lastQueryRead_ = data2_->refresh().ok;
    }
    model_->rebind(data2_);
    platform::setWaitCursor(false);
}

void DataBrowserPage::recc()
{
    platform::setWaitCursor(true);
    if (data2_ && lastQueryRead_)
        nr->setText(QString::number(data2_->recordset().recordCount()));
    platform::setWaitCursor(false);
}

void DataBrowserPage::Command2_Click()
{
    showQuery(openQuery(t->selectedText()));
    c->clear();
    v->clear();
    recc();
}

void DataBrowserPage::c_srt_Click(int index)
{
    if (index != 0 && index != 1)
        return;
    showQuery(sortQuery(t->selectedText(), c->text(), index == 1));
    recc();
}

void DataBrowserPage::Command7_Click()
{
    int kind = NoFilter;
    for (int i = 0; i < 4; ++i) {
        if (s1[std::size_t(i)]->isChecked())
            kind = i;
    }
    showQuery(filterQuery(t->selectedText(), c->text(), v->text(), kind));
    recc();
}

void DataBrowserPage::Command10_Click()
{
    const RangeKind kind = rangeKind(tp->text());
    if (kind == RangeKind::Date) {
        const QLocale locale;
        for (app::TextBox* bound : {sfr, sto}) {
            if (!bound->text().isEmpty())
                bound->setText(rewriteDateBound(bound->text(), locale));
        }
    }
    showQuery(rangeQuery(t->selectedText(), c->text(), kind, sfr->text(), sto->text()));
    recc();
}

void DataBrowserPage::ss2_pick_column(int columnIndex)
{
    if (columnIndex < 0 || columnIndex >= model_->columnCount())
        return;
    c->setText(model_->headerData(columnIndex, Qt::Horizontal).toString());
    if (data2_ && columnIndex < data2_->recordset().fieldCount())
        tp->setText(QString::number(data2_->recordset().fields().at(columnIndex).type));
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
    platform::setWaitCursor(true);
    platform::ado::Recordset none;
    platform::ado::Recordset& rows = data2_ ? data2_->recordset() : none;
    const ExportOutcome outcome = exportRows(rows, t->selectedText(), exportFolder_, opener_);
    platform::setWaitCursor(false);
    if (outcome != ExportOutcome::Shown)
        platform::messageBox(exportMessage(outcome), window());
}

} // namespace browser
