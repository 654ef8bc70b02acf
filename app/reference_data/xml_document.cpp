#include "app/reference_data/xml_document.h"

#include <QFile>
#include <libxml/parser.h>
#include <libxml/tree.h>

namespace {

// Reference data files are a few kilobytes; anything far larger is not one.
constexpr qint64 maxFileSize = 16 * 1024 * 1024;

QString fromXmlText(const xmlChar* text) {
    return QString::fromUtf8(reinterpret_cast<const char*>(text));
}

bool declaresEntities(const xmlDoc* doc) {
    const xmlDtd* dtd = doc->intSubset;
    return dtd && (dtd->entities || dtd->pentities);
}

} // namespace

QString XmlElement::name() const {
    const QString local = fromXmlText(node->name);
    if (node->ns && node->ns->prefix) return fromXmlText(node->ns->prefix) + u':' + local;
    return local;
}

QString XmlElement::upperName() const {
    QString upper = name();
    for (QChar& c : upper) {
        if (c >= u'a' && c <= u'z') c = QChar(c.unicode() - u'a' + u'A');
    }
    return upper;
}

QString XmlElement::attrText(const char* attribute) const {
    xmlChar* value = xmlGetNoNsProp(node, reinterpret_cast<const xmlChar*>(attribute));
    const QString text = fromXmlText(value);
    xmlFree(value);
    return text;
}

QList<XmlElement> XmlElement::children() const {
    QList<XmlElement> elements;
    for (xmlNode* child = node->children; child; child = child->next) {
        if (child->type == XML_ELEMENT_NODE) elements.append(XmlElement(child));
    }
    return elements;
}

std::optional<XmlDocument> XmlDocument::read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    // Bounded, as a device file has no size and may never end.
    const QByteArray content = file.read(maxFileSize + 1);
    file.close();
    if (content.size() > maxFileSize) return std::nullopt;

    // Without XML_PARSE_NOENT and XML_PARSE_DTDLOAD no entity is substituted and no external
    // subset is fetched; no base address leaves relative references nothing to resolve against.
    constexpr int options = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;
    XmlDocument document;
    document.doc.reset(xmlReadMemory(content.constData(), static_cast<int>(content.size()), nullptr,
                                     nullptr, options));
    if (!document.doc || !xmlDocGetRootElement(document.doc.get()) ||
        declaresEntities(document.doc.get()))
        return std::nullopt;
    return document;
}

XmlElement XmlDocument::root() const {
    return XmlElement(xmlDocGetRootElement(doc.get()));
}

void XmlDocument::Free::operator()(_xmlDoc* doc) const {
    xmlFreeDoc(doc);
}
