<%@ Page Language="vb" AutoEventWireup="false" Codebehind="edit_ Category .aspx.vb" Inherits="ShopWeb.edit_Category"%>
<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.0 Transitional//EN">
<HTML>
    <HEAD>
        <title>Edit_ Category </title>
        <meta name="GENERATOR" content="Microsoft Visual Studio.NET 7.0">
        <meta name="CODE_LANGUAGE" content="Visual Basic 7.0">
        <meta name="vs_defaultClientScript" content="JavaScript">
        <meta name="vs_targetSchema" content="http://schemas.microsoft.com/intellisense/ie5">
        <LINK href="Styles.css" type="text/css" rel="stylesheet">
    </HEAD>
    <body MS_POSITIONING="FlowLayout">
        <form id="Edit_Category" method="post" runat="server">
            <A name="Top"></A><H2> Category  Id</H2>
            <P>
                <TABLE id=" Category " cellSpacing="1" cellPadding="1" width="595" border="0">
                    <TR><TH>CatId</TH><TD><asp:dropdownlist id="DdlCatId" runat="server" AutoPostBack="True"></asp:dropdownlist></TD></TR><TR>
                </TABLE>
            </P>
            <H2> Category  Form</H2>
            <P>
                <TABLE>
                    <TR><TH>CatId</TH><TD><asp:TextBox id="TxtCatId" runat="server"></asp:TextBox></TD><TD></TD></TR><TR>
                    <TR><TH>Label</TH><TD><asp:TextBox id="TxtLabel" runat="server"></asp:TextBox></TD><TD></TD></TR><TR>
                </TABLE>
            </P>
            <P>
                <TABLE id=" Category 1" cellSpacing="1" cellPadding="1" width="300" border="0">
                    <TR>
                        <TD><asp:button id="Ok" runat="server" Text="Ok" Width="100px"></asp:button></TD>
                        <TD><asp:button id="Cancel" runat="server" Text="Cancel" Width="100px"></asp:button></TD>
                        <TD><asp:button id="Delete" runat="server" Text="Delete" Width="100px"></asp:button></TD>
                    </TR>
                </TABLE>
            </P>
            <P><a href="#A_Product">Product List</a></P>
            <H2> Category  List</H2>
            <P><asp:datagrid id="DtgCategory" runat="server" EnableViewState="True" AutoGenerateColumns="False" BorderColor="DarkSlateGray" BackColor="White" BorderStyle="None" BorderWidth="1px" CellPadding="2" GridLines="Horizontal">
                    <AlternatingItemStyle BackColor="LightCyan"></AlternatingItemStyle>
                    <HeaderStyle BorderStyle="None" BackColor="#C0C0FF"></HeaderStyle>
                    <Columns>
                        <asp:BoundColumn DataField="CatId" HeaderText="CatId"></asp:BoundColumn>
                        <asp:BoundColumn DataField="Label" HeaderText="Label"></asp:BoundColumn>
                        <asp:ButtonColumn Text="Select" CommandName="Select"></asp:ButtonColumn>
                    </Columns>
                </asp:datagrid>
            </P>
            <H2><A name="A_Product"></A>Product</H2><P><a href="#Top">Top</a></P>
            <P><asp:datagrid id="DtgProduct" runat="server" EnableViewState="True" AutoGenerateColumns="False" BorderColor="DarkSlateGray" BackColor="White" BorderStyle="None" BorderWidth="1px" CellPadding="2" GridLines="Horizontal">
                    <AlternatingItemStyle BackColor="LightCyan"></AlternatingItemStyle>
                    <HeaderStyle BorderStyle="None" BackColor="#C0C0FF"></HeaderStyle>
                    <Columns>
                        <asp:BoundColumn DataField="ProdId" HeaderText="ProdId"></asp:BoundColumn>
                        <asp:BoundColumn DataField="Label" HeaderText="Label"></asp:BoundColumn>
                        <asp:BoundColumn DataField="MainCat" HeaderText="MainCat"></asp:BoundColumn>
                        <asp:BoundColumn DataField="Maker" HeaderText="Maker"></asp:BoundColumn>
                        <asp:BoundColumn DataField="SubCat" HeaderText="SubCat"></asp:BoundColumn>
                    </Columns>
                </asp:datagrid>
            </P>
        </form>
    </body>
</HTML>
