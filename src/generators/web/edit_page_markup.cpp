#include "generators/web/edit_page_markup.h"

#include "generators/web/web_addresses.h"

namespace generators::web
{

namespace
{

// <table> is the trimmed name, used where blanks would break the page (the Inherits
// class, the form id and the grid id); <tablebox> is the table box text as it stands,
// used in the title, the headings and the plain HTML table ids. <schema> is the
// designer's target schema.
constexpr QStringView kPageHead = uR"~(
<%@ Page Language="vb" AutoEventWireup="false" Codebehind="<codefile>" Inherits="<project>.edit_<table>"%>
<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.0 Transitional//EN">
<HTML>
    <HEAD>
        <title>Edit_<tablebox></title>
        <meta name="GENERATOR" content="Microsoft Visual Studio.NET 7.0">
        <meta name="CODE_LANGUAGE" content="Visual Basic 7.0">
        <meta name="vs_defaultClientScript" content="JavaScript">
        <meta name="vs_targetSchema" content="<schema>">
        <LINK href="Styles.css" type="text/css" rel="stylesheet">
    </HEAD>
    <body MS_POSITIONING="FlowLayout">
        <form id="Edit_<table>" method="post" runat="server">
            <A name="Top"></A><H2><tablebox> Id</H2>
            <P>
                <TABLE id="<tablebox>" cellSpacing="1" cellPadding="1" width="595" border="0">
)~";

// Every key and form row closes its own row and opens one more, left empty.
constexpr QStringView kKeyRow = uR"~(
                    <TR><TH><column></TH><TD><asp:dropdownlist id="Ddl<column>" runat="server" AutoPostBack="True"></asp:dropdownlist></TD></TR><TR>
)~";

constexpr QStringView kFormStart = uR"~(
                </TABLE>
            </P>
            <H2><tablebox> Form</H2>
            <P>
                <TABLE>
)~";

constexpr QStringView kFormRow = uR"~(
                    <TR><TH><column></TH><TD><asp:TextBox id="Txt<column>" runat="server"></asp:TextBox></TD><TD></TD></TR><TR>
)~";

constexpr QStringView kFormRowWithLookup = uR"~(
                    <TR><TH><column></TH><TD><asp:TextBox id="Txt<column>" runat="server"></asp:TextBox></TD><TD><asp:dropdownlist id="Ddl_f_<column>" runat="server" AutoPostBack="True"></asp:dropdownlist></TD></TR><TR>
)~";

constexpr QStringView kButtons = uR"~(
                </TABLE>
            </P>
            <P>
                <TABLE id="<tablebox>1" cellSpacing="1" cellPadding="1" width="300" border="0">
                    <TR>
                        <TD><asp:button id="Ok" runat="server" Text="Ok" Width="100px"></asp:button></TD>
                        <TD><asp:button id="Cancel" runat="server" Text="Cancel" Width="100px"></asp:button></TD>
                        <TD><asp:button id="Delete" runat="server" Text="Delete" Width="100px"></asp:button></TD>
                    </TR>
                </TABLE>
            </P>
)~";

constexpr QStringView kChildLink = uR"~(
            <P><a href="#A_<child>"><child> List</a></P>
)~";

constexpr QStringView kTableGridHeading = uR"~(
            <H2><tablebox> List</H2>
)~";

constexpr QStringView kChildGridHeading = uR"~(
            <H2><A name="A_<child>"></A><child></H2><P><a href="#Top">Top</a></P>
)~";

// The grid's opening lines, for the page table's grid and each child's alike.
constexpr QStringView kGridStart = uR"~(
            <P><asp:datagrid id="Dtg<grid>" runat="server" EnableViewState="True" AutoGenerateColumns="False" BorderColor="DarkSlateGray" BackColor="White" BorderStyle="None" BorderWidth="1px" CellPadding="2" GridLines="Horizontal">
                    <AlternatingItemStyle BackColor="LightCyan"></AlternatingItemStyle>
                    <HeaderStyle BorderStyle="None" BackColor="#C0C0FF"></HeaderStyle>
                    <Columns>
)~";

constexpr QStringView kBoundColumn = uR"~(
                        <asp:BoundColumn DataField="<column>" HeaderText="<column>"></asp:BoundColumn>
)~";

constexpr QStringView kSelectColumn = uR"~(
                        <asp:ButtonColumn Text="Select" CommandName="Select"></asp:ButtonColumn>
)~";

constexpr QStringView kGridEnd = uR"~(
                    </Columns>
                </asp:datagrid>
            </P>
)~";

constexpr QStringView kPageTail = uR"~(
        </form>
    </body>
</HTML>
)~";

void writeGrid(ModuleFile& page, const QString& grid, const QStringList& columns, bool withSelect)
{
    emitBlock(page, kGridStart, {{QStringLiteral("grid"), grid}});
    for (const QString& column : columns)
        emitBlock(page, kBoundColumn, {{QStringLiteral("column"), column}});
    if (withSelect)
        emitBlock(page, kSelectColumn, {});
    emitBlock(page, kGridEnd, {});
}

} // namespace

void writePageHead(ModuleFile& page, const EditPageNames& names)
{
    Placeholders values = names.placeholders();
    values.append({QStringLiteral("schema"), targetSchemaAddress()});
    emitBlock(page, kPageHead, values);
}

void writeKeyRow(ModuleFile& page, const QString& column)
{
    emitBlock(page, kKeyRow, {{QStringLiteral("column"), column}});
}

void writeFormStart(ModuleFile& page, const EditPageNames& names)
{
    emitBlock(page, kFormStart, names.placeholders());
}

void writeFormRow(ModuleFile& page, const QString& column, bool withLookup)
{
    emitBlock(page, withLookup ? kFormRowWithLookup : kFormRow, {{QStringLiteral("column"), column}});
}

void writeButtons(ModuleFile& page, const EditPageNames& names)
{
    emitBlock(page, kButtons, names.placeholders());
}

void writeChildLink(ModuleFile& page, const QString& child)
{
    emitBlock(page, kChildLink, {{QStringLiteral("child"), child}});
}

void writeTableGrid(ModuleFile& page, const EditPageNames& names, const QStringList& columns)
{
    emitBlock(page, kTableGridHeading, names.placeholders());
    writeGrid(page, names.table, columns, true);
}

void writeChildGrid(ModuleFile& page, const QString& child, const QStringList& columns)
{
    emitBlock(page, kChildGridHeading, {{QStringLiteral("child"), child}});
    writeGrid(page, child, columns, false);
}

void writePageTail(ModuleFile& page)
{
    emitBlock(page, kPageTail, {});
}

} // namespace generators::web
