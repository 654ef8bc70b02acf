#pragma once

#include <QList>
#include <QString>
#include <memory>
#include <optional>

struct _xmlDoc;
struct _xmlNode;

// An element of a parsed document; valid while its document lives.
class XmlElement {
public:
    explicit XmlElement(_xmlNode* node) : node(node) {}

    // The name as written, prefix included.
    QString name() const;
    // The name with ASCII letters upper-cased, the form element names are compared in.
    QString upperName() const;
    // The value of the attribute of exactly this name as it stands, or the empty text.
    QString attrText(const char* attribute) const;
    // Child elements in document order.
    QList<XmlElement> children() const;

private:
    _xmlNode* node;
};

// A whole XML file in whatever encoding its declaration names. Reading never touches the
// network or another file and expands no entity of a DTD.
class XmlDocument {
public:
    // Nothing when the file cannot be read or parsed, or when its DTD declares entities: a data
    // file has no use for them, and expanding them is how hostile files hang or leak.
    static std::optional<XmlDocument> read(const QString& path);

    XmlElement root() const;

private:
    struct Free {
        void operator()(_xmlDoc* doc) const;
    };

    std::unique_ptr<_xmlDoc, Free> doc;
};
