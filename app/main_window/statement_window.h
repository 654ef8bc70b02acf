#pragma once

#include "app/bag_control/bag_control_dialog.h"
#include "app/control_lists/seal_control_dialog.h"
#include "app/control_lists/settings_file.h"
#include "app/control_lists/statement_number_dialog.h"
#include "app/control_lists/statement_number_fields.h"
#include "app/form_kit/form.h"
#include "app/main_window/main_window_context.h"
#include "app/platform/library_loader.h"
#include "app/reference_data/tuning_loader.h"
#include "app/reference_data/tuning_records.h"
#include "app/reference_data/tuning_window.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <array>

// The statement window: the statement's fields, the reference data of the collection point in
// use, the settings of the control lists, and the handlers that keep them consistent.
class TForm1 : public Form, public TuningWindow {
    // First, so the dialogs below can take what it holds.
    MainWindowContext context;

public:
    static constexpr int denominationRows = 15;
    static constexpr int symbolRows = 9;

    // Runs FormCreate.
    explicit TForm1(MainWindowContext context);

    // Statement header and reference fields.
    Control& FDateCreate = make("FDateCreate", Control::Kind::Edit);
    Control& FNBag = make("FNBag", Control::Kind::Edit);
    Control& NVedPrefix = make("NVedPrefix", Control::Kind::Edit);
    Control& NVedName = make("NVedName", Control::Kind::Edit);
    Control& FPlomba = make("FPlomba", Control::Kind::Edit);
    Control& pinShifr = make("pinShifr", Control::Kind::Edit);
    Control& pinName = make("pinName", Control::Kind::Memo);
    Control& FAccDt = make("FAccDt", Control::Kind::Edit);
    Control& FAccKt = make("FAccKt", Control::Kind::Edit);
    Control& cusName = make("cusName", Control::Kind::Memo);
    Control& Inn = make("Inn", Control::Kind::Edit);
    Control& Kpp = make("Kpp", Control::Kind::Edit);
    Control& Okato = make("Okato", Control::Kind::Edit);
    Control& BankName = make("BankName", Control::Kind::Memo);
    Control& Bic = make("Bic", Control::Kind::Edit);
    Control& BankNameCus = make("BankNameCus", Control::Kind::Memo);
    Control& BicCus = make("BicCus", Control::Kind::Edit);
    Control& AccCus = make("AccCus", Control::Kind::Edit);
    Control& AccCusBPA = make("AccCusBPA", Control::Kind::Edit);
    Control& AccCusPA = make("AccCusPA", Control::Kind::Edit);
    Control& FFIO = make("FFIO", Control::Kind::Edit);
    Control& sumPV = make("sumPV", Control::Kind::Edit);

    // Denomination grid, row i from the top (NNominal07 is NNominal[7]).
    std::array<Control*, denominationRows> NNominal =
        makeRow<denominationRows>("NNominal", Control::Kind::Label);
    std::array<Control*, denominationRows> NType =
        makeRow<denominationRows>("NType", Control::Kind::Label);
    std::array<Control*, denominationRows> NCount =
        makeRow<denominationRows>("NCount", Control::Kind::Edit);
    std::array<Control*, denominationRows> NSum =
        makeRow<denominationRows>("NSum", Control::Kind::Edit);

    // Cash-plan symbol grid: rows 0-2 revenue, 3-5 БПА, 6-8 ПА.
    std::array<Control*, symbolRows> SSkp = makeRow<symbolRows>("SSkp", Control::Kind::Edit);
    std::array<Control*, symbolRows> ZSkp = makeRow<symbolRows>("ZSkp", Control::Kind::Edit);
    std::array<Control*, symbolRows> SSum = makeRow<symbolRows>("SSum", Control::Kind::Edit);

