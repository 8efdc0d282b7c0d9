#pragma once
// The web addresses and namespace names written into the generated web files, kept in one
// place: the pages' designer target schema, the local web server's root, and the two
// namespaces of a DataSet schema.

#include <QString>

namespace generators::web
{

// Target schema of the page designer for Internet Explorer 5 clients (vs_targetSchema).
inline QString targetSchemaAddress()
{
    return QStringLiteral("http://schemas.microsoft.com/intellisense/ie5");
}

// Root URL of the web server on the local machine, ending in a slash.
inline QString webRoot()
{
    return QStringLiteral("http://localhost/");
}

// Namespace URI of the W3C XML Schema recommendation of 2001.
inline QString xsdNamespace()
{
    return QStringLiteral("http://www.w3.org/2001/XMLSchema");
}

// Namespace name of the DataSet schema annotations.
inline QString msdataNamespace()
{
    return QStringLiteral("urn:schemas-microsoft-com:xml-msdata");
}

} // namespace generators::web
