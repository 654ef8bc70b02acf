#include "app/main_window/statement_window.h"

#include "app/formats/text_formats.h"
#include "app/main_window/nominal_table.h"
#include "app/reference_data/data_folder.h"

#include <QDir>

namespace {

struct FieldSetUp {
    Control* control;
    const char* label;
    Alignment alignment;
    int maxLength;
    bool editable;
};

// Editable fields are lime and reached by Tab; read-only ones are button face and skipped.
void setUpField(const FieldSetUp& field) {
    Control& control = *field.control;
    control.label = QString::fromUtf8(field.label);
    control.alignment = field.alignment;
    control.maxLength = field.maxLength;
    control.readOnly = !field.editable;
    control.tabStop = field.editable;
    control.colour = field.editable ? clLime : clBtnFace;
}

} // namespace

TForm1::TForm1(MainWindowContext context)
    : Form(context.boxes, QStringLiteral("Препроводительная ведомость к сумке")),
      context(std::move(context)),
      Form3(this->context.boxes, settingsFilePath(this->context.programFolder), lists, *this,
            FPlomba),
      Form2(this->context.boxes, settingsFilePath(this->context.programFolder), lists, *this,
            numberFields()),
      Form4(this->context.boxes, settingsFilePath(this->context.programFolder), lists, *this,
            FNBag) {
    setUpControls();
    setUpHandlers();
    FormCreate();
}

void TForm1::setUpControls() {
    const auto left = Alignment::Left;
    const auto centre = Alignment::Centre;
    const auto right = Alignment::Right;
    const FieldSetUp fields[] = {
        {&FDateCreate, "Дата", centre, 10, true},
        {&FNBag, "Сумка №", centre, 20, true},
        {&NVedPrefix, "", right, 17, false},
        {&NVedName, "Ведомость №", centre, 3, true},
        {&FPlomba, "Пломба №", centre, 20, true},
        {&pinShifr, "От кого", left, 20, false},
        {&pinName, "", left, 0, false},
        {&FAccDt, "Счет дебет", centre, 20, true},
        {&FAccKt, "Счет кредит", centre, 20, true},
        {&cusName, "Получатель", left, 0, false},
        {&Inn, "ИНН", left, 20, false},
        {&Kpp, "КПП", left, 20, false},
        {&Okato, "ОКАТО", left, 20, false},
        {&BankName, "Банк вносителя", left, 0, false},
        {&Bic, "БИК", left, 20, false},
        {&BankNameCus, "Банк получателя", left, 0, false},
        {&BicCus, "БИК", left, 20, false},
        {&AccCus, "Р/счет", left, 20, false},
        {&AccCusBPA, "Счет БПА", left, 20, false},
        {&AccCusPA, "Счет ПА", left, 20, false},
        {&FFIO, "Клиент", centre, 100, true},
        {&sumPV, "", right, 100, false},
        {&SumV, "", centre, 20, true},
        {&SumBPA, "", centre, 20, true},
        {&SumPA, "", centre, 20, true},
    };
    for (const FieldSetUp& field : fields) setUpField(field);
    Kpp.visible = false;
    Okato.visible = false;
    layOutStatementNumber(0, numberFields());

    for (int i = 0; i < denominationRows; ++i) {
        NNominal[i]->colour = clWhite;
        NType[i]->colour = clWhite;
        setUpField({NCount[i], "", right, 26, true});
        setUpField({NSum[i], "", right, 26, true});
    }
    for (int j = 0; j < symbolRows; ++j) {
        setUpField({SSkp[j], "", centre, 0, true});
        setUpField({ZSkp[j], "", centre, 3, true});
        setUpField({SSum[j], "", right, 0, true});
        SSkp[j]->showHint = true;
        ZSkp[j]->showHint = true;
    }

    groupCaption1.setText(QStringLiteral("Вы-\nру-\nчка"));
    groupCaption2.setText(QStringLiteral("Б\nП\nА"));
    groupCaption3.setText(QStringLiteral("П\nА"));
    for (AccountGroup& g : accountGroups()) {
        g.sumCaption.setText(QStringLiteral("Сумма:"));
        g.total.setText(QStringLiteral("0.00"));
    }
    const std::pair<Control*, const char*> buttons[] = {
        {&clearBtn, "Очистить"}, {&printBtn, "Печать"}, {&exitBtn, "Выход"}};
    for (const auto& [button, word] : buttons) {
        button->setText(QString::fromUtf8(word));
        button->hint = button->text();
        button->showHint = true;
    }

    QList<Control*> order{&FNBag, &NVedName, &FPlomba, &FAccDt, &FAccKt};
    for (int i = 0; i < denominationRows; ++i) order << NCount[i] << NSum[i];
    for (int j = 0; j < symbolRows; ++j) order << SSkp[j] << ZSkp[j] << SSum[j];
    order << &FFIO << &clearBtn << &printBtn << &exitBtn << &FDateCreate << &SumV << &SumBPA
          << &SumPA;
    setTabOrder(order);
}

