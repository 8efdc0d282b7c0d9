<%@ Page Language="vb" AutoEventWireup="false" Codebehind="edit_Employee.aspx.vb" Inherits="ShopWeb.edit_Employee"%>
<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.0 Transitional//EN">
<HTML>
    <HEAD>
        <title>Edit_Employee</title>
        <meta name="GENERATOR" content="Microsoft Visual Studio.NET 7.0">
        <meta name="CODE_LANGUAGE" content="Visual Basic 7.0">
        <meta name="vs_defaultClientScript" content="JavaScript">
        <meta name="vs_targetSchema" content="http://schemas.microsoft.com/intellisense/ie5">
        <LINK href="Styles.css" type="text/css" rel="stylesheet">
    </HEAD>
    <body MS_POSITIONING="FlowLayout">
        <form id="Edit_Employee" method="post" runat="server">
            <A name="Top"></A><H2>Employee Id</H2>
            <P>
                <TABLE id="Employee" cellSpacing="1" cellPadding="1" width="595" border="0">
                    <TR><TH>EmpId</TH><TD><asp:dropdownlist id="DdlEmpId" runat="server" AutoPostBack="True"></asp:dropdownlist></TD></TR><TR>
                </TABLE>
            </P>
            <H2>Employee Form</H2>
            <P>
                <TABLE>
                    <TR><TH>EmpId</TH><TD><asp:TextBox id="TxtEmpId" runat="server"></asp:TextBox></TD><TD></TD></TR><TR>
                    <TR><TH>Name</TH><TD><asp:TextBox id="TxtName" runat="server"></asp:TextBox></TD><TD></TD></TR><TR>
                    <TR><TH>Boss</TH><TD><asp:TextBox id="TxtBoss" runat="server"></asp:TextBox></TD><TD><asp:dropdownlist id="Ddl_f_Boss" runat="server" AutoPostBack="True"></asp:dropdownlist></TD></TR><TR>
                </TABLE>
            </P>
            <P>
                <TABLE id="Employee1" cellSpacing="1" cellPadding="1" width="300" border="0">
                    <TR>
                        <TD><asp:button id="Ok" runat="server" Text="Ok" Width="100px"></asp:button></TD>
                        <TD><asp:button id="Cancel" runat="server" Text="Cancel" Width="100px"></asp:button></TD>
                        <TD><asp:button id="Delete" runat="server" Text="Delete" Width="100px"></asp:button></TD>
                    </TR>
                </TABLE>
            </P>
            <H2>Employee List</H2>
            <P><asp:datagrid id="DtgEmployee" runat="server" EnableViewState="True" AutoGenerateColumns="False" BorderColor="DarkSlateGray" BackColor="White" BorderStyle="None" BorderWidth="1px" CellPadding="2" GridLines="Horizontal">
                    <AlternatingItemStyle BackColor="LightCyan"></AlternatingItemStyle>
                    <HeaderStyle BorderStyle="None" BackColor="#C0C0FF"></HeaderStyle>
                    <Columns>
                        <asp:BoundColumn DataField="EmpId" HeaderText="EmpId"></asp:BoundColumn>
                        <asp:BoundColumn DataField="Name" HeaderText="Name"></asp:BoundColumn>
                        <asp:BoundColumn DataField="Boss" HeaderText="Boss"></asp:BoundColumn>
                        <asp:ButtonColumn Text="Select" CommandName="Select"></asp:ButtonColumn>
                    </Columns>
                </asp:datagrid>
            </P>
        </form>
    </body>
</HTML>
