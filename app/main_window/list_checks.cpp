#include "app/bag_control/bag_admission.h"
#include "app/bag_control/bag_entry.h"
#include "app/formats/input_error.h"
#include "app/main_window/statement_window.h"

#include <algorithm>

namespace {

const QString sealRefused = QStringLiteral("Пломба не входит в список разрешенных!");
const QString bagRefused = QStringLiteral("Сумка не входит в список разрешенных!");

// With the check on and no list at all, no seal is admitted.
void requireSealInList(const ListSettings& lists, const QString& seal) {
    const QStringList& lines = lists.PlombsValues;
    const bool listed = lists.IsValuesPlombs &&
                        std::any_of(lines.begin(), lines.end(),
                                    [&](const QString& line) { return lineValue(line) == seal; });
    if (!listed) throw PVErrInput(sealRefused);
}

// A list holding its heading line alone admits no bag.
void requireBagInList(const TForm1& form) {
    const ListSettings& lists = form.lists;
    if (!lists.IsControlBags) return;
    if (!lists.IsValuesBags || lists.BagsValues.size() <= 1 || !form.IsValueBagInList()) {
        throw PVErrInput(bagRefused);
    }
}

} // namespace

bool TForm1::IsValueBagInList() const {
    return isBagAdmitted(lists.BagsValues, FNBag.text());
}

bool TForm1::checkListsOnExit(Control& sender) {
    if (&sender == &FPlomba) {
        if (FPlomba.text().isEmpty() || !lists.IsControlPlombs) return false;
        requireSealInList(lists, FPlomba.text());
        return true;
    }
    if (&sender == &FNBag) requireBagInList(*this);
    return false;
}

void TForm1::checkListsOnEnter(Control& sender) {
    // Unlike leaving the field, Enter refuses an empty seal: no list holds it.
    if (&sender == &FPlomba && lists.IsControlPlombs) requireSealInList(lists, FPlomba.text());
    if (&sender == &FNBag) requireBagInList(*this);
}
