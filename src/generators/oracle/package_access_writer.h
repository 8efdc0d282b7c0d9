#pragma once
// The package data access module: the class DAL in Common.Data.Pkg, whose shared
// methods call the Oracle package of each chosen table.

#include "generators/common/line_table.h"

namespace generators::oracle
{

// The Imports and settings comment, the namespace and class heads, and Get_Connection.
void writePackageAccessHead(ModuleFile& file, const RunInputs& in);

// Get<table>Reader over <table>_PKG.Get_Rows; runs the table's column query.
void writePackageTableReader(ModuleFile& file, RunContext& ctx, const QString& table);

// Update<table> and Insert<table> over Update_Row and Insert_Row, each with its own
// column query, then Del<table> over Delete_Row with the row address alone.
void writePackageTableWriters(ModuleFile& file, RunContext& ctx, const QString& table);

// The line tables this writer writes.
QList<const LineTable*> packageAccessLineTables();

} // namespace generators::oracle
