#include "generators/dataclasses/web_config_writer.h"

#include "generators/common/module_file.h"
#include "generators/dataclasses/net_type.h"

namespace generators::dataclasses
{

namespace
{

// <prefix> and <cnxstr> arrive escaped for XML; every other angle bracket is XML text,
// written <lt> where the element name would read as a placeholder.
const LineTable kWebConfig{u"web config", {u"prefix", u"cnxstr"}, {}, uR"(
<?xml version=<dq>1.0<dq> encoding=<dq>utf-8<dq> ?>
<lt>configuration>
<appSettings>
  <add key=<dq><prefix>cnxstr<dq> value=<dq><cnxstr><dq> />
</appSettings>
  <system.web>
    <compilation defaultLanguage=<dq>vb<dq> debug=<dq>true<dq> />
    <customErrors mode=<dq>RemoteOnly<dq> />
    <authentication mode=<dq>Windows<dq> />
    <lt>authorization>
        <allow users=<dq>*<dq> />
    </authorization>
    <trace enabled=<dq>false<dq> requestLimit=<dq>10<dq> pageOutput=<dq>false<dq> traceMode=<dq>SortByTime<dq> localOnly=<dq>true<dq> />
    <sessionState mode=<dq>InProc<dq> cookieless=<dq>false<dq> timeout=<dq>20<dq> />
    <globalization requestEncoding=<dq>utf-8<dq> responseEncoding=<dq>utf-8<dq> />
  </system.web>
</configuration>
)"};

} // namespace

QString xmlAttributeValue(const QString& text)
{
    // &, <, > and " by their names (the names are ASCII), then every character beyond
    // ASCII by its number.
    const QString named = text.toHtmlEscaped();
    QString out;
    out.reserve(named.size());
    for (qsizetype i = 0; i < named.size(); ++i) {
        const QChar c = named.at(i);
        if (c.unicode() < 0x80) {
            out += c;
            continue;
        }
        char32_t code = c.unicode();
        if (c.isHighSurrogate() && i + 1 < named.size() && named.at(i + 1).isLowSurrogate()) {
            code = QChar::surrogateToUcs4(c, named.at(i + 1));
            ++i;
        } else if (c.isSurrogate()) {
            code = QChar::ReplacementCharacter; // a lone half of a pair names no character
        }
        out += QStringLiteral("&#%1;").arg(uint(code));
    }
    return out;
}

void writeWebConfig(RunContext& ctx)
{
    const QString folder = ctx.solutionVisible() ? ctx.in.ppg : ctx.in.pn;
    ModuleFile file(ctx, kNoPreview);
    file.open(folder + QStringLiteral("Web.config"), platform::OpenMode::Output);
    writeLineTable(file, kWebConfig,
                   {{QStringLiteral("prefix"), xmlAttributeValue(ctx.in.dbn)},
                    {QStringLiteral("cnxstr"), xmlAttributeValue(ctx.in.cnxstr)}});
    file.close();
}

QList<const LineTable*> webConfigLineTables()
{
    return {&kWebConfig};
}

} // namespace generators::dataclasses
