<%@ Page Language="vb" AutoEventWireup="false" Codebehind="edit_Line.aspx.vb" Inherits="ShopWeb.edit_Line"%>
<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.0 Transitional//EN">
<HTML>
    <HEAD>
        <title>Edit_Line</title>
        <meta name="GENERATOR" content="Microsoft Visual Studio.NET 7.0">
        <meta name="CODE_LANGUAGE" content="Visual Basic 7.0">
        <meta name="vs_defaultClientScript" content="JavaScript">
        <meta name="vs_targetSchema" content="http://schemas.microsoft.com/intellisense/ie5">
        <LINK href="Styles.css" type="text/css" rel="stylesheet">
    </HEAD>
    <body MS_POSITIONING="FlowLayout">
        <form id="Edit_Line" method="post" runat="server">
            <A name="Top"></A><H2>Line Id</H2>
            <P>
                <TABLE id="Line" cellSpacing="1" cellPadding="1" width="595" border="0">
                    <TR><TH>OrderId</TH><TD><asp:dropdownlist id="DdlOrderId" runat="server" AutoPostBack="True"></asp:dropdownlist></TD></TR><TR>
                    <TR><TH>LineNo</TH><TD><asp:dropdownlist id="DdlLineNo" runat="server" AutoPostBack="True"></asp:dropdownlist></TD></TR><TR>
                </TABLE>
            </P>
            <H2>Line Form</H2>
            <P>
                <TABLE>
                    <TR><TH>OrderId</TH><TD><asp:TextBox id="TxtOrderId" runat="server"></asp:TextBox></TD><TD><asp:dropdownlist id="Ddl_f_OrderId" runat="server" AutoPostBack="True"></asp:dropdownlist></TD></TR><TR>
                    <TR><TH>LineNo</TH><TD><asp:TextBox id="TxtLineNo" runat="server"></asp:TextBox></TD><TD></TD></TR><TR>
                    <TR><TH>Qty</TH><TD><asp:TextBox id="TxtQty" runat="server"></asp:TextBox></TD><TD></TD></TR><TR>
                </TABLE>
            </P>
            <P>
                <TABLE id="Line1" cellSpacing="1" cellPadding="1" width="300" border="0">
                    <TR>
                        <TD><asp:button id="Ok" runat="server" Text="Ok" Width="100px"></asp:button></TD>
                        <TD><asp:button id="Cancel" runat="server" Text="Cancel" Width="100px"></asp:button></TD>
                        <TD><asp:button id="Delete" runat="server" Text="Delete" Width="100px"></asp:button></TD>
                    </TR>
                </TABLE>
            </P>
            <H2>Line List</H2>
            <P><asp:datagrid id="DtgLine" runat="server" EnableViewState="True" AutoGenerateColumns="False" BorderColor="DarkSlateGray" BackColor="White" BorderStyle="None" BorderWidth="1px" CellPadding="2" GridLines="Horizontal">
                    <AlternatingItemStyle BackColor="LightCyan"></AlternatingItemStyle>
                    <HeaderStyle BorderStyle="None" BackColor="#C0C0FF"></HeaderStyle>
                    <Columns>
                        <asp:BoundColumn DataField="OrderId" HeaderText="OrderId"></asp:BoundColumn>
                        <asp:BoundColumn DataField="LineNo" HeaderText="LineNo"></asp:BoundColumn>
                        <asp:BoundColumn DataField="Qty" HeaderText="Qty"></asp:BoundColumn>
                        <asp:ButtonColumn Text="Select" CommandName="Select"></asp:ButtonColumn>
                    </Columns>
                </asp:datagrid>
            </P>
        </form>
    </body>
</HTML>
