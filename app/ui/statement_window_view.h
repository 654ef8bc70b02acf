#pragma once

#include "app/main_window/statement_window.h"
#include "app/reference_data/tuning_dialog.h"
#include "app/ui/form_window.h"

#include <functional>

// The statement window: its layout, main menu and buttons over TForm1.
class StatementWindowView : public FormWindow {
public:
    static constexpr QSize clientSize{790, 559};

    // "Печать" in the menu runs what the print button runs.
    StatementWindowView(TForm1& window, TDlgTuning& tuning);

    // "Справка" (F1) runs `help`; the item is disabled until it is given.
    void setHelpCommand(std::function<void()> help);

private:
    void layOutHeader();
    void layOutDenominations();
    void layOutSymbols();
    void layOutButtons();
    void makeMenu(TDlgTuning& tuning);
    // Captions and frames of the view alone; the model knows nothing of them.
    void addPanel(const QRect& place);
    void addCaption(const QString& text, const QRect& place,
                    Qt::Alignment alignment = Qt::AlignCenter);

    TForm1& statement;
    std::function<void()> helpCommand;
    QAction* helpItem = nullptr;
};
