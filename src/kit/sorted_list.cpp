#include "kit/sorted_list.h"

#include <QPainter>
#include <QStyleOptionFocusRect>
#include <algorithm>

namespace kit
{

SortedList::SortedList(const QString& name, QWidget* parent) : QListWidget(parent)
{
    setObjectName(name);
    setUniformItemSizes(true);
}

void SortedList::paintEvent(QPaintEvent* event)
{
    QListWidget::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(viewport());
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = viewport()->rect();
    option.backgroundColor = palette().color(QPalette::Base);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

// The view repaints only its current item when the focus comes or goes; the frame is
// around the whole list.
void SortedList::focusInEvent(QFocusEvent* event)
{
    QListWidget::focusInEvent(event);
    viewport()->update();
}

void SortedList::focusOutEvent(QFocusEvent* event)
{
    QListWidget::focusOutEvent(event);
    viewport()->update();
}

int SortedList::insertionRow(const QString& text) const
{
    // Binary search for the first row whose item sorts after `text`.
    int low = 0;
    int high = count();
    while (low < high) {
        const int mid = (low + high) / 2;
        if (QString::compare(item(mid)->text(), text, Qt::CaseInsensitive) <= 0)
            low = mid + 1;
        else
            high = mid;
    }
    return low;
}

int SortedList::addItem(const QString& text)
{
    const int row = insertionRow(text);
    insertItem(row, text);
    return row;
}

void SortedList::addItems(const QStringList& texts)
{
    if (texts.isEmpty())
        return;
    QStringList all = items();
    all += texts;
    std::stable_sort(all.begin(), all.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    const int current = currentRow();
    const QString currentText = current >= 0 ? item(current)->text() : QString();
    clear();
    QListWidget::addItems(all);
    if (current >= 0) {
        const auto found = findItems(currentText, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (!found.isEmpty())
            setCurrentItem(found.first());
    }
}

QStringList SortedList::items() const
{
    QStringList out;
    out.reserve(count());
    for (int i = 0; i < count(); ++i)
        out.append(item(i)->text());
    return out;
}

QString SortedList::selectedText() const
{
    const QListWidgetItem* current = currentItem();
    return current && current->isSelected() ? current->text() : QString();
}

} // namespace kit
