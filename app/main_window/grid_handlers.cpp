#include "app/main_window/statement_window.h"

void TForm1::setUpGridHandlers() {
    for (int j = 0; j < symbolRows; ++j) {
        SSkp[j]->onExit = [this](Control& sender, Control* gaining) { SSkpExit(sender, gaining); };
        SSum[j]->onExit = [this](Control& sender, Control* gaining) { SSumExit(sender, gaining); };
    }
    for (int i = 0; i < denominationRows; ++i) {
        for (Control* field : {NCount[i], NSum[i]}) {
            field->onEnter = [this](Control& sender) { NCountSumEnter(sender); };
        }
        NCount[i]->onExit = [this](Control& sender, Control* gaining) {
            NCountExit(sender, gaining);
        };
        NSum[i]->onExit = [this](Control& sender, Control* gaining) { NSumExit(sender, gaining); };
    }
}
