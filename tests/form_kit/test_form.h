#pragma once

#include "app/form_kit/form.h"
#include "app/form_kit/value_list_editor.h"
#include "tests/support/scripted_message_boxes.h"

// Three edits, a read-only edit and a button in tab order, with a log of the events.
class TestForm : public Form {
public:
    explicit TestForm(MessageBoxes& boxes) : Form(boxes, "Test") {
        readOnlyEdit.readOnly = true;
        setTabOrder({&first, &readOnlyEdit, &second, &third, &button});
        for (Control* control : tabOrder()) {
            control->onEnter = [this](Control& sender) { log << "enter " + sender.name(); };
            control->onExit = [this](Control& sender, Control* gaining) {
                log << "exit " + sender.name() + " to " + (gaining ? gaining->name() : "-");
            };
        }
        button.onClick = [this](Control&) { log << "click"; };
    }

    Control& first = make("first", Control::Kind::Edit);
    Control& readOnlyEdit = make("readOnly", Control::Kind::Edit);
    Control& second = make("second", Control::Kind::Edit);
    Control& third = make("third", Control::Kind::Edit);
    Control& button = make("button", Control::Kind::Button);
    ValueListEditor& list = make<ValueListEditor>("list", "№", "Пломба");
    QStringList log;
};
