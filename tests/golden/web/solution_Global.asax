<%@ Application Codebehind="Global.asax.vb" Inherits="Shop_Web.Global" %>
