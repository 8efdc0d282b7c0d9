#pragma once
// The run inputs Connect leaves for a full connection string (the "other" kind) to the shop
// fixture, with the data access and data manager modules ticked.

#include "generators/common/run_inputs.h"

namespace testsupport
{

// `folder` ends in '/'.
inline generators::RunInputs shopInputs(const QString& folder, const QStringList& tables)
{
    generators::RunInputs in;
    in.pn = folder;
    in.dbn = QStringLiteral("Shop_");
    in.gn = {true, true, false};
    in.gnn = {QStringLiteral("Shop_Access.vb"), QStringLiteral("Shop_Manager.vb"),
              QStringLiteral("Shop_Classes.vb")};
    in.cnxstr = QStringLiteral("DRIVER=SQLite3;Database=C:\\data\\shop.db");
    in.net_ns = QStringLiteral("OleDB");
    in.net_prefix = QStringLiteral("OleDB");
    in.tdn1 = tables;
    return in;
}

} // namespace testsupport
