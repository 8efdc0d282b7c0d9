#include "generators/classmodule/class_lines.h"
#include "generators/classmodule/class_module_writers.h"

namespace generators::classmodule
{

namespace
{

// The class is named after the table alone; the prefix belongs to the file name.
const LineTable kHeader{u"class module header", {u"table"}, {}, uR"(
VERSION 1.0 CLASS
BEGIN
  MultiUse = -1  'True
  Persistable = 0  'NotPersistable
  DataBindingBehavior = 0  'vbNone
  DataSourceBehavior = 0   'vbNone
  MTSTransactionMode = 0   'NotAnMTSObject
End
Attribute VB_Name = "c_<table>"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = True
Attribute VB_PredeclaredId = False
Attribute VB_Exposed = False
Attribute VB_Ext_KEY = "SavedWithClassBuilder6" ,"Yes"
Attribute VB_Ext_KEY = "Top_Level" ,"Yes"
Attribute VB_Ext_KEY = "Member0" ,"attributes"
'local variable(s) to hold property value(s)
)"};

// b_<column> marks the columns whose input was given; the methods build their
// statements from those only. ind counts the rows of count, so it is a Long.
const LineTable kMembers{u"class module members", {u"column", u"vbtype"}, {u"column"}, uR"(
[column]    Private zi_<column> As <vbtype>
[column]    Private zo_<column> As <vbtype>
[column]    Private b_<column> As Integer
    Private z_return_code As Integer
    'Other local Variables
    Private dbl As ADODB.Recordset
    Private my_sql As String
    Private sep As String
    Private ind As Long
    'Properties
    Public Property Let return_code(ByVal vData As Integer)
        z_return_code = vData
    End Property
    Public Property Get return_code() As Integer
        return_code = z_return_code
    End Property
)"};

const LineTable kColumnProperties{u"class module column properties", {u"column", u"vbtype"}, {}, uR"(
    Public Property Let i_<column>(ByVal vData As <vbtype>)
        b_<column> = 1
        zi_<column> = vData
    End Property
    Public Property Get o_<column>() As <vbtype>
        o_<column> = zo_<column>
    End Property
)"};

} // namespace

void writeClassHeader(ModuleFile& file, const ClassTable& table)
{
    writeClassLines(file, kHeader, table);
}

void writeMembersAndProperties(ModuleFile& file, const ClassTable& table)
{
    writeClassLines(file, kMembers, table);
    writeColumnGroups(file, kColumnProperties, table);
}

QList<const LineTable*> headerLineTables()
{
    return {&kHeader, &kMembers, &kColumnProperties};
}

} // namespace generators::classmodule
