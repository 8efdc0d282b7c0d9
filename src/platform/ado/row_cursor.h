#pragma once
// A query's rows read forward on demand. The statement stays open between reads, so a
// result of any size costs the memory of the rows asked for, not of the whole result.

#include "platform/ado/ado.h"

#include <functional>
#include <memory>
#include <vector>

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

    // A cursor over the rows of `source` that `keep` accepts (every row when empty), in the
    // order `arrange` gives them (as read when empty: then the rows are passed on as they
    // come; else every row is read at the first fetch, kept packed, and put in order). For a
    // driver that cannot filter or sort itself.
    using RowTest = std::function<bool(const QStringList&)>;
    struct RowArrangement {
        int column = -1; // the column the rows are put in order by
        // The positions of the rows in their order, from that column's values (row i's at i).
        std::function<std::vector<qsizetype>(const QStringList& values)> order;
        explicit operator bool() const { return column >= 0 && order; }
    };
    static std::unique_ptr<RowCursor> derived(std::unique_ptr<RowCursor> source, RowTest keep,
                                              RowArrangement arrange);

private:
    friend class Connection;
    struct State;
    explicit RowCursor(std::unique_ptr<State> state);
    // Frees the statement at the end of the result, so the database lets go of it early.
    void finish();
    // Ends the cursor on a failed read, with `failure` as its status.
    void failedWith(Status* status, const Status& failure);

    struct Derived;
    Status fetchDerived(int count, QList<QStringList>* rows);

    std::unique_ptr<State> state_;
    std::unique_ptr<Derived> derived_;
    QList<Field> fields_;
    bool atEnd_ = false;
};

} // namespace platform::ado
