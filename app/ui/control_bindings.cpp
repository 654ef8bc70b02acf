#include "app/ui/control_bindings.h"

#include "app/ui/form_binder.h"
#include "app/ui/widget_colours.h"

#include <QHeaderView>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <stdexcept>

Qt::Alignment toQtAlignment(Alignment alignment) {
    switch (alignment) {
    case Alignment::Left:
        return Qt::AlignLeft;
    case Alignment::Centre:
        return Qt::AlignHCenter;
    case Alignment::Right:
        return Qt::AlignRight;
    }
    return Qt::AlignLeft;
}

void EditBinding::push() {
    const Control& model = control();
    const QString text = model.text();
    // The limit is for typing; a longer text the program set is shown whole, never cut.
    const int limit = model.maxLength > 0 ? std::max(model.maxLength, int(text.size())) : 32767;
    if (edit.maxLength() != limit) edit.setMaxLength(limit);
    if (edit.text() != text) edit.setText(text);
    edit.setReadOnly(model.readOnly);
    edit.setAlignment(toQtAlignment(model.alignment) | Qt::AlignVCenter);
    const int start = std::clamp(model.selStart, 0, int(text.size()));
    const int length = std::clamp(model.selLength, 0, int(text.size()) - start);
    if (length > 0) {
        if (edit.selectionStart() != start || edit.selectedText().size() != length)
            edit.setSelection(start, length);
    } else if (edit.hasSelectedText() || edit.cursorPosition() != start) {
        edit.setCursorPosition(start);
    }
    setBackground(edit, QPalette::Base, model.colour);
    setForeground(edit, QPalette::Text, model.fontColour);
}

void EditBinding::pull() {
    Control& model = control();
    if (edited) {
        edited = false;
        model.setText(edit.text());
    }
    if (edit.hasSelectedText()) {
        model.selStart = edit.selectionStart();
        model.selLength = int(edit.selectedText().size());
    } else {
        model.selStart = edit.cursorPosition();
        model.selLength = 0;
    }
}

void EditBinding::connectEvents(FormBinder& binder) {
    // The edit is pulled into the model at the start of the event, which fires onChange.
    QObject::connect(&edit, &QLineEdit::textEdited, &edit, [this, &binder] {
        edited = true;
        binder.runEvent({});
    });
}

MemoBinding::MemoBinding(Control& control, QPlainTextEdit& memo)
    : WidgetBinding(control, memo), memo(memo) {
    // The window's memos are a line high: scroll arrows would hide the text they scroll.
    memo.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo.setLineWrapMode(QPlainTextEdit::NoWrap);
    memo.document()->setDocumentMargin(2);
    QObject::connect(&memo, &QPlainTextEdit::textChanged, &memo, [this] { edited = true; });
}

void MemoBinding::push() {
    const Control& model = control();
    if (memo.toPlainText() != model.text()) memo.setPlainText(model.text());
    memo.setReadOnly(model.readOnly);
    edited = false; // the text set just above is the model's own
    setBackground(memo, QPalette::Base, model.colour);
    setForeground(memo, QPalette::Text, model.fontColour);
}

void MemoBinding::pull() {
    if (!edited) return;
    edited = false;
    control().setText(memo.toPlainText());
}

void LabelBinding::push() {
    const Control& model = control();
    if (label.text() != model.text()) label.setText(model.text());
    label.setAlignment(toQtAlignment(model.alignment) | Qt::AlignVCenter);
    // A label shows the colour of what lies under it unless it has one of its own.
    label.setAutoFillBackground(!model.colour.isSystem());
    if (!model.colour.isSystem()) setBackground(label, QPalette::Window, model.colour);
    setForeground(label, QPalette::WindowText, model.fontColour);
}

ButtonBinding::ButtonBinding(Control& control, QPushButton& button)
    : WidgetBinding(control, button), button(button) {
    // Enter presses the focused button, as on the cashier's desktop.
    button.setAutoDefault(true);
}

void ButtonBinding::push() {
    if (button.text() != control().text()) button.setText(control().text());
}

void ButtonBinding::connectEvents(FormBinder& binder) {
    QObject::connect(&button, &QPushButton::clicked, &button,
                     [this, &binder] { binder.click(control()); });
}

void CheckBoxBinding::push() {
    if (box.text() != control().text()) box.setText(control().text());
    if (box.isChecked() != control().checked) box.setChecked(control().checked);
    setForeground(box, QPalette::WindowText, control().fontColour);
}

void CheckBoxBinding::pull() {
    if (!clicked) return;
    clicked = false;
    control().checked = box.isChecked();
}

void CheckBoxBinding::connectEvents(FormBinder& binder) {
    QObject::connect(&box, &QCheckBox::clicked, &box, [this, &binder] {
        clicked = true;
        binder.click(control());
    });
}

FrameBinding::FrameBinding(Control& control, QFrame& frame) : WidgetBinding(control, frame) {
    frame.setFrameShape(QFrame::Box);
    // Drawn over the fields it surrounds, it must not take their clicks.
    frame.setAttribute(Qt::WA_TransparentForMouseEvents);
}

RadioGroupBinding::RadioGroupBinding(ChoiceControl& choice, QGroupBox& box)
    : WidgetBinding(choice, box), choice(choice), box(box) {
    new QVBoxLayout(&box);
}

QWidget& RadioGroupBinding::focusWidget() const {
    if (QAbstractButton* checked = buttons.checkedButton()) return *checked;
    const QList<QAbstractButton*> all = buttons.buttons();
    if (all.isEmpty()) return box;
    return *all.first();
}

