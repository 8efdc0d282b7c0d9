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
const LineTable kPageHead{
    u"edit page markup page head", {u"codefile", u"project", u"table", u"tablebox", u"schema"}, {}, uR"~(
<%@ Page Language="vb" AutoEventWireup="false" Codebehind="<codefile>" Inherits="<project>.edit_<table>"%>
<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.0 Transitional//EN">
<HTML>
    <HEAD>
        <lt>title>Edit_<tablebox></title>
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
)~"};

// Every key and form row closes its own row and opens one more, left empty.
const LineTable kKeyRow{u"edit page markup key row", {u"column"}, {}, uR"~(
                    <TR><TH><column></TH><TD><asp:dropdownlist id="Ddl<column>" runat="server" AutoPostBack="True"></asp:dropdownlist></TD></TR><TR>
)~"};

const LineTable kFormStart{u"edit page markup form start", {u"tablebox"}, {}, uR"~(
                </TABLE>
            </P>
            <H2><tablebox> Form</H2>
            <P>
                <TABLE>
)~"};

const LineTable kFormRow{u"edit page markup form row", {u"column"}, {}, uR"~(
                    <TR><TH><column></TH><TD><asp:TextBox id="Txt<column>" runat="server"></asp:TextBox></TD><TD></TD></TR><TR>
)~"};

const LineTable kFormRowWithLookup{u"edit page markup form row with lookup", {u"column"}, {}, uR"~(
                    <TR><TH><column></TH><TD><asp:TextBox id="Txt<column>" runat="server"></asp:TextBox></TD><TD><asp:dropdownlist id="Ddl_f_<column>" runat="server" AutoPostBack="True"></asp:dropdownlist></TD></TR><TR>
)~"};

const LineTable kButtons{u"edit page markup buttons", {u"tablebox"}, {}, uR"~(
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
)~"};

const LineTable kChildLink{u"edit page markup child link", {u"child"}, {}, uR"~(
            <P><a href="#A_<child>"><child> List</a></P>
)~"};

const LineTable kTableGridHeading{u"edit page markup table grid heading", {u"tablebox"}, {}, uR"~(
            <H2><tablebox> List</H2>
)~"};

const LineTable kChildGridHeading{u"edit page markup child grid heading", {u"child"}, {}, uR"~(
            <H2><A name="A_<child>"></A><child></H2><P><a href="#Top">Top</a></P>
)~"};

// The grid's opening lines, for the page table's grid and each child's alike.
const LineTable kGridStart{u"edit page markup grid start", {u"grid"}, {}, uR"~(
            <P><asp:datagrid id="Dtg<grid>" runat="server" EnableViewState="True" AutoGenerateColumns="False" BorderColor="DarkSlateGray" BackColor="White" BorderStyle="None" BorderWidth="1px" CellPadding="2" GridLines="Horizontal">
                    <AlternatingItemStyle BackColor="LightCyan"></AlternatingItemStyle>
                    <HeaderStyle BorderStyle="None" BackColor="#C0C0FF"></HeaderStyle>
                    <Columns>
)~"};

const LineTable kBoundColumn{u"edit page markup bound column", {u"column"}, {}, uR"~(
                        <asp:BoundColumn DataField="<column>" HeaderText="<column>"></asp:BoundColumn>
)~"};

const LineTable kSelectColumn{u"edit page markup select column", {}, {}, uR"~(
                        <asp:ButtonColumn Text="Select" CommandName="Select"></asp:ButtonColumn>
)~"};

const LineTable kGridEnd{u"edit page markup grid end", {}, {}, uR"~(
                    </Columns>
                </asp:datagrid>
            </P>
)~"};

const LineTable kPageTail{u"edit page markup page tail", {}, {}, uR"~(
        </form>
    </body>
</HTML>
)~"};

void writeGrid(ModuleFile& page, const QString& grid, const QStringList& columns, bool withSelect)
{
    writeLineTable(page, kGridStart, {{QStringLiteral("grid"), grid}});
    for (const QString& column : columns)
        writeLineTable(page, kBoundColumn, {{QStringLiteral("column"), column}});
    if (withSelect)
        writeLineTable(page, kSelectColumn, {});
    writeLineTable(page, kGridEnd, {});
}

} // namespace

void writePageHead(ModuleFile& page, const EditPageNames& names)
{
    Placeholders values = names.placeholders();
    values.append({QStringLiteral("schema"), targetSchemaAddress()});
    writeLineTable(page, kPageHead, values);
}

void writeKeyRow(ModuleFile& page, const QString& column)
{
    writeLineTable(page, kKeyRow, {{QStringLiteral("column"), column}});
}

void writeFormStart(ModuleFile& page, const EditPageNames& names)
{
    writeLineTable(page, kFormStart, names.placeholders());
}

void writeFormRow(ModuleFile& page, const QString& column, bool withLookup)
{
    writeLineTable(page, withLookup ? kFormRowWithLookup : kFormRow, {{QStringLiteral("column"), column}});
}

void writeButtons(ModuleFile& page, const EditPageNames& names)
{
    writeLineTable(page, kButtons, names.placeholders());
}

void writeChildLink(ModuleFile& page, const QString& child)
{
    writeLineTable(page, kChildLink, {{QStringLiteral("child"), child}});
}

void writeTableGrid(ModuleFile& page, const EditPageNames& names, const QStringList& columns)
{
    writeLineTable(page, kTableGridHeading, names.placeholders());
    writeGrid(page, names.table, columns, true);
}

void writeChildGrid(ModuleFile& page, const QString& child, const QStringList& columns)
{
    writeLineTable(page, kChildGridHeading, {{QStringLiteral("child"), child}});
    writeGrid(page, child, columns, false);
}

void writePageTail(ModuleFile& page)
{
    writeLineTable(page, kPageTail, {});
}

QList<const LineTable*> markupLineTables()
{
    return {&kPageHead,    &kKeyRow,       &kFormStart,        &kFormRow,          &kFormRowWithLookup,
            &kButtons,     &kChildLink,    &kTableGridHeading, &kChildGridHeading, &kGridStart,
            &kBoundColumn, &kSelectColumn, &kGridEnd,          &kPageTail};
}

} // namespace generators::web
