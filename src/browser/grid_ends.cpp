#include "browser/grid_ends.h"

#include "browser/recordset_model.h"

#include <QKeyEvent>
#include <QPointer>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>

namespace browser
{

namespace
{

class QueryEnd : public QObject
{
public:
    QueryEnd(QTableView* grid, RecordsetModel* model) : QObject(grid), grid_(grid), model_(model)
    {
        grid->installEventFilter(this);
        QScrollBar* bar = grid->verticalScrollBar();
        connect(bar, &QAbstractSlider::actionTriggered, this, [this, bar](int action) {
            const bool toEnd = action == QAbstractSlider::SliderToMaximum ||
                               (action == QAbstractSlider::SliderMove && bar->isSliderDown() &&
                                bar->sliderPosition() == bar->maximum());
            // The slider dragged to its end (a wheel turn moves it too, but is not a drag: it
            // reads on chunk by chunk). Once the slider has let go of its value, the end is
            // then the query's.
            if (toEnd)
                QTimer::singleShot(0, this, [this] {
                    if (model_ && model_->spanEveryRow())
                        grid_->scrollToBottom();
                });
        });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == grid_ && event->type() == QEvent::KeyPress && model_) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const bool control = key->modifiers() & Qt::ControlModifier;
            // The view then moves to the last row, which is the query's.
            if (key->key() == Qt::Key_End && control && model_->spanEveryRow())
                grid_->scrollToBottom(); // the view's ranges span the new rows at once
            // The view moves only a cursor that is elsewhere; the grid may have been
            // scrolled away from a cursor on the first row.
            if (key->key() == Qt::Key_Home && control)
                grid_->scrollToTop();
        }
        return false;
    }

private:
    QTableView* grid_;
    QPointer<RecordsetModel> model_;
};

} // namespace

void reachQueryEnd(QTableView* grid, RecordsetModel* model)
{
    new QueryEnd(grid, model);
}

} // namespace browser