void RadioGroupBinding::push() {
    if (box.title() != choice.label) box.setTitle(choice.label);
    QList<QAbstractButton*> shown = buttons.buttons();
    if (shown.size() != choice.items.size()) {
        qDeleteAll(shown);
        for (int i = 0; i < choice.items.size(); ++i) {
            auto* radio = new QRadioButton(&box);
            box.layout()->addWidget(radio);
            buttons.addButton(radio, i);
        }
        shown = buttons.buttons();
    }
    // With no item chosen every button must show unchecked, which an exclusive group forbids.
    buttons.setExclusive(false);
    for (int i = 0; i < shown.size(); ++i) {
        QAbstractButton* radio = buttons.button(i);
        if (radio->text() != choice.items[i]) radio->setText(choice.items[i]);
        radio->setChecked(i == choice.itemIndex);
    }
    buttons.setExclusive(true);
}

void RadioGroupBinding::connectEvents(FormBinder& binder) {
    QObject::connect(&buttons, &QButtonGroup::idClicked, &box, [this, &binder](int index) {
        binder.choose(choice, [this, index] { choice.choose(index); });
    });
}

void ComboBinding::push() {
    QStringList shown;
    for (int i = 0; i < combo.count(); ++i) shown << combo.itemText(i);
    if (shown != choice.items) {
        combo.clear();
        combo.addItems(choice.items);
    }
    if (combo.currentIndex() != choice.itemIndex) combo.setCurrentIndex(choice.itemIndex);
    combo.setPlaceholderText(choice.itemIndex < 0 ? choice.text() : QString());
}

void ComboBinding::connectEvents(FormBinder& binder) {
    QObject::connect(&combo, &QComboBox::activated, &combo, [this, &binder](int index) {
        binder.choose(choice, [this, index] { choice.choose(index); });
    });
}

ValueListBinding::ValueListBinding(ValueListEditor& list, QTableWidget& table)
    : WidgetBinding(list, table), list(list), table(table) {
    table.setColumnCount(2);
    table.setEditTriggers(QAbstractItemView::NoEditTriggers);
    table.setSelectionMode(QAbstractItemView::SingleSelection);
    table.verticalHeader()->hide();
    table.horizontalHeader()->setStretchLastSection(true);
}

void setTableCell(QTableWidget& table, int row, int column, const QString& text) {
    QTableWidgetItem* item = table.item(row, column);
    if (!item) {
        table.setItem(row, column, new QTableWidgetItem(text));
    } else if (item->text() != text) {
        item->setText(text);
    }
}

void setTableHeadings(QTableWidget& table, const QStringList& headings) {
    for (int column = 0; column < headings.size(); ++column) {
        const QTableWidgetItem* item = table.horizontalHeaderItem(column);
        if (!item || item->text() != headings[column]) {
            table.setHorizontalHeaderLabels(headings);
            return;
        }
    }
}

void ValueListBinding::push() {
    setTableHeadings(table, {list.keyTitle, list.valueTitle});
    if (table.rowCount() != list.rowCount()) table.setRowCount(list.rowCount());
    for (int row = 1; row <= list.rowCount(); ++row) {
        setTableCell(table, row - 1, 0, list.key(row));
        setTableCell(table, row - 1, 1, list.value(row));
    }
    if (table.currentRow() != list.currentRow - 1 || table.currentColumn() != 1)
        table.setCurrentCell(list.currentRow - 1, 1);
    setBackground(table, QPalette::Base, list.colour);
}

void ValueListBinding::connectEvents(FormBinder& binder) {
    QObject::connect(&table, &QTableWidget::currentCellChanged, &table, [this, &binder](int row) {
        binder.runEvent([this, row] { list.currentRow = row + 1; });
    });
}

namespace {

template <typename Binding, typename Widget, typename Model>
std::unique_ptr<WidgetBinding> made(Model& model, QWidget& parent) {
    return std::make_unique<Binding>(model, *new Widget(&parent));
}

} // namespace

std::unique_ptr<WidgetBinding> makeDefaultBinding(Control& control, QWidget& parent) {
    switch (control.kind()) {
    case Control::Kind::Edit:
        return made<EditBinding, QLineEdit>(control, parent);
    case Control::Kind::Memo:
        return made<MemoBinding, QPlainTextEdit>(control, parent);
    case Control::Kind::Label:
        return made<LabelBinding, QLabel>(control, parent);
    case Control::Kind::Button:
        return made<ButtonBinding, QPushButton>(control, parent);
    case Control::Kind::CheckBox:
        return made<CheckBoxBinding, QCheckBox>(control, parent);
    case Control::Kind::Frame:
        return made<FrameBinding, QFrame>(control, parent);
    case Control::Kind::RadioGroup:
        if (auto* choice = dynamic_cast<ChoiceControl*>(&control))
            return made<RadioGroupBinding, QGroupBox>(*choice, parent);
        break;
    case Control::Kind::ComboBox:
        if (auto* choice = dynamic_cast<ChoiceControl*>(&control))
            return made<ComboBinding, QComboBox>(*choice, parent);
        break;
    case Control::Kind::ValueList:
        if (auto* list = dynamic_cast<ValueListEditor*>(&control))
            return made<ValueListBinding, QTableWidget>(*list, parent);
        break;
    }
    // A control class of its own needs a binding its window's view gives it.
    throw std::logic_error("no widget for control " + control.name().toStdString());
}
