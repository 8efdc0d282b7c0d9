End NameSpace
