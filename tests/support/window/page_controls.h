#pragma once
// The controls of a page, found in a window by their object names, under the names the
// page gives them.

#include "kit/controls.h"
#include "kit/sorted_list.h"
#include "support/find_control.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <array>

namespace testsupport
{

template <typename T, std::size_t N> std::array<T*, N> elements(QWidget* window, const char* name)
{
    std::array<T*, N> found{};
    for (std::size_t i = 0; i < N; ++i)
        found[i] = child<T>(window, QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(i));
    return found;
}

// The main window's own controls: the page menu, Exit, the colour looks, help, the
// status bar, the clock and the pages pt(0..5).
struct MainWindowControls {
    explicit MainWindowControls(QWidget* window)
        : Command(elements<QPushButton, 5>(window, "Command")),
          fin_0(child<QPushButton>(window, QStringLiteral("fin_0"))),
          look(elements<QPushButton, 2>(window, "look")),
          Command16(child<QPushButton>(window, QStringLiteral("Command16"))),
          help(child<QPlainTextEdit>(window, QStringLiteral("help"))),
          Timer2(child<QTimer>(window, QStringLiteral("Timer2"))),
          st1(child<QStatusBar>(window, QStringLiteral("st1"))), pt(elements<QWidget, 6>(window, "pt"))
    {
    }

    std::array<QPushButton*, 5> Command;
    QPushButton* fin_0;
    std::array<QPushButton*, 2> look;
    QPushButton* Command16;
    QPlainTextEdit* help;
    QTimer* Timer2;
    QStatusBar* st1;
    std::array<QWidget*, 6> pt;
};

// The Data Browser page.
struct BrowserPageControls {
    explicit BrowserPageControls(QWidget* window)
        : t(child<kit::SortedList>(window, QStringLiteral("t"))),
          Command2(child<QPushButton>(window, QStringLiteral("Command2"))),
          tp(child<kit::TextBox>(window, QStringLiteral("tp"))),
          ss2(child<QTableView>(window, QStringLiteral("ss2"))),
          nr(child<kit::TextBox>(window, QStringLiteral("nr"))),
          chdbc(elements<kit::ClickLabel, 3>(window, "chdbc")), dbs(elements<kit::Panel, 3>(window, "dbs")),
          c(child<kit::TextBox>(window, QStringLiteral("c"))),
          c_srt(elements<QPushButton, 2>(window, "c_srt")),
          v(child<kit::TextBox>(window, QStringLiteral("v"))), s1(elements<QRadioButton, 4>(window, "s1")),
          cv1(child<QLabel>(window, QStringLiteral("cv1"))),
          Command7(child<QPushButton>(window, QStringLiteral("Command7"))),
          sfr(child<kit::TextBox>(window, QStringLiteral("sfr"))),
          sto(child<kit::TextBox>(window, QStringLiteral("sto"))),
          cv2(child<QLabel>(window, QStringLiteral("cv2"))),
          Command10(child<QPushButton>(window, QStringLiteral("Command10"))),
          Command4(child<QPushButton>(window, QStringLiteral("Command4"))),
          exp_e(child<QLabel>(window, QStringLiteral("exp_e")))
    {
    }

    kit::SortedList* t;
    QPushButton* Command2;
    kit::TextBox* tp;
    QTableView* ss2;
    kit::TextBox* nr;
    std::array<kit::ClickLabel*, 3> chdbc;
    std::array<kit::Panel*, 3> dbs;
    kit::TextBox* c;
    std::array<QPushButton*, 2> c_srt;
    kit::TextBox* v;
    std::array<QRadioButton*, 4> s1;
    QLabel* cv1;
    QPushButton* Command7;
    kit::TextBox* sfr;
    kit::TextBox* sto;
    QLabel* cv2;
    QPushButton* Command10;
    QPushButton* Command4;
    QLabel* exp_e;
};

// The VB Generator page.
struct VbPageControls {
    explicit VbPageControls(QWidget* window)
        : tdn(child<kit::SortedList>(window, QStringLiteral("tdn"))),
          tdn1(child<kit::SortedList>(window, QStringLiteral("tdn1"))),
          s_t(child<kit::TextBox>(window, QStringLiteral("s_t"))),
          tadd(elements<QPushButton, 4>(window, "tadd")),
          dbn(child<kit::TextBox>(window, QStringLiteral("dbn"))),
          pn(child<kit::TextBox>(window, QStringLiteral("pn"))),
          chpth_1(child<QPushButton>(window, QStringLiteral("chpth_1"))),
          gn(elements<QCheckBox, 3>(window, "gn")), gnn(elements<QLabel, 3>(window, "gnn")),
          ps(child<QCheckBox>(window, QStringLiteral("ps"))),
          gcfk(child<QCheckBox>(window, QStringLiteral("gcfk"))),
          gwcf(child<QCheckBox>(window, QStringLiteral("gwcf"))),
          Command11(child<QPushButton>(window, QStringLiteral("Command11"))),
          Command18(child<QPushButton>(window, QStringLiteral("Command18"))),
          Command19(child<QPushButton>(window, QStringLiteral("Command19"))),
          pb1(child<QProgressBar>(window, QStringLiteral("pb1"))),
          gnl(elements<QPlainTextEdit, 5>(window, "gnl")), vvbg(elements<kit::ClickLabel, 5>(window, "vvbg")),
          l_def(child<QLabel>(window, QStringLiteral("l_def")))
    {
    }

