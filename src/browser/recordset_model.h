#pragma once
// The grid's model over the data control's recordset: one column per field, headed by
// the field's name, one row per record. The rows are already in memory; the view is
// handed them in chunks as it scrolls, so a large table opens at once.

#include "platform/ado/ado.h"

#include <QAbstractTableModel>

namespace browser
{

class RecordsetModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit RecordsetModel(QObject* parent = nullptr);

    // Binds the model to the data control again after a refresh (nullptr: nothing shown).
    void rebind(const platform::ado::DataControl* data);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

    static constexpr int kChunk = 500;

private:
    const platform::ado::Recordset* recordset() const;

    const platform::ado::DataControl* data_ = nullptr;
    int columns_ = 0;
    int total_ = 0;
    int shown_ = 0;
};

} // namespace browser
