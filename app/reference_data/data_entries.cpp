#include "app/reference_data/data_entries.h"

#include "app/formats/text_formats.h"

QList<DataEntry> validEntries(const XmlElement& root) {
    QList<DataEntry> entries;
    for (const XmlElement& child : root.children()) {
        if (child.upperName() != u"DATA") continue;
        const std::optional<qint32> code = tryIntValue(child.attrText("KODYPIN"));
        if (!code) continue;
        const bool isDefault = child.attrText("DEFAULT").toUpper() == u"Y";
        entries.append({qint32(entries.size() + 1), *code, child, isDefault});
    }
    return entries;
}
