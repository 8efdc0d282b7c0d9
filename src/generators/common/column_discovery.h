#pragma once
// Column discovery: the fields of "SELECT * from <table>" (with row_limit where asked),
// run through a data control. A failed query gives no columns and is recorded as a
// problem of the run, as is a query that gives none; the columns of an earlier query never
// stand in for it.

#include "generators/common/run_context.h"

namespace generators
{

// The discovery query. A table name that is not a plain identifier is quoted with the
// driver's identifier quote (an embedded quote doubled); plain names stay as listed.
QString columnQuery(const QString& table, const QString& suffix, const QString& identifierQuote);

// Asks the catalogue ahead for the columns of these tables, as discoverColumns will ask.
void describeAhead(RunContext& ctx, const QStringList& tables, bool withRowLimit);

QList<platform::ado::Field> discoverColumns(RunContext& ctx, DataControlId control, const QString& table,
                                            bool withRowLimit);

} // namespace generators
