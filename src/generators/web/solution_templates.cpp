#include "generators/web/solution_templates.h"

namespace generators::web::templates
{

const QStringView kFrameworkToken = u"b77a5c561934e089";

const LineTable kAssemblyInfo{u"solution assembly info", {}, {}, uR"(
Imports System.Reflection
Imports System.Runtime.InteropServices
<Assembly: AssemblyTitle(<dq><dq>)>
<Assembly: AssemblyDescription(<dq><dq>)>
<Assembly: AssemblyCompany(<dq><dq>)>
<Assembly: AssemblyProduct(<dq><dq>)>
<Assembly: AssemblyCopyright(<dq><dq>)>
<Assembly: AssemblyTrademark(<dq><dq>)>
<Assembly: CLSCompliant(True)>
<Assembly: AssemblyVersion(<dq>1.0.*<dq>)>
)"};

const LineTable kGlobalAsax{u"solution global asax", {u"project"}, {}, uR"(
<%@ Application Codebehind=<dq>Global.asax.vb<dq> Inherits=<dq><project>.Global<dq> %>
)"};

const LineTable kGlobalAsaxResx{u"solution global asax resx", {u"xsdns", u"msdatans", u"fxtoken"}, {}, uR"(
<?xml version=<dq>1.0<dq> encoding=<dq>utf-8<dq> ?>
    <lt>root>
        <xsd:schema id=<dq>root<dq> xmlns=<dq><dq> xmlns:xsd=<dq><xsdns><dq> xmlns:msdata=<dq><msdatans><dq>>
            <xsd:element name=<dq>root<dq> msdata:IsDataSet=<dq>true<dq>>
                <xsd:complexType>
                    <xsd:choice maxOccurs=<dq>unbounded<dq>>
                        <xsd:element name=<dq>data<dq>>
                            <xsd:complexType>
                                <xsd:sequence>
                                    <xsd:element name=<dq>value<dq> type=<dq>xsd:string<dq> minOccurs=<dq>0<dq> msdata:Ordinal=<dq>1<dq> />
                                    <xsd:element name=<dq>comment<dq> type=<dq>xsd:string<dq> minOccurs=<dq>0<dq> msdata:Ordinal=<dq>2<dq> />
                                </xsd:sequence>
                                <xsd:attribute name=<dq>name<dq> type=<dq>xsd:string<dq> />
                                <xsd:attribute name=<dq>type<dq> type=<dq>xsd:string<dq> />
                                <xsd:attribute name=<dq>mimetype<dq> type=<dq>xsd:string<dq> />
                            </xsd:complexType>
                        </xsd:element>
                        <xsd:element name=<dq>resheader<dq>>
                            <xsd:complexType>
                                <xsd:sequence>
                                    <xsd:element name=<dq>value<dq> type=<dq>xsd:string<dq> minOccurs=<dq>0<dq> msdata:Ordinal=<dq>1<dq> />
                                </xsd:sequence>
                                <xsd:attribute name=<dq>name<dq> type=<dq>xsd:string<dq> use=<dq>required<dq> />
                            </xsd:complexType>
                        </xsd:element>
                    </xsd:choice>
                </xsd:complexType>
            </xsd:element>
        </xsd:schema>
        <resheader name=<dq>ResMimeType<dq>>
            <lt>value>text/microsoft-resx</value>
        </resheader>
        <resheader name=<dq>Version<dq>>
            <lt>value>1.0.0.0</value>
        </resheader>
        <resheader name=<dq>Reader<dq>>
            <lt>value>System.Resources.ResXResourceReader, System.Windows.Forms, Version=1.0.3300.0, Culture=neutral, PublicKeyToken=<fxtoken></value>
        </resheader>
        <resheader name=<dq>Writer<dq>>
            <lt>value>System.Resources.ResXResourceWriter, System.Windows.Forms, Version=1.0.3300.0, Culture=neutral, PublicKeyToken=<fxtoken></value>
        </resheader>
    </root>
)"};

const LineTable kGlobalAsaxClass{u"solution global asax class", {}, {}, uR"(
Imports System.Web
Imports System.Web.SessionState
Public Class Global
    Inherits System.Web.HttpApplication
#Region <dq> Component Designer Generated Code <dq>
    Public Sub New()
        MyBase.New()
        InitializeComponent()
        'Add any initialization after the InitializeComponent() call
    End Sub
    Private components As System.ComponentModel.IContainer
    'NOTE: The following procedure is required by the Component Designer
    'It can be modified using the Component Designer.
    'Do not modify it using the code editor.
    <System.Diagnostics.DebuggerStepThrough()> Private Sub InitializeComponent()
        components = New System.ComponentModel.Container()
    End Sub
#End Region
    Sub Application_Start(ByVal sender As Object, ByVal e As EventArgs)
        ' Fires when the application is started
    End Sub
    Sub Session_Start(ByVal sender As Object, ByVal e As EventArgs)
        ' Fires when the session is started
    End Sub
    Sub Application_BeginRequest(ByVal sender As Object, ByVal e As EventArgs)
        ' Fires at the beginning of each request
    End Sub
    Sub Application_AuthenticateRequest(ByVal sender As Object, ByVal e As EventArgs)
        ' Fires upon attempting to authenticate the use
    End Sub
    Sub Application_Error(ByVal sender As Object, ByVal e As EventArgs)
        ' Fires when an error occurs
    End Sub
    Sub Session_End(ByVal sender As Object, ByVal e As EventArgs)
        ' Fires when the session ends
    End Sub
    Sub Application_End(ByVal sender As Object, ByVal e As EventArgs)
        ' Fires when the application ends
    End Sub
End Class
)"};

const LineTable kProjectHead{u"solution project head", {u"guid", u"project"}, {}, uR"(
<VisualStudioProject>
    <VisualBasic
        ProjectType = <dq>Web<dq>
        ProjectGuid = <dq><guid><dq>
    >
        <Build>
            <Settings
                AssemblyName = <dq><project><dq>
                AssemblyOriginatorKeyMode = <dq>None<dq>
                DefaultClientScript = <dq>JScript<dq>
                DefaultHTMLPageLayout = <dq>Flow<dq>
                DefaultTargetSchema = <dq>IE50<dq>
                DelaySign = <dq>false<dq>
                OutputType = <dq>Library<dq>
                OptionCompare = <dq>Binary<dq>
                OptionExplicit = <dq>On<dq>
                OptionStrict = <dq>Off<dq>
                RootNamespace = <dq><project><dq>
            >
                <Config
                    Name = <dq>Debug<dq>
                />
                <Config
                    Name = <dq>Release<dq>
                />
            </Settings>
            <References>
)"};

const LineTable kProjectReference{u"solution project reference", {u"refname", u"refassembly"}, {}, uR"(
                <Reference
                    Name = <dq><refname><dq>
                    AssemblyName = <dq><refassembly><dq>
                />
)"};

const LineTable kProjectImportsAndFiles{u"solution project imports and files", {}, {}, uR"(
            </References>
            <Imports>
                <Import Namespace = <dq>Microsoft.VisualBasic<dq> />
                <Import Namespace = <dq>System<dq> />
                <Import Namespace = <dq>System.Collections<dq> />
                <Import Namespace = <dq>System.Configuration<dq> />
                <Import Namespace = <dq>System.Data<dq> />
                <Import Namespace = <dq>System.Drawing<dq> />
                <Import Namespace = <dq>System.Web<dq> />
                <Import Namespace = <dq>System.Web.UI<dq> />
                <Import Namespace = <dq>System.Web.UI.HtmlControls<dq> />
                <Import Namespace = <dq>System.Web.UI.WebControls<dq> />
            </Imports>
        </Build>
        <Files>
            <Include>
                <File
                    RelPath = <dq>AssemblyInfo.vb<dq>
                    SubType = <dq>Code<dq>
                    BuildAction = <dq>Compile<dq>
                />
                <File
                    RelPath = <dq>Global.asax<dq>
                    BuildAction = <dq>Content<dq>
                />
                <File
                    RelPath = <dq>Global.asax.vb<dq>
                    DependentUpon = <dq>Global.asax<dq>
                    SubType = <dq>Code<dq>
                    BuildAction = <dq>Compile<dq>
                />
                <File
                    RelPath = <dq>Global.asax.resx<dq>
                    DependentUpon = <dq>Global.asax.vb<dq>
                    BuildAction = <dq>EmbeddedResource<dq>
                />
                <File
                    RelPath = <dq>Styles.css<dq>
                    BuildAction = <dq>Content<dq>
                />
                <File
                    RelPath = <dq>Web.config<dq>
                    BuildAction = <dq>Content<dq>
                />
)"};

const LineTable kProjectModuleFile{u"solution project module file", {u"module"}, {}, uR"(
                <File
                    RelPath = <dq>Data_Access\<module><dq>
                    SubType = <dq>Code<dq>
                    BuildAction = <dq>Compile<dq>
                />
)"};

const LineTable kProjectPageFiles{u"solution project page files", {u"table"}, {}, uR"(
                <File
                    RelPath = <dq>User_Interface\edit_<table>.aspx<dq>
                    BuildAction = <dq>Content<dq>
                />
                <File
                    RelPath = <dq>User_Interface\edit_<table>.aspx.vb<dq>
                    DependentUpon = <dq>edit_<table>.aspx<dq>
                    SubType = <dq>ASPXCodeBehind<dq>
                    BuildAction = <dq>Compile<dq>
                />
)"};

const LineTable kProjectTail{u"solution project tail", {}, {}, uR"(
            </Include>
        </Files>
    </VisualBasic>
</VisualStudioProject>
)"};

const LineTable kWebInfo{u"solution web info", {u"webroot", u"project"}, {}, uR"(
<VisualStudioUNCWeb>
    <Web URLPath = <dq><webroot><project>/<project>.vbproj<dq> />
</VisualStudioUNCWeb>
)"};

const LineTable kSolution{u"solution solution", {u"project", u"webroot", u"guid"}, {}, uR"(
Microsoft Visual Studio Solution File, Format Version 8.00
Project(<dq>{F184B08F-C81C-45F6-A57F-5ABD9991F28F}<dq>) = <dq><project><dq>, <dq><webroot><project>/<project>.vbproj<dq>, <dq><guid><dq>
    ProjectSection(ProjectDependencies) = postProject
    EndProjectSection
EndProject
Global
    GlobalSection(SolutionConfiguration) = preSolution
        Debug = Debug
        Release = Release
    EndGlobalSection
    GlobalSection(ProjectConfiguration) = postSolution
        <guid>.Debug.ActiveCfg = Debug|.NET
        <guid>.Debug.Build.0 = Debug|.NET
        <guid>.Release.ActiveCfg = Release|.NET
        <guid>.Release.Build.0 = Release|.NET
    EndGlobalSection
    GlobalSection(ExtensibilityGlobals) = postSolution
    EndGlobalSection
    GlobalSection(ExtensibilityAddIns) = postSolution
    EndGlobalSection
EndGlobal
)"};

QList<const LineTable*> solutionLineTables()
{
    return {&kAssemblyInfo,
            &kGlobalAsax,
            &kGlobalAsaxResx,
            &kGlobalAsaxClass,
            &kProjectHead,
            &kProjectReference,
            &kProjectImportsAndFiles,
            &kProjectModuleFile,
            &kProjectPageFiles,
            &kProjectTail,
            &kWebInfo,
            &kSolution};
}

} // namespace generators::web::templates