    // Account groups: declared amount, caption, "Сумма:" caption, total, frame.
    Control& SumV = make("SumV", Control::Kind::Edit);
    Control& SumBPA = make("SumBPA", Control::Kind::Edit);
    Control& SumPA = make("SumPA", Control::Kind::Edit);
    Control& groupCaption1 = make("groupCaption1", Control::Kind::Label);
    Control& groupCaption2 = make("groupCaption2", Control::Kind::Label);
    Control& groupCaption3 = make("groupCaption3", Control::Kind::Label);
    Control& Label9 = make("Label9", Control::Kind::Label);
    Control& Label13 = make("Label13", Control::Kind::Label);
    Control& Label14 = make("Label14", Control::Kind::Label);
    Control& Label15 = make("Label15", Control::Kind::Label);
    Control& Label16 = make("Label16", Control::Kind::Label);
    Control& Label17 = make("Label17", Control::Kind::Label);
    Control& groupFrame1 = make("groupFrame1", Control::Kind::Frame);
    Control& groupFrame2 = make("groupFrame2", Control::Kind::Frame);
    Control& groupFrame3 = make("groupFrame3", Control::Kind::Frame);

    Control& clearBtn = make("clearBtn", Control::Kind::Button);
    Control& printBtn = make("printBtn", Control::Kind::Button);
    Control& exitBtn = make("exitBtn", Control::Kind::Button);

    // Reference data of the collection point in use.
    QString kodYpin, tipYbgs, group, tipZay, skpDef, accDtDef, accKtDef, accCusDef, AccCusBPADef,
        AccCusPADef, skpDef1, skpDef2, skpDef3, skpDef2Z, SkpDef3Z, ISYPSK, kodBsdg, numSubDog,
        datBeg, subKlassName;
    bool isLabel = false;
    QList<TSkp> AllowASkp;
    QList<TSkpN> AllowASkp1, AllowASkp2, AllowASkp3, AllowASkp123;
    recTuning curTuningData;

    // Settings of the control lists (korvane_tune.ini).
    ListSettings lists;

    QString PvName;
    // Working arrays of the denomination breakdown.
    std::array<qint64, denominationRows> avRest{};
    std::array<std::array<qint64, denominationRows>, 3> aNBreakDown{};
    // The barcode library; not loaded when loading failed at start. Unloaded with the window.
    LibraryLoader LibraryHandle;

    // Dialogs.
    TForm3 Form3;
    TForm2 Form2;
    TForm4 Form4;

    // TuningWindow.
    void applyTuningData(const recTuningDate& data) override;
    void applyRegistryDefaults(const RegistryDefaults& defaults) override;
    void setCaption(const QString& text) override { caption = text; }
    void clearStatement() override { clearBtnClick(); }

    // Loads reference data entries of the program's folder into this window.
    TuningLoader tuningLoader();

    // Single-symbol or account mode, from skpDef and the group defaults.
    void setWindowModes();
    void SetValueForNVedName();
    const QString& getPvName() const { return PvName; }

    void exitBtnClick();
    void clearBtnClick();
    void ShowPlomb();
    void ShowNVedCast();
    void ShowBags();

    void NCountKeyPress(Control& sender, KeyPress& key);
    void NSumKeyPress(Control& sender, KeyPress& key);
    void KeyPressEnter(Control& sender, KeyPress& key);
    void NCtrlReturn(Control& sender, KeyPress& key);
    void SCtrlReturn(Control& sender, KeyPress& key);

    // Select-on-first-click of SumV, SumBPA, SumPA: the click handler selects all and detaches
    // itself; leaving the field attaches it again.
    void Edit1Click(Control& sender) { selectAllOnce(sender); }
    void Edit2Click(Control& sender) { selectAllOnce(sender); }
    void Edit3Click(Control& sender) { selectAllOnce(sender); }
    void Edit1Exit() {
        SumV.onClick = [this](Control& sender) { Edit1Click(sender); };
    }
    void Edit2Exit() {
        SumBPA.onClick = [this](Control& sender) { Edit2Click(sender); };
    }
    void Edit3Exit() {
        SumPA.onClick = [this](Control& sender) { Edit3Click(sender); };
    }