void TForm1::setUpHandlers() {
    const auto enterKey = [this](Control& sender, KeyPress& key) { KeyPressEnter(sender, key); };
    for (Control* field : {&FDateCreate, &FNBag, &NVedName, &FPlomba, &FAccDt, &FAccKt, &FFIO,
                           &SumV, &SumBPA, &SumPA}) {
        field->onKeyPress = enterKey;
    }
    for (int j = 0; j < symbolRows; ++j) {
        for (Control* field : {SSkp[j], ZSkp[j], SSum[j]}) {
            field->onKeyPress = [this](Control& sender, KeyPress& key) {
                SCtrlReturn(sender, key);
                KeyPressEnter(sender, key);
            };
        }
    }
    for (int i = 0; i < denominationRows; ++i) {
        NCount[i]->onKeyPress = [this](Control& sender, KeyPress& key) {
            NCtrlReturn(sender, key);
            NCountKeyPress(sender, key);
        };
        NSum[i]->onKeyPress = [this](Control& sender, KeyPress& key) {
            NCtrlReturn(sender, key);
            NSumKeyPress(sender, key);
        };
    }
    Edit1Exit();
    Edit2Exit();
    Edit3Exit();
    clearBtn.onClick = [this](Control&) { clearBtnClick(); };
    exitBtn.onClick = [this](Control&) { exitBtnClick(); };
    setUpFieldHandlers();
    setUpGridHandlers();
}

void TForm1::FormCreate() {
    lists = readListSettings(IniFile(settingsFilePath(context.programFolder)));
    layOutStatementNumber(lists.NVedCastValue, numberFields());
    PvName = context.programName;
    // A library that does not load is reported only when printing needs it.
    LibraryHandle.load(QDir(context.programFolder).filePath(barcodeLibraryFileName()));
    FDateCreate.setText(todayText());
    for (int i = 0; i < denominationRows; ++i) {
        NNominal[i]->setText(nominalText(NominalTable[i].Value));
        NType[i]->setText(nominalUnit(NominalTable[i].IsCoin));
    }
    tuningLoader().loadStartupTuning(curTuningData);
    for (Control* sum : {&sumPV, &SumV, &SumBPA, &SumPA}) sum->setText(QStringLiteral("0.00"));
    SetValueForNVedName();
    if (context.activateKeyboardLayout) context.activateKeyboardLayout();
}

TuningLoader TForm1::tuningLoader() {
    return TuningLoader(DataFolder(context.programFolder, context.programName), context.defaults,
                        context.boxes, *this);
}

QString TForm1::todayText() const {
    return context.today().toString(QStringLiteral("dd.MM.yyyy"));
}

void TForm1::SetValueForNVedName() {
    keepStatementNumberCurrent(lists.NVedCastValue, numberFields());
}

void TForm1::exitBtnClick() {
    close();
}

void TForm1::ShowPlomb() {
    Form3.GetPlombValue();
    lists.isFirstTime = false;
    Form3.showModal();
}

void TForm1::ShowNVedCast() {
    Form2.GetNVedCast();
    Form2.showModal();
}

// Another program may have changed the list since start-up, so it is read afresh.
void TForm1::ShowBags() {
    readBagList(IniFile(settingsFilePath(context.programFolder)), lists);
    Form4.GetBagsValue();
    Form4.showModal();
}

void TForm1::selectAllOnce(Control& sender) {
    sender.selectAll();
    sender.onClick = nullptr;
}
