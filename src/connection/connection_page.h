#pragma once
// The Connection page pt(2): the four connection frames (Oracle, SQL Server, Access,
// other) with their boxes, history lists and Connect buttons, Select Schema, Close
// Connexion, the Tables/Views choice, the progress boxes and the connection string
// written into generated code. Widgets only; the handlers live beside it.

#include "app/controls.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <array>

namespace connection {

class ConnectionPage : public app::Panel {
    Q_OBJECT
public:
    explicit ConnectionPage(QWidget* parent = nullptr);

    // Oracle.
    QGroupBox* oracleFrame = nullptr;
    app::ComboBox* db = nullptr; // service
    app::TextBox* uid = nullptr;
    app::PasswordBox* pwd = nullptr;
    QCheckBox* c1 = nullptr;     // "Save Password"
    app::ComboBox* o = nullptr;  // schema
    QPushButton* Command3 = nullptr; // Connect
    QPushButton* Command1 = nullptr; // Select Schema

    // SQL Server.
    QGroupBox* sqlServerFrame = nullptr;
    app::TextBox* spro = nullptr; // provider
    app::TextBox* so = nullptr;   // data source
    app::ComboBox* sdb = nullptr; // initial catalog
    app::TextBox* suid = nullptr;
    app::PasswordBox* spwd = nullptr;
    QCheckBox* sc1 = nullptr;     // "Save Password"
    QPushButton* Command5 = nullptr; // Connect

    // Access.
    QGroupBox* accessFrame = nullptr;
    app::ComboBox* adb = nullptr;     // database file
    QPushButton* Command12 = nullptr; // Connect
    QPushButton* Command15 = nullptr; // file dialog ("Search...")

    // Other connections.
    QGroupBox* otherFrame = nullptr;
    app::ComboBox* ocnx = nullptr;    // full connection string
    QPushButton* Command13 = nullptr; // Connect

    // Outside the frames.
    QPushButton* Command6 = nullptr; // "Close Connexion"
    std::array<QRadioButton*, 2> dbo{}; // "Tables", "Views"
    app::TextBox* fmain = nullptr;   // phase of the catalogue read
    app::TextBox* pc = nullptr;      // row counter, shown during a scan
    app::TextBox* cnxstr = nullptr;  // connection string for generated code
};

} // namespace connection