    // Entering and leaving the header fields, the declared amounts and the secondary symbols:
    // focus colours, pre-fill of empty groups, the seal and bag lists, the date, the copy of the
    // credit account. FieldExit leaves its input errors to the event loop's error box.
    void FieldEnter(Control& sender);
    void FieldExit(Control& sender);
    void FDateCreateExit(Control& sender, Control* gaining);
    void FAccKtChange(Control& sender);
    bool IsValueBagInList() const;
    // The seal and bag checks of leaving a field; true when an admitted seal ends FieldExit.
    bool checkListsOnExit(Control& sender);
    // The seal and bag checks of the Enter key, before the focus moves on.
    void checkListsOnEnter(Control& sender);
    // Steps of the symbol grid that FieldExit runs in this order after the list checks.
    void checkAccountAmounts();
    void setSumsPv(int NAccountPv);
    void checkSecondarySymbol(Control& sender);

    // The symbol grid, the denomination grid and the barcode message. Called directly, the exit
    // handlers have no control gaining the focus.
    void SSkpExit(Control& sender, Control* gaining = nullptr);
    void SSumExit(Control& sender, Control* gaining = nullptr);
    void getSourceInput(QString& text) const;
    void getSourceInputPv(int NAccountPv, QString& text) const;
    void NCountSumEnter(Control& sender);
    void NCountExit(Control& sender, Control* gaining);
    void NSumExit(Control& sender, Control* gaining);
    // NKind 1: the count was left, 3: the sum.
    void calcNRow(int NKind, int NRow, Control* gaining);
    void init_avRest();
    void init_aNBreakdown();
    bool getNNominalFromSum(int NAccount, qint64 vSum, bool isRestCount);
    bool PVBreakdown(bool isPrint);
    // An incomplete statement is warned about and leaves text empty; a document sum that differs
    // from the symbol rows is thrown to the caller.
    void getBarcodeText(QString& text);
    // The moment a barcode message is composed.
    std::function<QDateTime()> clock = [] { return QDateTime::currentDateTime(); };

private:
    struct AccountGroup {
        Control& caption;
        Control& declared;
        Control& sumCaption;
        Control& total;
        Control& frame;
        const QString& skpDefault;
        int firstRow;
    };

    // Controls named by kind and two-digit row: "NCount07".
    template <int N> std::array<Control*, N> makeRow(const char* prefix, Control::Kind kind) {
        std::array<Control*, N> row{};
        for (int i = 0; i < N; ++i) {
            row[i] =
                &make(QString::fromLatin1(prefix) + QStringLiteral("%1").arg(i, 2, 10, u'0'), kind);
            row[i]->row = i;
        }
        return row;
    }

    void setUpControls();
    void setUpHandlers();
    void setUpFieldHandlers();
    // Helpers of the symbol grid, the denomination grid and the barcode message.
    void setUpGridHandlers();
    bool goesToClearOrExit(const Control* gaining) const {
        return gaining == &clearBtn || gaining == &exitBtn;
    }
    void checkSymbol(Control& field);
    void checkAccountSymbol(Control& field, const QString& text);
    void checkSymbolAmount(Control& field);
    int repeatLimit() const;
    QList<qint32> listedSecondaryCodes() const;
    qint64 symbolAmountsTotal() const;
    qint64 documentSum() const;
    void markDocumentSum(bool matches);
    void refreshGroupTotal(int group);
    void recalculateRow(bool countLeft, int row);
    void pushDocumentSum(int targetRow);
    qint64 countInRow(int row) const;
    void refreshBreakdown();
    QString barcodeMessage(qint64& symbolTotal);
    void FormCreate();
    std::array<AccountGroup, 3> accountGroups();
    StatementNumberFields numberFields() { return {NVedName, NVedPrefix, FNBag, pinShifr}; }
    QString todayText() const;
    void selectAllOnce(Control& sender);
    void enterFocusFrom(Control& sender, int steps);
};
