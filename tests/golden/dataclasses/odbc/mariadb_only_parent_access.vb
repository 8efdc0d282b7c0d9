
End Class
End NameSpace
