#include "app/ui/bag_dialog_view.h"

#include "app/ui/form_layout.h"
#include "app/ui/string_grid_binding.h"

#include <QCursor>
#include <QLabel>
#include <QToolTip>

namespace {

constexpr int cellsLeft = 110;
constexpr int cellStep = 26;
constexpr int cellWidth = 24;
constexpr int firstCellsTop = 276;
constexpr int lastCellsTop = 312;

} // namespace

BagDialogView::BagDialogView(TForm4& dialog, QWidget* owner)
    : FormWindow(dialog, QSize(770, 444), owner), dialog(dialog) {
    place(dialog.CheckBox1, 12, 8, 200, 22);
    place(dialog.StringGrid1, 12, 36, 746, 190);
    binder().bind(
        std::make_unique<StringGridBinding>(dialog.StringGrid1, *new QTableWidget(&client())));
    layOutFooter();
    place(dialog.Button1, 12, 406, 110, 28);
    place(dialog.Button2, 128, 406, 96, 28);
    place(dialog.Button3, 230, 406, 96, 28);
    place(dialog.BtnOKnew, 452, 406, 100, 28);
    place(dialog.Button4, 558, 406, 100, 28);
    place(dialog.exitBtn, 718, 406, 40, 28);
    binder().placeLabelBeside(dialog.PnlSb);
    binder().placeLabelBeside(dialog.PnlSl);
    binder().bindRemaining();
    setButtonIcon(dialog.exitBtn, QStyle::SP_DialogCloseButton);
    binder().afterEvent = [this] { pointAtControl(); };
}

void BagDialogView::layOutFooter() {
    auto* title = new QLabel(QStringLiteral("Позищия символа"), &client());
    title->setGeometry(cellsLeft, 234, 20 * cellStep, 18);
    title->setAlignment(Qt::AlignCenter);
    for (int i = 0; i < TForm4::cellCount; ++i) {
        const int left = cellsLeft + i * cellStep;
        auto* number = new QLabel(QString::number(i + 1), &client());
        number->setGeometry(left, 254, cellWidth, 18);
        number->setAlignment(Qt::AlignCenter);
        place(*dialog.aSb[i], left, firstCellsTop, cellWidth, 22);
        place(*dialog.aSl[i], left, lastCellsTop, cellWidth, 22);
    }
    const int panelWidth = 20 * cellStep + 6;
    place(dialog.PnlSb, cellsLeft - 4, firstCellsTop - 4, panelWidth, 30);
    place(dialog.PnlSl, cellsLeft - 4, lastCellsTop - 4, panelWidth, 30);
    place(dialog.KolvoBags, cellsLeft, 368, 110, 22);
    place(dialog.ComboBox1, 290, 368, 160, 24);
}

void BagDialogView::pointAtControl() {
    Control* pointed = dialog.pointedControl;
    dialog.pointedControl = nullptr;
    QWidget* widget = pointed ? binder().widgetOf(*pointed) : nullptr;
    if (!widget) return;
    const QPoint spot = widget->mapToGlobal(QPoint(1 + 20, 1 + 10));
    QCursor::setPos(spot);
    QToolTip::showText(spot, pointed->hint, widget);
}