    kit::SortedList* tdn;
    kit::SortedList* tdn1;
    kit::TextBox* s_t;
    std::array<QPushButton*, 4> tadd;
    kit::TextBox* dbn;
    kit::TextBox* pn;
    QPushButton* chpth_1;
    std::array<QCheckBox*, 3> gn;
    std::array<QLabel*, 3> gnn;
    QCheckBox* ps;
    QCheckBox* gcfk;
    QCheckBox* gwcf;
    QPushButton* Command11;
    QPushButton* Command18;
    QPushButton* Command19;
    QProgressBar* pb1;
    std::array<QPlainTextEdit*, 5> gnl;
    std::array<kit::ClickLabel*, 5> vvbg;
    QLabel* l_def;
};

// The ASPX Generator page.
struct AspxPageControls {
    explicit AspxPageControls(QWidget* window)
        : tdn2(child<kit::SortedList>(window, QStringLiteral("tdn2"))),
          s_t2(child<kit::TextBox>(window, QStringLiteral("s_t2"))),
          tb2(elements<kit::TextBox, 4>(window, "tb2")),
          pn2(child<kit::TextBox>(window, QStringLiteral("pn2"))),
          chpth_0(child<QPushButton>(window, QStringLiteral("chpth_0"))),
          Command8(child<QPushButton>(window, QStringLiteral("Command8"))),
          gasp(elements<QPlainTextEdit, 2>(window, "gasp")),
          stasp(child<QLabel>(window, QStringLiteral("stasp")))
    {
    }

    kit::SortedList* tdn2;
    kit::TextBox* s_t2;
    std::array<kit::TextBox*, 4> tb2;
    kit::TextBox* pn2;
    QPushButton* chpth_0;
    QPushButton* Command8;
    std::array<QPlainTextEdit*, 2> gasp;
    QLabel* stasp;
};

// The Connection page.
struct ConnectionPageControls {
    explicit ConnectionPageControls(QWidget* window)
        : db(child<kit::ComboBox>(window, QStringLiteral("db"))),
          uid(child<kit::TextBox>(window, QStringLiteral("uid"))),
          pwd(child<kit::PasswordBox>(window, QStringLiteral("pwd"))),
          c1(child<QCheckBox>(window, QStringLiteral("c1"))),
          o(child<kit::ComboBox>(window, QStringLiteral("o"))),
          Command3(child<QPushButton>(window, QStringLiteral("Command3"))),
          Command1(child<QPushButton>(window, QStringLiteral("Command1"))),
          spro(child<kit::TextBox>(window, QStringLiteral("spro"))),
          so(child<kit::TextBox>(window, QStringLiteral("so"))),
          sdb(child<kit::ComboBox>(window, QStringLiteral("sdb"))),
          suid(child<kit::TextBox>(window, QStringLiteral("suid"))),
          spwd(child<kit::PasswordBox>(window, QStringLiteral("spwd"))),
          sc1(child<QCheckBox>(window, QStringLiteral("sc1"))),
          Command5(child<QPushButton>(window, QStringLiteral("Command5"))),
          adb(child<kit::ComboBox>(window, QStringLiteral("adb"))),
          Command12(child<QPushButton>(window, QStringLiteral("Command12"))),
          Command15(child<QPushButton>(window, QStringLiteral("Command15"))),
          ocnx(child<kit::ComboBox>(window, QStringLiteral("ocnx"))),
          Command13(child<QPushButton>(window, QStringLiteral("Command13"))),
          Command6(child<QPushButton>(window, QStringLiteral("Command6"))),
          dbo(elements<QRadioButton, 2>(window, "dbo")),
          fmain(child<kit::TextBox>(window, QStringLiteral("fmain"))),
          pc(child<kit::TextBox>(window, QStringLiteral("pc"))),
          cnxstr(child<kit::TextBox>(window, QStringLiteral("cnxstr")))
    {
    }

    kit::ComboBox* db;
    kit::TextBox* uid;
    kit::PasswordBox* pwd;
    QCheckBox* c1;
    kit::ComboBox* o;
    QPushButton* Command3;
    QPushButton* Command1;
    kit::TextBox* spro;
    kit::TextBox* so;
    kit::ComboBox* sdb;
    kit::TextBox* suid;
    kit::PasswordBox* spwd;
    QCheckBox* sc1;
    QPushButton* Command5;
    kit::ComboBox* adb;
    QPushButton* Command12;
    QPushButton* Command15;
    kit::ComboBox* ocnx;
    QPushButton* Command13;
    QPushButton* Command6;
    std::array<QRadioButton*, 2> dbo;
    kit::TextBox* fmain;
    kit::TextBox* pc;
    kit::TextBox* cnxstr;
};

// The solution dialog.
struct SolutionPanelControls {
    explicit SolutionPanelControls(QWidget* window)
        : sng(child<kit::TextBox>(window, QStringLiteral("sng"))),
          spg(child<kit::TextBox>(window, QStringLiteral("spg"))),
          png(child<kit::TextBox>(window, QStringLiteral("png"))),
          ppg(child<kit::TextBox>(window, QStringLiteral("ppg"))),
          stcss(child<kit::TextBox>(window, QStringLiteral("stcss"))),
          avasn(child<QLabel>(window, QStringLiteral("avasn"))),
          Command21(child<QPushButton>(window, QStringLiteral("Command21"))),
          Command20(child<QPushButton>(window, QStringLiteral("Command20")))
    {
    }

    kit::TextBox* sng;
    kit::TextBox* spg;
    kit::TextBox* png;
    kit::TextBox* ppg;
    kit::TextBox* stcss;
    QLabel* avasn;
    QPushButton* Command21;
    QPushButton* Command20;
};

} // namespace testsupport
