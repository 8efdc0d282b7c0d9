<%@ Page Language="vb" AutoEventWireup="false" Codebehind="edit_Orders.aspx.vb" Inherits=".edit_Orders"%>
<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.0 Transitional//EN">
<HTML>
    <HEAD>
        <title>Edit_Orders</title>
        <meta name="GENERATOR" content="Microsoft Visual Studio.NET 7.0">
        <meta name="CODE_LANGUAGE" content="Visual Basic 7.0">
        <meta name="vs_defaultClientScript" content="JavaScript">
        <meta name="vs_targetSchema" content="http://schemas.microsoft.com/intellisense/ie5">
        <LINK href="Styles.css" type="text/css" rel="stylesheet">
    </HEAD>
    <body MS_POSITIONING="FlowLayout">
        <form id="Edit_Orders" method="post" runat="server">
            <A name="Top"></A><H2>Orders Id</H2>
            <P>
                <TABLE id="Orders" cellSpacing="1" cellPadding="1" width="595" border="0">
                    <TR><TH>Id</TH><TD><asp:dropdownlist id="DdlId" runat="server" AutoPostBack="True"></asp:dropdownlist></TD></TR><TR>
                </TABLE>
            </P>
            <H2>Orders Form</H2>
            <P>
                <TABLE>
                    <TR><TH>Id</TH><TD><asp:TextBox id="TxtId" runat="server"></asp:TextBox></TD><TD></TD></TR><TR>
                    <TR><TH>EmpId</TH><TD><asp:TextBox id="TxtEmpId" runat="server"></asp:TextBox></TD><TD><asp:dropdownlist id="Ddl_f_EmpId" runat="server" AutoPostBack="True"></asp:dropdownlist></TD></TR><TR>
                    <TR><TH>Placed</TH><TD><asp:TextBox id="TxtPlaced" runat="server"></asp:TextBox></TD><TD></TD></TR><TR>
                    <TR><TH>Total</TH><TD><asp:TextBox id="TxtTotal" runat="server"></asp:TextBox></TD><TD></TD></TR><TR>
                </TABLE>
            </P>
            <P>
                <TABLE id="Orders1" cellSpacing="1" cellPadding="1" width="300" border="0">
                    <TR>
                        <TD><asp:button id="Ok" runat="server" Text="Ok" Width="100px"></asp:button></TD>
                        <TD><asp:button id="Cancel" runat="server" Text="Cancel" Width="100px"></asp:button></TD>
                        <TD><asp:button id="Delete" runat="server" Text="Delete" Width="100px"></asp:button></TD>
                    </TR>
                </TABLE>
            </P>
            <P><a href="#A_Line">Line List</a></P>
            <H2>Orders List</H2>
            <P><asp:datagrid id="DtgOrders" runat="server" EnableViewState="True" AutoGenerateColumns="False" BorderColor="DarkSlateGray" BackColor="White" BorderStyle="None" BorderWidth="1px" CellPadding="2" GridLines="Horizontal">
                    <AlternatingItemStyle BackColor="LightCyan"></AlternatingItemStyle>
                    <HeaderStyle BorderStyle="None" BackColor="#C0C0FF"></HeaderStyle>
                    <Columns>
                        <asp:BoundColumn DataField="Id" HeaderText="Id"></asp:BoundColumn>
                        <asp:BoundColumn DataField="EmpId" HeaderText="EmpId"></asp:BoundColumn>
                        <asp:BoundColumn DataField="Placed" HeaderText="Placed"></asp:BoundColumn>
                        <asp:BoundColumn DataField="Total" HeaderText="Total"></asp:BoundColumn>
                        <asp:ButtonColumn Text="Select" CommandName="Select"></asp:ButtonColumn>
                    </Columns>
                </asp:datagrid>
            </P>
            <H2><A name="A_Line"></A>Line</H2><P><a href="#Top">Top</a></P>
            <P><asp:datagrid id="DtgLine" runat="server" EnableViewState="True" AutoGenerateColumns="False" BorderColor="DarkSlateGray" BackColor="White" BorderStyle="None" BorderWidth="1px" CellPadding="2" GridLines="Horizontal">
                    <AlternatingItemStyle BackColor="LightCyan"></AlternatingItemStyle>
                    <HeaderStyle BorderStyle="None" BackColor="#C0C0FF"></HeaderStyle>
                    <Columns>
                        <asp:BoundColumn DataField="OrderId" HeaderText="OrderId"></asp:BoundColumn>
                        <asp:BoundColumn DataField="LineNo" HeaderText="LineNo"></asp:BoundColumn>
                        <asp:BoundColumn DataField="Qty" HeaderText="Qty"></asp:BoundColumn>
                    </Columns>
                </asp:datagrid>
            </P>
        </form>
    </body>
</HTML>
