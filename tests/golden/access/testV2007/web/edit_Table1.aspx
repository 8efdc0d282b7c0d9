<%@ Page Language="vb" AutoEventWireup="false" Codebehind="edit_Table1.aspx.vb" Inherits="AccessWeb.edit_Table1"%>
<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.0 Transitional//EN">
<HTML>
    <HEAD>
        <title>Edit_Table1</title>
        <meta name="GENERATOR" content="Microsoft Visual Studio.NET 7.0">
        <meta name="CODE_LANGUAGE" content="Visual Basic 7.0">
        <meta name="vs_defaultClientScript" content="JavaScript">
        <meta name="vs_targetSchema" content="http://schemas.microsoft.com/intellisense/ie5">
        <LINK href="Styles.css" type="text/css" rel="stylesheet">
    </HEAD>
    <body MS_POSITIONING="FlowLayout">
        <form id="Edit_Table1" method="post" runat="server">
            <A name="Top"></A><H2>Table1 Id</H2>
            <P>
                <TABLE id="Table1" cellSpacing="1" cellPadding="1" width="595" border="0">
                    <TR><TH>A</TH><TD><asp:dropdownlist id="DdlA" runat="server" AutoPostBack="True"></asp:dropdownlist></TD></TR><TR>
                </TABLE>
            </P>
            <H2>Table1 Form</H2>
            <P>
                <TABLE>
                    <TR><TH>A</TH><TD><asp:TextBox id="TxtA" runat="server"></asp:TextBox></TD><TD></TD></TR><TR>
                    <TR><TH>B</TH><TD><asp:TextBox id="TxtB" runat="server"></asp:TextBox></TD><TD></TD></TR><TR>
                    <TR><TH>C</TH><TD><asp:TextBox id="TxtC" runat="server"></asp:TextBox></TD><TD></TD></TR><TR>
                    <TR><TH>D</TH><TD><asp:TextBox id="TxtD" runat="server"></asp:TextBox></TD><TD></TD></TR><TR>
                    <TR><TH>E</TH><TD><asp:TextBox id="TxtE" runat="server"></asp:TextBox></TD><TD></TD></TR><TR>
                    <TR><TH>F</TH><TD><asp:TextBox id="TxtF" runat="server"></asp:TextBox></TD><TD></TD></TR><TR>
                    <TR><TH>G</TH><TD><asp:TextBox id="TxtG" runat="server"></asp:TextBox></TD><TD></TD></TR><TR>
                    <TR><TH>H</TH><TD><asp:TextBox id="TxtH" runat="server"></asp:TextBox></TD><TD></TD></TR><TR>
                    <TR><TH>I</TH><TD><asp:TextBox id="TxtI" runat="server"></asp:TextBox></TD><TD></TD></TR><TR>
                </TABLE>
            </P>
            <P>
                <TABLE id="Table11" cellSpacing="1" cellPadding="1" width="300" border="0">
                    <TR>
                        <TD><asp:button id="Ok" runat="server" Text="Ok" Width="100px"></asp:button></TD>
                        <TD><asp:button id="Cancel" runat="server" Text="Cancel" Width="100px"></asp:button></TD>
                        <TD><asp:button id="Delete" runat="server" Text="Delete" Width="100px"></asp:button></TD>
                    </TR>
                </TABLE>
            </P>
            <H2>Table1 List</H2>
            <P><asp:datagrid id="DtgTable1" runat="server" EnableViewState="True" AutoGenerateColumns="False" BorderColor="DarkSlateGray" BackColor="White" BorderStyle="None" BorderWidth="1px" CellPadding="2" GridLines="Horizontal">
                    <AlternatingItemStyle BackColor="LightCyan"></AlternatingItemStyle>
                    <HeaderStyle BorderStyle="None" BackColor="#C0C0FF"></HeaderStyle>
                    <Columns>
                        <asp:BoundColumn DataField="A" HeaderText="A"></asp:BoundColumn>
                        <asp:BoundColumn DataField="B" HeaderText="B"></asp:BoundColumn>
                        <asp:BoundColumn DataField="C" HeaderText="C"></asp:BoundColumn>
                        <asp:BoundColumn DataField="D" HeaderText="D"></asp:BoundColumn>
                        <asp:BoundColumn DataField="E" HeaderText="E"></asp:BoundColumn>
                        <asp:BoundColumn DataField="F" HeaderText="F"></asp:BoundColumn>
                        <asp:BoundColumn DataField="G" HeaderText="G"></asp:BoundColumn>
                        <asp:BoundColumn DataField="H" HeaderText="H"></asp:BoundColumn>
                        <asp:BoundColumn DataField="I" HeaderText="I"></asp:BoundColumn>
                        <asp:ButtonColumn Text="Select" CommandName="Select"></asp:ButtonColumn>
                    </Columns>
                </asp:datagrid>
            </P>
        </form>
    </body>
</HTML>
