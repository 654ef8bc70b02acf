#pragma once

#include "app/form_kit/choice_control.h"
#include "app/form_kit/value_list_editor.h"
#include "app/ui/widget_binding.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <memory>

Qt::Alignment toQtAlignment(Alignment alignment);

class EditBinding : public WidgetBinding {
public:
    EditBinding(Control& control, QLineEdit& edit) : WidgetBinding(control, edit), edit(edit) {}
    void push() override;
    void pull() override;
    void connectEvents(FormBinder& binder) override;

private:
    QLineEdit& edit;
    bool edited = false;
};

class MemoBinding : public WidgetBinding {
public:
    MemoBinding(Control& control, QPlainTextEdit& memo);
    void push() override;
    void pull() override;

private:
    QPlainTextEdit& memo;
    bool edited = false;
};

class LabelBinding : public WidgetBinding {
public:
    LabelBinding(Control& control, QLabel& label) : WidgetBinding(control, label), label(label) {}
    void push() override;

private:
    QLabel& label;
};

class ButtonBinding : public WidgetBinding {
public:
    ButtonBinding(Control& control, QPushButton& button);
    void push() override;
    void connectEvents(FormBinder& binder) override;

private:
    QPushButton& button;
};

class CheckBoxBinding : public WidgetBinding {
public:
    CheckBoxBinding(Control& control, QCheckBox& box) : WidgetBinding(control, box), box(box) {}
    void push() override;
    void pull() override;
    void connectEvents(FormBinder& binder) override;

private:
    QCheckBox& box;
    bool clicked = false;
};

// A frame drawn round a group of controls; it only shows and hides.
class FrameBinding : public WidgetBinding {
public:
    FrameBinding(Control& control, QFrame& frame);
    void push() override {}
};

// A titled group of radio buttons, one per item.
class RadioGroupBinding : public WidgetBinding {
public:
    RadioGroupBinding(ChoiceControl& choice, QGroupBox& box);
    QWidget& focusWidget() const override;
    bool showsOwnLabel() const override { return true; }
    void push() override;
    void connectEvents(FormBinder& binder) override;

private:
    ChoiceControl& choice;
    QGroupBox& box;
    QButtonGroup buttons;
};

// A drop-down list; a text outside the items shows while no item is chosen.
class ComboBinding : public WidgetBinding {
public:
    ComboBinding(ChoiceControl& choice, QComboBox& combo)
        : WidgetBinding(choice, combo), choice(choice), combo(combo) {}
    void push() override;
    void connectEvents(FormBinder& binder) override;

private:
    ChoiceControl& choice;
    QComboBox& combo;
};

// Key and value columns under their titles; the current row's value is what typing changes.
class ValueListBinding : public WidgetBinding {
public:
    ValueListBinding(ValueListEditor& list, QTableWidget& table);
    void push() override;
    void connectEvents(FormBinder& binder) override;
    bool typesThroughModel() const override { return true; }

private:
    ValueListEditor& list;
    QTableWidget& table;
};

// Shows a table's cells and headings, writing only what changed.
void setTableCell(QTableWidget& table, int row, int column, const QString& text);
void setTableHeadings(QTableWidget& table, const QStringList& headings);

// The widget a control of the form kit shows as by default, made on `parent`.
std::unique_ptr<WidgetBinding> makeDefaultBinding(Control& control, QWidget& parent);
