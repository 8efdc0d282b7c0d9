#pragma once
// A query's rows read forward on demand. The statement stays open between reads, so a
// result of any size costs the memory of the rows asked for, not of the whole result.

#include "platform/ado/ado.h"

#include <memory>

namespace platform::ado
{

class RowCursor
{
public:
    ~RowCursor();
    RowCursor(const RowCursor&) = delete;
    RowCursor& operator=(const RowCursor&) = delete;

    const QList<Field>& fields() const { return fields_; }
    // True once the last row has been read, or a read has failed.
    bool atEnd() const { return atEnd_; }

    // Appends up to `count` more rows to `rows` (fewer at the end of the result); values
    // as text, a null as "". A failed read ends the cursor and keeps the rows read before;
    // one that found the link dropped closes the connection the cursor was opened on.
    Status fetch(int count, QList<QStringList>* rows);
    // Reads on to the end without keeping anything; `read` receives the number of rows.
    Status readToEnd(qint64* read);

private:
    friend class Connection;
    struct State;
    explicit RowCursor(std::unique_ptr<State> state);
    // Frees the statement at the end of the result, so the database lets go of it early.
    void finish();
    // Ends the cursor on a failed read, with `failure` as its status.
    void failedWith(Status* status, const Status& failure);

    std::unique_ptr<State> state_;
    QList<Field> fields_;
    bool atEnd_ = false;
};

} // namespace platform::ado
