<%@ Page Language="vb" AutoEventWireup="false" Codebehind="edit_Note.aspx.vb" Inherits="ShopWeb.edit_Note"%>
<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.0 Transitional//EN">
<HTML>
    <HEAD>
        <title>Edit_Note</title>
        <meta name="GENERATOR" content="Microsoft Visual Studio.NET 7.0">
        <meta name="CODE_LANGUAGE" content="Visual Basic 7.0">
        <meta name="vs_defaultClientScript" content="JavaScript">
        <meta name="vs_targetSchema" content="http://schemas.microsoft.com/intellisense/ie5">
        <LINK href="Styles.css" type="text/css" rel="stylesheet">
    </HEAD>
    <body MS_POSITIONING="FlowLayout">
        <form id="Edit_Note" method="post" runat="server">
            <A name="Top"></A><H2>Note Id</H2>
            <P>
                <TABLE id="Note" cellSpacing="1" cellPadding="1" width="595" border="0">
                </TABLE>
            </P>
            <H2>Note Form</H2>
            <P>
                <TABLE>
                    <TR><TH>Body</TH><TD><asp:TextBox id="TxtBody" runat="server"></asp:TextBox></TD><TD></TD></TR><TR>
                    <TR><TH>Written</TH><TD><asp:TextBox id="TxtWritten" runat="server"></asp:TextBox></TD><TD></TD></TR><TR>
                    <TR><TH>Ref</TH><TD><asp:TextBox id="TxtRef" runat="server"></asp:TextBox></TD><TD></TD></TR><TR>
                </TABLE>
            </P>
            <P>
                <TABLE id="Note1" cellSpacing="1" cellPadding="1" width="300" border="0">
                    <TR>
                        <TD><asp:button id="Ok" runat="server" Text="Ok" Width="100px"></asp:button></TD>
                        <TD><asp:button id="Cancel" runat="server" Text="Cancel" Width="100px"></asp:button></TD>
                        <TD><asp:button id="Delete" runat="server" Text="Delete" Width="100px"></asp:button></TD>
                    </TR>
                </TABLE>
            </P>
            <H2>Note List</H2>
            <P><asp:datagrid id="DtgNote" runat="server" EnableViewState="True" AutoGenerateColumns="False" BorderColor="DarkSlateGray" BackColor="White" BorderStyle="None" BorderWidth="1px" CellPadding="2" GridLines="Horizontal">
                    <AlternatingItemStyle BackColor="LightCyan"></AlternatingItemStyle>
                    <HeaderStyle BorderStyle="None" BackColor="#C0C0FF"></HeaderStyle>
                    <Columns>
                        <asp:BoundColumn DataField="Body" HeaderText="Body"></asp:BoundColumn>
                        <asp:BoundColumn DataField="Written" HeaderText="Written"></asp:BoundColumn>
                        <asp:BoundColumn DataField="Ref" HeaderText="Ref"></asp:BoundColumn>
                        <asp:ButtonColumn Text="Select" CommandName="Select"></asp:ButtonColumn>
                    </Columns>
                </asp:datagrid>
            </P>
        </form>
    </body>
</HTML>
