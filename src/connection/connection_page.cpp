#include "connection/connection_page.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace connection
{

using kit::ComboBox;
using kit::label;
using kit::pictureButton;
using kit::TextBox;

namespace
{

QPushButton* connectButton(const char* name, QWidget* parent)
{
    return kit::pictureButton(QString::fromLatin1(name), QStyle::SP_DialogApplyButton,
                              QStringLiteral("Connect"), parent);
}

QGroupBox* frame(const char* name, const char* caption, QWidget* parent)
{
    auto* box = new QGroupBox(QString::fromLatin1(caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QCheckBox* savePasswordBox(const char* name, QWidget* parent)
{
    auto* box = new QCheckBox(QStringLiteral("Save Password"), parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

} // namespace

ConnectionPage::ConnectionPage(const kit::FileChooser& chooseFile, platform::settings::Store& settings,
                               QWidget* parent)
    : kit::Panel(QStringLiteral("pt_2"), parent), chooseFile_(chooseFile), settings_(settings)
{
    auto* top = new QVBoxLayout(this);
    top->addWidget(kit::heading(QStringLiteral("Label3"), QStringLiteral("Connection"), this));
    auto* frames = new QGridLayout();

    // Oracle.
    QGroupBox* oracleFrame = frame("Frame_0", "Oracle Connection", this);
    {
        auto* g = new QGridLayout(oracleFrame);
        db = new kit::ComboBox(QStringLiteral("db"), oracleFrame);
        uid = new kit::TextBox(QStringLiteral("uid"), oracleFrame);
        pwd = new kit::PasswordBox(QStringLiteral("pwd"), oracleFrame);
        c1 = savePasswordBox("c1", oracleFrame);
        o = new kit::ComboBox(QStringLiteral("o"), oracleFrame);
        Command3 = connectButton("Command3", oracleFrame);
        Command1 = kit::pictureButton(QStringLiteral("Command1"), QStyle::SP_FileDialogDetailedView,
                                      QStringLiteral("Select Schema"), oracleFrame);
        g->addWidget(label(QStringLiteral("Etiquette6_28"), QStringLiteral("Service"), oracleFrame), 0, 0);
        g->addWidget(db, 0, 1);
        g->addWidget(label(QStringLiteral("Etiquette6_29"), QStringLiteral("User Id"), oracleFrame), 1, 0);
        g->addWidget(uid, 1, 1);
        g->addWidget(label(QStringLiteral("Etiquette6_30"), QStringLiteral("Password"), oracleFrame), 2, 0);
        g->addWidget(pwd, 2, 1);
        g->addWidget(c1, 3, 1);
        g->addWidget(Command3, 0, 2, 2, 1, Qt::AlignTop);
        g->addWidget(label(QStringLiteral("Etiquette6_31"), QStringLiteral("Schema"), oracleFrame), 4, 0);
        g->addWidget(o, 4, 1);
        g->addWidget(Command1, 4, 2);
    }
    frames->addWidget(oracleFrame, 0, 0);

    // SQL Server.
    QGroupBox* sqlServerFrame = frame("Frame_1", "SQL Server Connection", this);
    {
        auto* g = new QGridLayout(sqlServerFrame);
        spro = new kit::TextBox(QStringLiteral("spro"), sqlServerFrame);
        so = new kit::TextBox(QStringLiteral("so"), sqlServerFrame);
        sdb = new kit::ComboBox(QStringLiteral("sdb"), sqlServerFrame);
        suid = new kit::TextBox(QStringLiteral("suid"), sqlServerFrame);
        spwd = new kit::PasswordBox(QStringLiteral("spwd"), sqlServerFrame);
        sc1 = savePasswordBox("sc1", sqlServerFrame);
        Command5 = connectButton("Command5", sqlServerFrame);
        const struct {
            const char* name;
            const char* caption;
            QWidget* box;
        } rows[] = {{"Etiquette6_32", "Provider", spro},
                    {"Etiquette6_33", "Data Source", so},
                    {"Etiquette6_34", "Initial Catalog", sdb},
                    {"Etiquette6_35", "User Id", suid},
                    {"Etiquette6_36", "Password", spwd}};
        int row = 0;
        for (const auto& r : rows) {
            g->addWidget(label(QString::fromLatin1(r.name), QString::fromLatin1(r.caption), sqlServerFrame),
                         row, 0);
            g->addWidget(r.box, row, 1);
            ++row;
        }
        g->addWidget(sc1, row, 1);
        g->addWidget(Command5, 0, 2, 2, 1, Qt::AlignTop);
    }
    frames->addWidget(sqlServerFrame, 0, 1);

    // Access.
    QGroupBox* accessFrame = frame("Frame_2", "Access Connection", this);
    {
        auto* g = new QGridLayout(accessFrame);
        adb = new kit::ComboBox(QStringLiteral("adb"), accessFrame);
        Command12 = connectButton("Command12", accessFrame);
        Command15 = kit::pictureButton(QStringLiteral("Command15"), QStyle::SP_DirOpenIcon,
                                       QStringLiteral("Search..."), accessFrame);
        g->addWidget(label(QStringLiteral("Etiquette6_37"),
                           QStringLiteral("Full Path and Database Name (.mdb)"), accessFrame),
                     0, 0, 1, 2);
        g->addWidget(adb, 1, 0);
        g->addWidget(Command15, 1, 1);
        g->addWidget(Command12, 1, 2);
        g->setColumnStretch(0, 1);
    }
    frames->addWidget(accessFrame, 1, 0);

    // Other connections.
    QGroupBox* otherFrame = frame("Frame_3", "Other Connections", this);
    {
        auto* g = new QGridLayout(otherFrame);
        ocnx = new kit::ComboBox(QStringLiteral("ocnx"), otherFrame);
        Command13 = connectButton("Command13", otherFrame);
        g->addWidget(
            label(QStringLiteral("Etiquette6_38"), QStringLiteral("Full ADO Connection String"), otherFrame),
            0, 0, 1, 2);
        g->addWidget(ocnx, 1, 0);
        g->addWidget(Command13, 1, 1);
        g->setColumnStretch(0, 1);
    }
    frames->addWidget(otherFrame, 1, 1);
    top->addLayout(frames);

    // Below the frames.
    auto* bottom = new QGridLayout();
    bottom->addWidget(label(QStringLiteral("Etiquette6_39"), QStringLiteral("Select :"), this), 0, 0);
    auto* kinds = new QHBoxLayout();
    const char* const kindCaptions[2] = {"Tables", "Views"};
    for (int i = 0; i < 2; ++i) {
        dbo[std::size_t(i)] = new QRadioButton(QString::fromLatin1(kindCaptions[i]), this);
        dbo[std::size_t(i)]->setObjectName(kit::element("dbo", i));
        kinds->addWidget(dbo[std::size_t(i)]);
    }
    dbo[0]->setChecked(true);
    kinds->addStretch();
    bottom->addLayout(kinds, 0, 1);
    Command6 = kit::commandButton(QStringLiteral("Command6"), QStringLiteral("Close Connexion"), this);
    bottom->addWidget(Command6, 0, 2);
    fmain = new kit::TextBox(QStringLiteral("fmain"), this);
    fmain->setReadOnly(true);
    pc = new kit::TextBox(QStringLiteral("pc"), this);
    pc->setReadOnly(true);
    pc->setMaximumWidth(100);
    pc->hide();
    bottom->addWidget(fmain, 1, 1);
    bottom->addWidget(pc, 1, 2);
    bottom->addWidget(label(QStringLiteral("Etiquette6_40"), QStringLiteral("Connection String"), this), 2,
                      0);
    cnxstr = new kit::TextBox(QStringLiteral("cnxstr"), this);
    bottom->addWidget(cnxstr, 2, 1, 1, 2);
    top->addLayout(bottom);
    top->addStretch();
    // Tab follows the boxes as they are laid out: each frame's boxes, then its buttons.
    QWidget::setTabOrder(c1, Command3);
    QWidget::setTabOrder(Command3, o);
    QWidget::setTabOrder(o, Command1);
    QWidget::setTabOrder(adb, Command15);
    QWidget::setTabOrder(Command15, Command12);
    connectHandlers();
}

void ConnectionPage::connectHandlers()
{
    connect(Command12, &QPushButton::clicked, this, &ConnectionPage::Command12_Click);
    connect(Command13, &QPushButton::clicked, this, &ConnectionPage::Command13_Click);
    // Enter in the box connects, as its button does.
    connect(ocnx->lineEdit(), &QLineEdit::returnPressed, this, &ConnectionPage::Command13_Click);
    connect(Command3, &QPushButton::clicked, this, &ConnectionPage::Command3_Click);
    connect(Command5, &QPushButton::clicked, this, &ConnectionPage::Command5_Click);
    connect(Command1, &QPushButton::clicked, this, &ConnectionPage::schemaSelectionRequested);
    connect(Command6, &QPushButton::clicked, this, &ConnectionPage::closeRequested);
    connect(Command15, &QPushButton::clicked, this, &ConnectionPage::Command15_Click);
    connect(db, &QComboBox::activated, this, &ConnectionPage::db_Click);
    connect(sdb, &QComboBox::activated, this, &ConnectionPage::sdb_Click);
    connect(db, &ComboBox::lostFocus, this, [this] { rememberEntry(db, false); });
    connect(sdb, &ComboBox::lostFocus, this, [this] { rememberEntry(sdb, false); });
    connect(ocnx, &ComboBox::lostFocus, this, [this] { rememberEntry(ocnx, false); });
    connect(adb, &ComboBox::lostFocus, this, [this] { rememberEntry(adb, true); });
}

void ConnectionPage::Command12_Click()
{
    emit connectRequested(accessValues(adb->currentText()));
}

void ConnectionPage::Command13_Click()
{
    emit connectRequested(otherValues(ocnx->currentText()));
}

void ConnectionPage::Command3_Click()
{
    emit connectRequested(oracleValues(db->currentText(), uid->text(), pwd->text()));
}

void ConnectionPage::Command5_Click()
{
    emit connectRequested(
        sqlServerValues(spro->text(), sdb->currentText(), so->text(), suid->text(), spwd->text()));
}

ConnectionPage::KeptChoices ConnectionPage::keptChoices() const
{
    return {c1->isChecked(), sc1->isChecked(), spro->text()};
}

void ConnectionPage::restoreKeptChoices(const KeptChoices& choices)
{
    c1->setChecked(choices.saveOraclePassword);
    sc1->setChecked(choices.saveSqlServerPassword);
    spro->setText(choices.provider);
}

void ConnectionPage::startScan()
{
    pc->show();
    pc->clear();
}

void ConnectionPage::showPhase(const QString& phase)
{
    fmain->setText(phase);
}

void ConnectionPage::showRowCount(int count)
{
    pc->setText(QString::number(count));
}

void ConnectionPage::clearPhase()
{
    fmain->clear();
}

void ConnectionPage::endScan()
{
    fmain->clear();
    pc->hide();
}

QString ConnectionPage::wantedTableType() const
{
    return dbo[0]->isChecked() ? QStringLiteral("TABLE") : QStringLiteral("VIEW");
}

void ConnectionPage::clearSchemas()
{
    o->clear();
}

void ConnectionPage::listSchemas(const QStringList& schemas)
{
    o->addItems(schemas);
    // Filling the list picks no schema: the box's text stays empty until the user chooses.
    o->setCurrentIndex(-1);
    o->setEditText(QString());
}

QString ConnectionPage::chosenSchema() const
{
    return o->currentText();
}

void ConnectionPage::focusSchema()
{
    o->setFocus();
}

void ConnectionPage::focusFirstBox()
{
    db->setFocus();
}

QString ConnectionPage::generatedCodeConnection() const
{
    return cnxstr->text();
}

void ConnectionPage::setGeneratedCodeConnection(const QString& text)
{
    cnxstr->setText(text);
}

} // namespace connection
