#include "app/reference_data/read_data_entry.h"

#include "app/formats/text_formats.h"

namespace {

std::optional<qint32> symbolNumber(const QString& text) {
    const std::optional<qint32> value = tryIntValue(text);
    if (!value || *value < 1 || *value > 999) return std::nullopt;
    return value;
}

// A default symbol as the window shows it: at least two digits, or empty when invalid.
QString symbolText(const QString& text) {
    const std::optional<qint32> value = symbolNumber(text);
    return value ? QStringLiteral("%1").arg(*value, 2, 10, QLatin1Char('0')) : QString();
}

QString orElse(const QString& text, const QString& fallback) {
    return text.isEmpty() ? fallback : text;
}

void readAttributes(const XmlElement& data, recTuningDate& entry) {
    entry.bankName = data.attrText("BANKNAME");
    entry.cusName = data.attrText("CUSFROM");
    entry.pinShifr = data.attrText("YPINSHIFR");
    entry.pinName = data.attrText("YPINNAME");
    entry.tipYbgs = data.attrText("TIPYBGS");
    entry.group = data.attrText("GROUP");
    entry.tipZay = data.attrText("TIPYZAY");
    entry.accDtDef = data.attrText("ACCDT");
    entry.accKtDef = data.attrText("ACCKT");
    entry.BIC = data.attrText("BANKBIC");
    entry.INN = data.attrText("CUSINN");
    entry.Kpp = data.attrText("CUSKPP");
    entry.Okato = data.attrText("CUSOKATO");
    entry.ISYPSK = data.attrText("ISYPSK");
    entry.BankNameCus = orElse(data.attrText("BANKNAMECUS"), entry.bankName);
    entry.BICCus = orElse(data.attrText("RBICCUS"), entry.BIC);
    entry.accCusDef = orElse(data.attrText("ACCCUS"), entry.accKtDef);
    entry.accCusBPADef = data.attrText("ACCCUSBPA");
    entry.accCusPADef = data.attrText("ACCCUSPA");
    entry.isLabel = data.attrText("ISLABEL") != u"N";
}

void readBsdg(const XmlElement& bsdg, recTuningDate& entry) {
    // A BSDG without a usable code lets a later one supply the agreement data.
    const std::optional<qint32> code = tryIntValue(bsdg.attrText("KODBSDG"));
    if (!code) return;
    entry.kodBsdg = QString::number(*code);
    entry.numSubDog = bsdg.attrText("NUMSUBDOG");
    entry.datBeg = bsdg.attrText("DATBEG");
    entry.subKlassName = bsdg.attrText("SUBKLASSNAME");
}

void readChildren(const XmlElement& data, recTuningDate& entry) {
    bool yscuSeen = false;
    for (const XmlElement& child : data.children()) {
        const QString name = child.upperName();
        if (name == u"YSCU") {
            if (yscuSeen) continue;
            yscuSeen = true;
            entry.INN = child.attrText("INN");
            entry.Kpp = child.attrText("KPP");
            entry.Okato = child.attrText("OKATO");
        } else if (name == u"BSDG") {
            if (entry.kodBsdg.isEmpty()) readBsdg(child, entry);
        } else if (name == u"SKP") {
            if (const auto num = symbolNumber(child.attrText("NUM")))
                entry.ASkp.append({*num, child.attrText("NAME")});
        } else if (name == u"SKP1" || name == u"SKP2" || name == u"SKP3") {
            QList<TSkpN>& list = name == u"SKP1"   ? entry.ASkp1
                                 : name == u"SKP2" ? entry.ASkp2
                                                   : entry.ASkp3;
            if (const auto num = symbolNumber(child.attrText("NUM")))
                list.append({*num, child.attrText("NAME"), child.attrText("SIGN")});
        }
    }
}

} // namespace

recTuningDate readDataEntry(qint32 code, const XmlElement& data) {
    recTuningDate entry;
    entry.kodYpin = code;
    readAttributes(data, entry);
    readChildren(data, entry);
    entry.skpDef = symbolText(data.attrText("SKP"));
    entry.skpDef1 = symbolText(data.attrText("SKP1"));
    entry.skpDef2 = symbolText(data.attrText("SKP2"));
    entry.skpDef3 = symbolText(data.attrText("SKP3"));
    entry.skpDef2Z = symbolText(data.attrText("SKP2Z"));
    entry.skpDef3Z = symbolText(data.attrText("SKP3Z"));
    return entry;
}
