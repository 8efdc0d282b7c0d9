#include "platform/ado/ado.h"

namespace platform::ado
{

Recordset::Recordset(QList<Field> fields, QList<QStringList> rows)
    : fields_(std::move(fields)), rows_(std::move(rows))
{
}

void Recordset::moveNext()
{
    if (position_ < rows_.size())
        ++position_;
}

void Recordset::close()
{
    fields_.clear();
    rows_.clear();
    position_ = 0;
}

int Recordset::fieldIndex(const QString& name) const
{
    for (qsizetype i = 0; i < fields_.size(); ++i) {
        if (fields_[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

QString Recordset::value(const QString& fieldName) const
{
    return value(fieldIndex(fieldName));
}

QString Recordset::value(int index) const
{
    if (eof() || index < 0)
        return {};
    const QStringList& row = rows_[position_];
    return index < row.size() ? row[index] : QString();
}

} // namespace platform::ado
