#include "app/reference_data/tuning_texts.h"

QString noSettingsMessage() {
    return QStringLiteral("Нет настроек пункта инкассации!");
}

QString plainCaption() {
    return QStringLiteral("Препроводительная ведомость");
}

QString tuningItemText(const recTuning& selection) {
    if (selection.iterator == 1) return selection.fileTuning;
    return selection.fileTuning + u'(' + QString::number(selection.iterator) + u')';
}

QString tuningCaption(const recTuning& selection) {
    return plainCaption() + u' ' + tuningItemText(selection);
}
