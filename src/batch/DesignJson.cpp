#include "batch/DesignJson.h"

#include "core/Enumerations.h"
#include "core/PropertyTable.h"
#include "core/TDesign.h"
#include "core/TGGraphicControl.h"

#include <QCryptographicHash>
#include <cmath>

namespace {

// JSON keeps key order as written here, which a QJsonObject would not.
class TJsonWriter
{
public:
    QByteArray Text;

    void String(const QString &text)
    {
        Text += '"';
        for (const char c : text.toUtf8()) {
            switch (c) {
            case '"': Text += "\\\""; break;
            case '\\': Text += "\\\\"; break;
            case '\n': Text += "\\n"; break;
            case '\r': Text += "\\r"; break;
            case '\t': Text += "\\t"; break;
            default:
                if (quint8(c) < 0x20)
                    Text += "\\u00" + QByteArray::number(quint8(c), 16).rightJustified(2, '0');
                else
                    Text += c;
            }
        }
        Text += '"';
    }
    void Key(const QByteArray &key, bool &first)
    {
        if (!first)
            Text += ',';
        first = false;
        String(QString::fromLatin1(key));
        Text += ':';
    }
};

void WriteValue(TJsonWriter &json, const TPropertyInfo &property, const TPropertyValue &value)
{
    switch (property.Type) {
    case TPropertyType::Integer:
    case TPropertyType::Color:
    case TPropertyType::Cursor:
        json.Text += QByteArray::number(std::get<qint64>(value));
        break;
    case TPropertyType::Boolean:
        json.Text += std::get<qint64>(value) ? "true" : "false";
        break;
    case TPropertyType::Enumeration:
        json.String(QString::fromLatin1(property.Enum->NameOf(std::get<qint64>(value))));
        break;
    case TPropertyType::Set: {
        json.Text += '[';
        bool first = true;
        for (int i = 0; i < property.Enum->Count(); ++i)
            if (std::get<qint64>(value) & (qint64(1) << i)) {
                json.Text += first ? "" : ",";
                first = false;
                json.String(QString::fromLatin1(property.Enum->Names[size_t(i)]));
            }
        json.Text += ']';
        break;
    }
    case TPropertyType::Float: {
        const double d = std::get<double>(value);
        json.Text += std::isfinite(d) ? QByteArray::number(d, 'g', 17) : QByteArray("null");
        break;
    }
    case TPropertyType::String:
        json.String(std::get<QString>(value));
        break;
    case TPropertyType::Reference:
        if (std::get<QString>(value).isEmpty())
            json.Text += "null";
        else
            json.String(std::get<QString>(value));
        break;
    case TPropertyType::Lines: {
        json.Text += '[';
        bool first = true;
        for (const QString &line : std::get<QStringList>(value)) {
            json.Text += first ? "" : ",";
            first = false;
            json.String(line);
        }
        json.Text += ']';
        break;
    }
    case TPropertyType::Binary: {
        const QByteArray &bytes = std::get<QByteArray>(value);
        json.Text += "{\"bytes\":" + QByteArray::number(bytes.size()) + ",\"sha256\":\""
            + QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex() + "\"}";
        break;
    }
    case TPropertyType::Nested:
        break;
    }
}

void WriteProperties(TJsonWriter &json, const TPersistent &host, const QByteArray &prefix, bool &first)
{
    for (const TPropertyInfo &property : host.properties().Entries()) {
        if (property.Type == TPropertyType::Nested) {
            WriteProperties(json, property.NestedConst(host), prefix + property.Name + '.', first);
            continue;
        }
        json.Key(prefix + property.Name, first);
        WriteValue(json, property, property.Get(host));
    }
}

} // namespace

QByteArray DesignToJson(const TDesign &design)
{
    TJsonWriter json;
    json.Text += "{\"objects\":[";
    for (int i = 0; i < design.Count(); ++i) {
        const TGGraphicControl &object = *design.At(i);
        json.Text += i ? ",\n" : "\n";
        json.Text += "{\"class\":";
        json.String(QString::fromLatin1(object.ClassName()));
        json.Text += ",\"name\":";
        json.String(object.Name());
        json.Text += ",\"storedName\":";
        json.String(object.StoredName());
        json.Text += ",\"properties\":{";
        bool first = true;
        WriteProperties(json, object, QByteArray(), first);
        json.Text += "}}";
    }
    json.Text += "\n]}\n";
    return json.Text;
}
