Imports System.Data.OracleClient
Imports System.Configuration
    'Define in your Web Config Scottcnxstr as
    'ConnectionString = "Data Source=orcl;User ID=scott"

NameSpace Common.Data.Pkg
Public Class DAL

    Public Shared Function Get_Connection() As OracleClient.OracleConnection
        Dim My_Cnx As OracleClient.OracleConnection
        My_Cnx = New OracleClient.OracleConnection()
        My_Cnx.ConnectionString = ConfigurationSettings.AppSettings("Scottcnxstr")
        My_Cnx.Open()
        Return My_Cnx
    End Function

    Public Shared Function GetAUDIT_LOGReader(ByVal z_AUDIT_LOG as AUDIT_LOG) As IDataReader
        Dim cnx As OracleConnection = Get_Connection()
        Dim cmd As New OracleCommand()
        cmd.Connection = Cnx
        cmd.CommandText = "AUDIT_LOG_PKG.Get_Rows"
        cmd.CommandType = CommandType.StoredProcedure
        cmd.Parameters.Add(New OracleParameter("z_CURSOR", OracleClient.OracleType.Cursor)).Direction = ParameterDirection.Output
        If z_AUDIT_LOG.IsDirty.rowid then cmd.Parameters.Add("z_rowid", z_AUDIT_LOG.rowid)
        Dim rdr As OracleDataReader
        Try
            rdr = cmd.ExecuteReader(CommandBehavior.CloseConnection)
            Return rdr
        Catch
            If Not cnx Is Nothing Then
                cnx.Close()
            End If
            Throw
        End Try
    End Function

    Public Shared Sub UpdateAUDIT_LOG(ByVal z_AUDIT_LOG as AUDIT_LOG)
        Dim cnx As OracleConnection = Get_Connection()
        Dim cmd As New OracleCommand()
        cmd.Connection = Cnx
        cmd.CommandText = "AUDIT_LOG_PKG.Update_Row"
        cmd.CommandType = CommandType.StoredProcedure
        If z_AUDIT_LOG.IsDirty.rowid then cmd.Parameters.Add("z_rowid", z_AUDIT_LOG.rowid)
        Try
            cmd.ExecuteNonQuery()
        Catch
            If Not cnx Is Nothing Then
                cnx.Close()
            End If
            Throw
        End Try
    End Sub

    Public Shared Sub InsertAUDIT_LOG(ByVal z_AUDIT_LOG as AUDIT_LOG)
        Dim cnx As OracleConnection = Get_Connection()
        Dim cmd As New OracleCommand()
        cmd.Connection = Cnx
        cmd.CommandText = "AUDIT_LOG_PKG.Insert_Row"
        cmd.CommandType = CommandType.StoredProcedure
        If z_AUDIT_LOG.IsDirty.rowid then cmd.Parameters.Add("z_rowid", z_AUDIT_LOG.rowid)
        Try
            cmd.ExecuteNonQuery()
        Catch
            If Not cnx Is Nothing Then
                cnx.Close()
            End If
            Throw
        End Try
    End Sub

    Public Shared Sub DelAUDIT_LOG(ByVal z_AUDIT_LOG as AUDIT_LOG)
        Dim cnx As OracleConnection = Get_Connection()
        Dim cmd As New OracleCommand()
        cmd.Connection = Cnx
        cmd.CommandText = "AUDIT_LOG_PKG.Delete_Row"
        cmd.CommandType = CommandType.StoredProcedure
        If z_AUDIT_LOG.IsDirty.rowid then cmd.Parameters.Add("z_rowid", z_AUDIT_LOG.rowid)
        Try
            cmd.ExecuteNonQuery()
        Catch
            If Not cnx Is Nothing Then
                cnx.Close()
            End If
            Throw
        End Try
    End Sub

    Public Shared Function GetEMPReader(ByVal z_EMP as EMP) As IDataReader
        Dim cnx As OracleConnection = Get_Connection()
        Dim cmd As New OracleCommand()
        cmd.Connection = Cnx
        cmd.CommandText = "EMP_PKG.Get_Rows"
        cmd.CommandType = CommandType.StoredProcedure
        cmd.Parameters.Add(New OracleParameter("z_CURSOR", OracleClient.OracleType.Cursor)).Direction = ParameterDirection.Output
        If z_EMP.IsDirty.rowid then cmd.Parameters.Add("z_rowid", z_EMP.rowid)
        If z_EMP.IsDirty.EMPNO then cmd.Parameters.Add("z_EMPNO", z_EMP.EMPNO)
        If z_EMP.IsDirty.ENAME then cmd.Parameters.Add("z_ENAME", z_EMP.ENAME)
        If z_EMP.IsDirty.HIREDATE then cmd.Parameters.Add("z_HIREDATE", z_EMP.HIREDATE)
        If z_EMP.IsDirty.SAL then cmd.Parameters.Add("z_SAL", z_EMP.SAL)
        If z_EMP.IsDirty.DEPTNO then cmd.Parameters.Add("z_DEPTNO", z_EMP.DEPTNO)
        Dim rdr As OracleDataReader
        Try
            rdr = cmd.ExecuteReader(CommandBehavior.CloseConnection)
            Return rdr
        Catch
            If Not cnx Is Nothing Then
                cnx.Close()
            End If
            Throw
        End Try
    End Function

    Public Shared Sub UpdateEMP(ByVal z_EMP as EMP)
        Dim cnx As OracleConnection = Get_Connection()
        Dim cmd As New OracleCommand()
        cmd.Connection = Cnx
        cmd.CommandText = "EMP_PKG.Update_Row"
        cmd.CommandType = CommandType.StoredProcedure
        If z_EMP.IsDirty.rowid then cmd.Parameters.Add("z_rowid", z_EMP.rowid)
        If z_EMP.IsDirty.EMPNO then cmd.Parameters.Add("z_EMPNO", z_EMP.EMPNO)
        If z_EMP.IsDirty.ENAME then cmd.Parameters.Add("z_ENAME", z_EMP.ENAME)
        If z_EMP.IsDirty.HIREDATE then cmd.Parameters.Add("z_HIREDATE", z_EMP.HIREDATE)
        If z_EMP.IsDirty.SAL then cmd.Parameters.Add("z_SAL", z_EMP.SAL)
        If z_EMP.IsDirty.DEPTNO then cmd.Parameters.Add("z_DEPTNO", z_EMP.DEPTNO)
        Try
            cmd.ExecuteNonQuery()
        Catch
            If Not cnx Is Nothing Then
                cnx.Close()
            End If
            Throw
        End Try
    End Sub

    Public Shared Sub InsertEMP(ByVal z_EMP as EMP)
        Dim cnx As OracleConnection = Get_Connection()
        Dim cmd As New OracleCommand()
        cmd.Connection = Cnx
        cmd.CommandText = "EMP_PKG.Insert_Row"
        cmd.CommandType = CommandType.StoredProcedure
        If z_EMP.IsDirty.rowid then cmd.Parameters.Add("z_rowid", z_EMP.rowid)
        If z_EMP.IsDirty.EMPNO then cmd.Parameters.Add("z_EMPNO", z_EMP.EMPNO)
        If z_EMP.IsDirty.ENAME then cmd.Parameters.Add("z_ENAME", z_EMP.ENAME)
        If z_EMP.IsDirty.HIREDATE then cmd.Parameters.Add("z_HIREDATE", z_EMP.HIREDATE)
        If z_EMP.IsDirty.SAL then cmd.Parameters.Add("z_SAL", z_EMP.SAL)
        If z_EMP.IsDirty.DEPTNO then cmd.Parameters.Add("z_DEPTNO", z_EMP.DEPTNO)
        Try
            cmd.ExecuteNonQuery()
        Catch
            If Not cnx Is Nothing Then
                cnx.Close()
            End If
            Throw
        End Try
    End Sub

    Public Shared Sub DelEMP(ByVal z_EMP as EMP)
        Dim cnx As OracleConnection = Get_Connection()
        Dim cmd As New OracleCommand()
        cmd.Connection = Cnx
        cmd.CommandText = "EMP_PKG.Delete_Row"
        cmd.CommandType = CommandType.StoredProcedure
        If z_EMP.IsDirty.rowid then cmd.Parameters.Add("z_rowid", z_EMP.rowid)
        Try
            cmd.ExecuteNonQuery()
        Catch
            If Not cnx Is Nothing Then
                cnx.Close()
            End If
            Throw
        End Try
    End Sub

    Public Shared Function GetORDER_LINEReader(ByVal z_ORDER_LINE as ORDER_LINE) As IDataReader
        Dim cnx As OracleConnection = Get_Connection()
        Dim cmd As New OracleCommand()
        cmd.Connection = Cnx
        cmd.CommandText = "ORDER_LINE_PKG.Get_Rows"
        cmd.CommandType = CommandType.StoredProcedure
        cmd.Parameters.Add(New OracleParameter("z_CURSOR", OracleClient.OracleType.Cursor)).Direction = ParameterDirection.Output
        If z_ORDER_LINE.IsDirty.rowid then cmd.Parameters.Add("z_rowid", z_ORDER_LINE.rowid)
        If z_ORDER_LINE.IsDirty.ORDER_ID then cmd.Parameters.Add("z_ORDER_ID", z_ORDER_LINE.ORDER_ID)
        If z_ORDER_LINE.IsDirty.LINE_NO then cmd.Parameters.Add("z_LINE_NO", z_ORDER_LINE.LINE_NO)
        If z_ORDER_LINE.IsDirty.ITEM then cmd.Parameters.Add("z_ITEM", z_ORDER_LINE.ITEM)
        Dim rdr As OracleDataReader
        Try
            rdr = cmd.ExecuteReader(CommandBehavior.CloseConnection)
            Return rdr
        Catch
            If Not cnx Is Nothing Then
                cnx.Close()
            End If
            Throw
        End Try
    End Function

    Public Shared Sub UpdateORDER_LINE(ByVal z_ORDER_LINE as ORDER_LINE)
        Dim cnx As OracleConnection = Get_Connection()
        Dim cmd As New OracleCommand()
        cmd.Connection = Cnx
        cmd.CommandText = "ORDER_LINE_PKG.Update_Row"
        cmd.CommandType = CommandType.StoredProcedure
        If z_ORDER_LINE.IsDirty.rowid then cmd.Parameters.Add("z_rowid", z_ORDER_LINE.rowid)
        If z_ORDER_LINE.IsDirty.ORDER_ID then cmd.Parameters.Add("z_ORDER_ID", z_ORDER_LINE.ORDER_ID)
        If z_ORDER_LINE.IsDirty.LINE_NO then cmd.Parameters.Add("z_LINE_NO", z_ORDER_LINE.LINE_NO)
        If z_ORDER_LINE.IsDirty.ITEM then cmd.Parameters.Add("z_ITEM", z_ORDER_LINE.ITEM)
        Try
            cmd.ExecuteNonQuery()
        Catch
            If Not cnx Is Nothing Then
                cnx.Close()
            End If
            Throw
        End Try
    End Sub

    Public Shared Sub InsertORDER_LINE(ByVal z_ORDER_LINE as ORDER_LINE)
        Dim cnx As OracleConnection = Get_Connection()
        Dim cmd As New OracleCommand()
        cmd.Connection = Cnx
        cmd.CommandText = "ORDER_LINE_PKG.Insert_Row"
        cmd.CommandType = CommandType.StoredProcedure
        If z_ORDER_LINE.IsDirty.rowid then cmd.Parameters.Add("z_rowid", z_ORDER_LINE.rowid)
        If z_ORDER_LINE.IsDirty.ORDER_ID then cmd.Parameters.Add("z_ORDER_ID", z_ORDER_LINE.ORDER_ID)
        If z_ORDER_LINE.IsDirty.LINE_NO then cmd.Parameters.Add("z_LINE_NO", z_ORDER_LINE.LINE_NO)
        If z_ORDER_LINE.IsDirty.ITEM then cmd.Parameters.Add("z_ITEM", z_ORDER_LINE.ITEM)
        Try
            cmd.ExecuteNonQuery()
        Catch
            If Not cnx Is Nothing Then
                cnx.Close()
            End If
            Throw
        End Try
    End Sub

    Public Shared Sub DelORDER_LINE(ByVal z_ORDER_LINE as ORDER_LINE)
        Dim cnx As OracleConnection = Get_Connection()
        Dim cmd As New OracleCommand()
        cmd.Connection = Cnx
        cmd.CommandText = "ORDER_LINE_PKG.Delete_Row"
        cmd.CommandType = CommandType.StoredProcedure
        If z_ORDER_LINE.IsDirty.rowid then cmd.Parameters.Add("z_rowid", z_ORDER_LINE.rowid)
        Try
            cmd.ExecuteNonQuery()
        Catch
            If Not cnx Is Nothing Then
                cnx.Close()
            End If
            Throw
        End Try
    End Sub

