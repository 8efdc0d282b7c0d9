<%@ Page Language="vb" AutoEventWireup="false" Codebehind="edit_Product.aspx.vb" Inherits="ShopWeb.edit_Product"%>
<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.0 Transitional//EN">
<HTML>
    <HEAD>
        <title>Edit_Product</title>
        <meta name="GENERATOR" content="Microsoft Visual Studio.NET 7.0">
        <meta name="CODE_LANGUAGE" content="Visual Basic 7.0">
        <meta name="vs_defaultClientScript" content="JavaScript">
        <meta name="vs_targetSchema" content="http://schemas.microsoft.com/intellisense/ie5">
        <LINK href="Styles.css" type="text/css" rel="stylesheet">
    </HEAD>
    <body MS_POSITIONING="FlowLayout">
        <form id="Edit_Product" method="post" runat="server">
            <A name="Top"></A><H2>Product Id</H2>
            <P>
                <TABLE id="Product" cellSpacing="1" cellPadding="1" width="595" border="0">
                    <TR><TH>ProdId</TH><TD><asp:dropdownlist id="DdlProdId" runat="server" AutoPostBack="True"></asp:dropdownlist></TD></TR><TR>
                </TABLE>
            </P>
            <H2>Product Form</H2>
            <P>
                <TABLE>
                    <TR><TH>ProdId</TH><TD><asp:TextBox id="TxtProdId" runat="server"></asp:TextBox></TD><TD></TD></TR><TR>
                    <TR><TH>Label</TH><TD><asp:TextBox id="TxtLabel" runat="server"></asp:TextBox></TD><TD></TD></TR><TR>
                    <TR><TH>MainCat</TH><TD><asp:TextBox id="TxtMainCat" runat="server"></asp:TextBox></TD><TD><asp:dropdownlist id="Ddl_f_MainCat" runat="server" AutoPostBack="True"></asp:dropdownlist></TD></TR><TR>
                    <TR><TH>Maker</TH><TD><asp:TextBox id="TxtMaker" runat="server"></asp:TextBox></TD><TD><asp:dropdownlist id="Ddl_f_Maker" runat="server" AutoPostBack="True"></asp:dropdownlist></TD></TR><TR>
                    <TR><TH>SubCat</TH><TD><asp:TextBox id="TxtSubCat" runat="server"></asp:TextBox></TD><TD><asp:dropdownlist id="Ddl_f_SubCat" runat="server" AutoPostBack="True"></asp:dropdownlist></TD></TR><TR>
                </TABLE>
            </P>
            <P>
                <TABLE id="Product1" cellSpacing="1" cellPadding="1" width="300" border="0">
                    <TR>
                        <TD><asp:button id="Ok" runat="server" Text="Ok" Width="100px"></asp:button></TD>
                        <TD><asp:button id="Cancel" runat="server" Text="Cancel" Width="100px"></asp:button></TD>
                        <TD><asp:button id="Delete" runat="server" Text="Delete" Width="100px"></asp:button></TD>
                    </TR>
                </TABLE>
            </P>
            <P><a href="#A_Review">Review List</a></P>
            <H2>Product List</H2>
            <P><asp:datagrid id="DtgProduct" runat="server" EnableViewState="True" AutoGenerateColumns="False" BorderColor="DarkSlateGray" BackColor="White" BorderStyle="None" BorderWidth="1px" CellPadding="2" GridLines="Horizontal">
                    <AlternatingItemStyle BackColor="LightCyan"></AlternatingItemStyle>
                    <HeaderStyle BorderStyle="None" BackColor="#C0C0FF"></HeaderStyle>
                    <Columns>
                        <asp:BoundColumn DataField="ProdId" HeaderText="ProdId"></asp:BoundColumn>
                        <asp:BoundColumn DataField="Label" HeaderText="Label"></asp:BoundColumn>
                        <asp:BoundColumn DataField="MainCat" HeaderText="MainCat"></asp:BoundColumn>
                        <asp:BoundColumn DataField="Maker" HeaderText="Maker"></asp:BoundColumn>
                        <asp:BoundColumn DataField="SubCat" HeaderText="SubCat"></asp:BoundColumn>
                        <asp:ButtonColumn Text="Select" CommandName="Select"></asp:ButtonColumn>
                    </Columns>
                </asp:datagrid>
            </P>
            <H2><A name="A_Review"></A>Review</H2><P><a href="#Top">Top</a></P>
            <P><asp:datagrid id="DtgReview" runat="server" EnableViewState="True" AutoGenerateColumns="False" BorderColor="DarkSlateGray" BackColor="White" BorderStyle="None" BorderWidth="1px" CellPadding="2" GridLines="Horizontal">
                    <AlternatingItemStyle BackColor="LightCyan"></AlternatingItemStyle>
                    <HeaderStyle BorderStyle="None" BackColor="#C0C0FF"></HeaderStyle>
                    <Columns>
                        <asp:BoundColumn DataField="RevId" HeaderText="RevId"></asp:BoundColumn>
                        <asp:BoundColumn DataField="Prod" HeaderText="Prod"></asp:BoundColumn>
                        <asp:BoundColumn DataField="Stars" HeaderText="Stars"></asp:BoundColumn>
                    </Columns>
                </asp:datagrid>
            </P>
        </form>
    </body>
</HTML>
