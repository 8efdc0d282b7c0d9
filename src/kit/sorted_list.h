#pragma once
// A list box that keeps its items in alphabetical order, letter case ignored, as a
// sorted list box does: an added item takes its sorted place (after equal items), and
// duplicates are kept.

#include <QListWidget>
#include <QStringList>

namespace kit
{

class SortedList : public QListWidget
{
    Q_OBJECT
public:
    explicit SortedList(const QString& name, QWidget* parent = nullptr);

    // Inserts at the sorted place; returns the new item's row.
    int addItem(const QString& text);
    // Adds many items at once (one model reset instead of one insertion each).
    void addItems(const QStringList& texts);
    QStringList items() const;
    // Text of the selected (current) item; empty when none is selected.
    QString selectedText() const;

protected:
    // The style marks the focus only on a current item, which an empty list has none of:
    // with the focus the whole list is framed.
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int insertionRow(const QString& text) const;
};

} // namespace kit
