#include "app/main_window/statement_window.h"
#include "app/platform/defaults_store.h"
#include "app/platform/keyboard_layout.h"
#include "app/platform/program_location.h"
#include "app/printing/lumetra_library.h"
#include "app/printing/print_run.h"
#include "app/printing/statement_window_source.h"
#include "app/reference_data/tuning_dialog.h"
#include "app/ui/bag_dialog_view.h"
#include "app/ui/qt_message_boxes.h"
#include "app/ui/report_preview.h"
#include "app/ui/seal_dialog_view.h"
#include "app/ui/statement_number_dialog_view.h"
#include "app/ui/statement_window_view.h"
#include "app/ui/tuning_dialog_view.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The application's title, which the general error box carries. Not the display name: the
    // desktop would append that to every window caption, which already names the program.
    QApplication::setApplicationName(QStringLiteral("Препроводительная ведомость"));

    QtMessageBoxes boxes;
    const std::unique_ptr<DefaultsStore> defaults = systemDefaultsStore();
    // The statement window is created first: its creation reads the settings and the reference
    // data before any dialog exists.
    TForm1 window(MainWindowContext{boxes, *defaults, programFolder(), programName(),
                                    [] { return QDate::currentDate(); },
                                    activateRussianKeyboardLayout});
    TDlgTuning tuning(boxes, window.tuningLoader(), window);

    StatementWindowView windowView(window, tuning);
    boxes.setOwner(&windowView);
    TuningDialogView tuningView(tuning, &windowView);
    SealDialogView sealView(window.Form3, &windowView);
    StatementNumberDialogView numberView(window.Form2, &windowView);
    BagDialogView bagView(window.Form4, &windowView);

    StatementWindowSource source(window);
    LumetraLibrary library(window.LibraryHandle);
    ReportDocument report;
    QtReportPreview preview(boxes, &windowView);
    PrintRun printRun(source, library, boxes, report, preview);
    window.printBtn.onClick = [&printRun](Control&) { printRun.printBtnClick(); };
    windowView.setHelpCommand([&] { printRun.helpBtnClick(window.getPvName()); });

    window.showModal();
    return 0;
}
