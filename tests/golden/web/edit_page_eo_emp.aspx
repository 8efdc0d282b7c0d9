<%@ Page Language="vb" AutoEventWireup="false" Codebehind="edit_Emp.aspx.vb" Inherits="ShopWeb.edit_Emp"%>
<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.0 Transitional//EN">
<HTML>
    <HEAD>
        <title>Edit_Emp</title>
        <meta name="GENERATOR" content="Microsoft Visual Studio.NET 7.0">
        <meta name="CODE_LANGUAGE" content="Visual Basic 7.0">
        <meta name="vs_defaultClientScript" content="JavaScript">
        <meta name="vs_targetSchema" content="http://schemas.microsoft.com/intellisense/ie5">
        <LINK href="Styles.css" type="text/css" rel="stylesheet">
    </HEAD>
    <body MS_POSITIONING="FlowLayout">
        <form id="Edit_Emp" method="post" runat="server">
            <A name="Top"></A><H2>Emp Id</H2>
            <P>
                <TABLE id="Emp" cellSpacing="1" cellPadding="1" width="595" border="0">
                    <TR><TH>Id</TH><TD><asp:dropdownlist id="DdlId" runat="server" AutoPostBack="True"></asp:dropdownlist></TD></TR><TR>
                </TABLE>
            </P>
            <H2>Emp Form</H2>
            <P>
                <TABLE>
                    <TR><TH>Id</TH><TD><asp:TextBox id="TxtId" runat="server"></asp:TextBox></TD><TD></TD></TR><TR>
                    <TR><TH>Name</TH><TD><asp:TextBox id="TxtName" runat="server"></asp:TextBox></TD><TD></TD></TR><TR>
                    <TR><TH>Boss</TH><TD><asp:TextBox id="TxtBoss" runat="server"></asp:TextBox></TD><TD><asp:dropdownlist id="Ddl_f_Boss" runat="server" AutoPostBack="True"></asp:dropdownlist></TD></TR><TR>
                </TABLE>
            </P>
            <P>
                <TABLE id="Emp1" cellSpacing="1" cellPadding="1" width="300" border="0">
                    <TR>
                        <TD><asp:button id="Ok" runat="server" Text="Ok" Width="100px"></asp:button></TD>
                        <TD><asp:button id="Cancel" runat="server" Text="Cancel" Width="100px"></asp:button></TD>
                        <TD><asp:button id="Delete" runat="server" Text="Delete" Width="100px"></asp:button></TD>
                    </TR>
                </TABLE>
            </P>
            <P><a href="#A_Orders">Orders List</a></P>
            <H2>Emp List</H2>
            <P><asp:datagrid id="DtgEmp" runat="server" EnableViewState="True" AutoGenerateColumns="False" BorderColor="DarkSlateGray" BackColor="White" BorderStyle="None" BorderWidth="1px" CellPadding="2" GridLines="Horizontal">
                    <AlternatingItemStyle BackColor="LightCyan"></AlternatingItemStyle>
                    <HeaderStyle BorderStyle="None" BackColor="#C0C0FF"></HeaderStyle>
                    <Columns>
                        <asp:BoundColumn DataField="Id" HeaderText="Id"></asp:BoundColumn>
                        <asp:BoundColumn DataField="Name" HeaderText="Name"></asp:BoundColumn>
                        <asp:BoundColumn DataField="Boss" HeaderText="Boss"></asp:BoundColumn>
                        <asp:ButtonColumn Text="Select" CommandName="Select"></asp:ButtonColumn>
                    </Columns>
                </asp:datagrid>
            </P>
            <H2><A name="A_Orders"></A>Orders</H2><P><a href="#Top">Top</a></P>
            <P><asp:datagrid id="DtgOrders" runat="server" EnableViewState="True" AutoGenerateColumns="False" BorderColor="DarkSlateGray" BackColor="White" BorderStyle="None" BorderWidth="1px" CellPadding="2" GridLines="Horizontal">
                    <AlternatingItemStyle BackColor="LightCyan"></AlternatingItemStyle>
                    <HeaderStyle BorderStyle="None" BackColor="#C0C0FF"></HeaderStyle>
                    <Columns>
                        <asp:BoundColumn DataField="Id" HeaderText="Id"></asp:BoundColumn>
                        <asp:BoundColumn DataField="EmpId" HeaderText="EmpId"></asp:BoundColumn>
                        <asp:BoundColumn DataField="Placed" HeaderText="Placed"></asp:BoundColumn>
                        <asp:BoundColumn DataField="Total" HeaderText="Total"></asp:BoundColumn>
                    </Columns>
                </asp:datagrid>
            </P>
        </form>
    </body>
</HTML>
