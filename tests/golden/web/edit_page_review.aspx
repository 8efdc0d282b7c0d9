<%@ Page Language="vb" AutoEventWireup="false" Codebehind="edit_Review.aspx.vb" Inherits="ShopWeb.edit_Review"%>
<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.0 Transitional//EN">
<HTML>
    <HEAD>
        <title>Edit_Review</title>
        <meta name="GENERATOR" content="Microsoft Visual Studio.NET 7.0">
        <meta name="CODE_LANGUAGE" content="Visual Basic 7.0">
        <meta name="vs_defaultClientScript" content="JavaScript">
        <meta name="vs_targetSchema" content="http://schemas.microsoft.com/intellisense/ie5">
        <LINK href="Styles.css" type="text/css" rel="stylesheet">
    </HEAD>
    <body MS_POSITIONING="FlowLayout">
        <form id="Edit_Review" method="post" runat="server">
            <A name="Top"></A><H2>Review Id</H2>
            <P>
                <TABLE id="Review" cellSpacing="1" cellPadding="1" width="595" border="0">
                    <TR><TH>RevId</TH><TD><asp:dropdownlist id="DdlRevId" runat="server" AutoPostBack="True"></asp:dropdownlist></TD></TR><TR>
                </TABLE>
            </P>
            <H2>Review Form</H2>
            <P>
                <TABLE>
                    <TR><TH>RevId</TH><TD><asp:TextBox id="TxtRevId" runat="server"></asp:TextBox></TD><TD></TD></TR><TR>
                    <TR><TH>Prod</TH><TD><asp:TextBox id="TxtProd" runat="server"></asp:TextBox></TD><TD><asp:dropdownlist id="Ddl_f_Prod" runat="server" AutoPostBack="True"></asp:dropdownlist></TD></TR><TR>
                    <TR><TH>Stars</TH><TD><asp:TextBox id="TxtStars" runat="server"></asp:TextBox></TD><TD></TD></TR><TR>
                </TABLE>
            </P>
            <P>
                <TABLE id="Review1" cellSpacing="1" cellPadding="1" width="300" border="0">
                    <TR>
                        <TD><asp:button id="Ok" runat="server" Text="Ok" Width="100px"></asp:button></TD>
                        <TD><asp:button id="Cancel" runat="server" Text="Cancel" Width="100px"></asp:button></TD>
                        <TD><asp:button id="Delete" runat="server" Text="Delete" Width="100px"></asp:button></TD>
                    </TR>
                </TABLE>
            </P>
            <H2>Review List</H2>
            <P><asp:datagrid id="DtgReview" runat="server" EnableViewState="True" AutoGenerateColumns="False" BorderColor="DarkSlateGray" BackColor="White" BorderStyle="None" BorderWidth="1px" CellPadding="2" GridLines="Horizontal">
                    <AlternatingItemStyle BackColor="LightCyan"></AlternatingItemStyle>
                    <HeaderStyle BorderStyle="None" BackColor="#C0C0FF"></HeaderStyle>
                    <Columns>
                        <asp:BoundColumn DataField="RevId" HeaderText="RevId"></asp:BoundColumn>
                        <asp:BoundColumn DataField="Prod" HeaderText="Prod"></asp:BoundColumn>
                        <asp:BoundColumn DataField="Stars" HeaderText="Stars"></asp:BoundColumn>
                        <asp:ButtonColumn Text="Select" CommandName="Select"></asp:ButtonColumn>
                    </Columns>
                </asp:datagrid>
            </P>
        </form>
    </body>
</HTML>
