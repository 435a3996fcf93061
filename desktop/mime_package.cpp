// Reading and writing shared-mime-info packages with Qt's XML stream classes.
#include "desktop/mime_package.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include "desktop/text_file.h"

namespace ninefold {

namespace {

const QString kNamespace = QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info");

void readTypeChildren(QXmlStreamReader& xml, MimeTypeDeclaration& declaration) {
    while (xml.readNextStartElement()) {
        const QXmlStreamAttributes attributes = xml.attributes();
        if (xml.name() == QLatin1String("comment") &&
            !attributes.hasAttribute(QLatin1String("xml:lang"))) {
            declaration.comment = xml.readElementText();
        } else if (xml.name() == QLatin1String("glob")) {
            MimeGlob glob{attributes.value(QLatin1String("pattern")).toString(), 50};
            bool ok = false;
            const int weight = attributes.value(QLatin1String("weight")).toInt(&ok);
            if (ok) {
                glob.weight = weight;
            }
            declaration.globs.push_back(glob);
            xml.skipCurrentElement();
        } else {
            xml.skipCurrentElement();
        }
    }
}

}  // namespace

std::vector<MimeTypeDeclaration> ReadMimePackage(const QString& path) {
    const std::optional<QString> text = ReadTextFile(path);
    if (!text) {
        return {};
    }
    QXmlStreamReader xml(*text);
    std::vector<MimeTypeDeclaration> declarations;
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("mime-info")) {
        return {};
    }
    while (xml.readNextStartElement()) {
        if (xml.name() != QLatin1String("mime-type")) {
            xml.skipCurrentElement();
            continue;
        }
        MimeTypeDeclaration declaration;
        declaration.type = xml.attributes().value(QLatin1String("type")).toString();
        readTypeChildren(xml, declaration);
        declarations.push_back(declaration);
    }
    if (xml.hasError()) {
        return {};
    }
    return declarations;
}

QString MimePackageText(const MimeTypeDeclaration& declaration) {
    QString text;
    QXmlStreamWriter xml(&text);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(2);
    xml.writeStartDocument();
    xml.writeStartElement(u"mime-info"_qs);
    xml.writeDefaultNamespace(kNamespace);
    xml.writeStartElement(u"mime-type"_qs);
    xml.writeAttribute(u"type"_qs, declaration.type);
    if (declaration.comment) {
        xml.writeTextElement(u"comment"_qs, *declaration.comment);
    }
    for (const MimeGlob& glob : declaration.globs) {
        xml.writeEmptyElement(u"glob"_qs);
        xml.writeAttribute(u"pattern"_qs, glob.pattern);
        if (glob.weight != 50) {
            xml.writeAttribute(u"weight"_qs, QString::number(glob.weight));
        }
    }
    xml.writeEndDocument();
    return text;
}

bool WriteMimePackage(const QString& path, const MimeTypeDeclaration& declaration) {
    return WriteTextFile(path, MimePackageText(declaration));
}

}  // namespace ninefold
