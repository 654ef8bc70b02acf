#include "app/bag_control/bag_control_dialog.h"

#include "app/form_kit/colour.h"

namespace {

const DigitRun wholeNumber{1, TForm4::cellCount};

} // namespace

TForm4::TForm4(MessageBoxes& boxes, QString settingsPath, ListSettings& settings, Form& mainWindow,
               Control& FNBag)
    : Form(boxes, QStringLiteral("Контроль сумок")), settingsPath(std::move(settingsPath)),
      settings(settings), mainWindow(mainWindow), FNBag(FNBag) {
    CheckBox1.setText(QStringLiteral("Контроль сумок"));
    StringGrid1.columnWidths = {64, 233, 232, 115, 75};
    PnlSb.label = QStringLiteral("Шифр сумки");
    PnlSl.label = QStringLiteral("Последний");
    KolvoBags.label = QStringLiteral("Количество сумок");
    KolvoBags.alignment = Alignment::Centre;
    KolvoBags.maxLength = 5;
    ComboBox1.label = QStringLiteral("Левая позиция инкремента");
    Button1.setText(QStringLiteral("Редактировать"));
    Button2.setText(QStringLiteral("Добавить"));
    Button3.setText(QStringLiteral("Удалить"));
    BtnOKnew.setText(QStringLiteral("Сохранить"));
    Button4.setText(QStringLiteral("Отменить"));
    Button4.hint = QStringLiteral("Не сохранять изменения");
    exitBtn.hint = QStringLiteral("Выход");
    for (Control* button : {&BtnOKnew, &Button4, &exitBtn}) button->showHint = true;
    createCells(aSb, QStringLiteral("sb"));
    createCells(aSl, QStringLiteral("sl"));
    resetGrid();
    CloseEditFooters();

    QList<Control*> order{&CheckBox1, &StringGrid1};
    order.append(QList<Control*>(aSb.begin(), aSb.end()));
    order.append(QList<Control*>(aSl.begin(), aSl.end()));
    order.append(
        {&KolvoBags, &ComboBox1, &Button1, &Button2, &Button3, &BtnOKnew, &Button4, &exitBtn});
    setTabOrder(order);

    StringGrid1.onSelectCell = [this](int row) { StringGrid1SelectCell(row); };
    KolvoBags.onKeyPress = [this](Control&, KeyPress& key) { KolvoBagsOnKeyPress(key); };
    KolvoBags.onExit = [this](Control&, Control* gaining) { KolvoBagsOnExit(gaining); };
    ComboBox1.onChange = [this](Control&) { ForOnChangeComboBox1(); };
    Button1.onClick = [this](Control&) { ForOnClickEdit(); };
    Button2.onClick = [this](Control&) { ForOnClickAdd(); };
    Button3.onClick = [this](Control&) { ForOnClickDelete(); };
    BtnOKnew.onClick = [this](Control&) { OkBtnClick(); };
    Button4.onClick = [this](Control&) { OnClickCancelEditBags(); };
    exitBtn.onClick = [this](Control&) { exitBtnClick(); };
    onCloseQuery = [this] { return FormCloseQuery(); };
}

void TForm4::createCells(Cells& cells, const QString& prefix) {
    const bool firstNumber = prefix == QStringLiteral("sb");
    for (int i = 0; i < cellCount; ++i) {
        Control& cell = make(prefix + QStringLiteral("%1").arg(i + 1, 2, 10, QLatin1Char('0')),
                             Control::Kind::Edit);
        cell.alignment = Alignment::Centre;
        cell.maxLength = 1;
        cell.onEnter = [this](Control& sender) { ForOnEnterS_NN(sender); };
        cell.onKeyPress = [this](Control& sender, KeyPress& key) {
            ForOnKeyPressEdit(sender, key);
        };
        if (firstNumber) {
            cell.onExit = [this](Control& sender, Control* gaining) {
                if (&sender == aSb[0]) ForOnExitS_NN(gaining);
                ForOnExitPnlSb(gaining);
            };
        }
        cells[i] = &cell;
    }
}

void TForm4::GetBagsValue() {
    isNotPressEnterOnSbNN = true;
    if (settings.IsControlBags) CheckBox1.checked = true;
    if (!settings.IsValuesBags) {
        StringGrid1_SetHeading();
        IniFile file(settingsPath);
        if (!file.writeString(tune::valuesBags, bagHeadingKey, Bags_SetIniValue(0))) {
            reportSettingsNotSaved(messageBoxes(), file);
        }
        settings.BagsValues = file.sectionLines(tune::valuesBags);
        return;
    }
    // A list from an earlier installation may lack the heading line; then every line is an
    // entry and the usual headings stand above them.
    const QStringList& lines = settings.BagsValues;
    const bool hasHeading = !lines.isEmpty() && lineKey(lines.front()) == bagHeadingKey;
    StringGrid1.setRowCount(1);
    if (!hasHeading) StringGrid1_SetHeading();
    int row = hasHeading ? 0 : 1;
    StringGrid1.setRowCount(row + int(lines.size()));
    for (const QString& line : lines) {
        // Rows are numbered as closing will number them, whatever keys the file used.
        StringGrid1.setCell(0, row, row == 0 ? bagHeadingKey : QString::number(row));
        Bags_GetIniValues(row, lineValue(line));
        ++row;
    }
    StringGrid1.currentRow = 1;
    if (StringGrid1.rowCount() == 1) {
        StringGrid1.setRowCount(2);
    } else {
        SetFootersValues(1);
    }
}

void TForm4::StringGrid1_SetHeading() {
    const BagEntry headings = bagHeadings();
    StringGrid1.setCell(0, 0, bagHeadingKey);
    StringGrid1.setCell(1, 0, headings.first);
    StringGrid1.setCell(2, 0, headings.last);
    StringGrid1.setCell(3, 0, headings.position);
    StringGrid1.setCell(4, 0, headings.count);
    StringGrid1.setRowTag(0, std::nullopt);
}

void TForm4::resetGrid() {
    StringGrid1.setRowCount(1);
    StringGrid1.setRowCount(2);
    StringGrid1.currentRow = 1;
}

void TForm4::Bags_GetIniValues(int ARow, const QString& value) {
    const BagEntry entry = splitBagValue(value);
    StringGrid1.setCell(1, ARow, entry.first);
    StringGrid1.setCell(2, ARow, entry.last);
    StringGrid1.setCell(3, ARow, entry.position);
    StringGrid1.setCell(4, ARow, entry.count);
    // Kept so that a row nobody changed goes back to the file exactly as it came, odd lines of
    // earlier installations included.
    StringGrid1.setRowTag(ARow, value);
}

QString TForm4::Bags_SetIniValue(int ARow) {
    const std::optional<QString> stored = StringGrid1.rowTag(ARow);
    if (stored && splitBagValue(*stored) == rowEntry(ARow)) return *stored;
    if (StringGrid1.cell(4, ARow).isEmpty()) StringGrid1.setCell(4, ARow, QStringLiteral("1"));
    return joinBagValue(rowEntry(ARow));
}

BagEntry TForm4::rowEntry(int row) const {
    return {StringGrid1.cell(1, row), StringGrid1.cell(2, row), StringGrid1.cell(3, row),
            StringGrid1.cell(4, row)};
}

void TForm4::SetFootersValues(int NStroka) {
    const BagEntry entry = rowEntry(NStroka);
    fillCells(aSb, entry.first);
    fillCells(aSl, entry.last);
    setCellsEditable(aSl, wholeNumber, false);
    KolvoBags.setText(entry.count);
    ComboBox1.items = {entry.position};
    ComboBox1.choose(0);
}

void TForm4::StringGrid1SelectCell(int row) {
    SetFootersValues(row);
    CheckBeginBagShifr(false);
    SetFootersValues(row);
    focus(*aSb[0]);
}

void TForm4::CloseEditFooters() {
    Button1.enabled = true;
    Button2.enabled = true;
    Button3.enabled = true;
    BtnOKnew.enabled = false;
    setCellsEditable(aSb, wholeNumber, false);
    setCellsEditable(aSl, wholeNumber, false);
    KolvoBags.readOnly = true;
    KolvoBags.colour = clBtnFace;
    ComboBox1.enabled = false;
}

void TForm4::OpenForEdit_sbNN(bool keepTexts) {
    setCellsEditable(aSb, wholeNumber, true);
    if (!keepTexts) fillCells(aSb, QString());
}

void TForm4::OpenForEdit_slNN(DigitRun run) {
    setCellsEditable(aSl, run, true);
}

void TForm4::ClearSl_NN() {
    fillCells(aSl, QString());
    setCellsEditable(aSl, wholeNumber, false);
}

void TForm4::DoHint(Control& AControl) {
    pointedControl = &AControl;
}

void TForm4::showInformation(const QString& text) {
    messageBoxes().showMessageBox(QStringLiteral("Информация"), text, {MsgButton::OK});
}

void TForm4::ForOnClickEdit() {
    OpenForEdit_sbNN(true);
    isNotPressEnterOnSbNN = true;
    Button2.enabled = false;
    Button3.enabled = false;
    BtnOKnew.hint = QStringLiteral("Запомнить изменения");
    BtnOKnew.enabled = true;
    focus(*aSb[0]);
}

void TForm4::ForOnClickAdd() {
    BtnOKnew.enabled = true;
    BtnOKnew.hint = QStringLiteral("Добавить в список");
    OpenForEdit_sbNN(false);
    ClearSl_NN();
    KolvoBags.setText(QString());
    ComboBox1.clear();
    runs.clear();
    isNotPressEnterOnSbNN = true;
    Button1.enabled = false;
    Button3.enabled = false;
    focus(*aSb[0]);
}

void TForm4::ForOnClickDelete() {
    isNotPressEnterOnSbNN = true;
    const bool hasEntries = !StringGrid1.cell(0, 1).isEmpty();
    if (hasEntries) StringGrid1.deleteRow(StringGrid1.currentRow);
    if (StringGrid1.rowCount() == 1) {
        resetGrid();
    } else if (hasEntries) {
        StringGrid1ReNumberRow(StringGrid1.currentRow);
    }
    SetFootersValues(StringGrid1.currentRow);
}

void TForm4::StringGrid1ReNumberRow(int from) {
    for (int row = from; row < StringGrid1.rowCount(); ++row) {
        StringGrid1.setCell(0, row, QString::number(row));
    }
}

void TForm4::OnClickCancelEditBags() {
    SetFootersValues(StringGrid1.currentRow);
    CloseEditFooters();
    BtnOKnew.hint.clear();
}

void TForm4::exitBtnClick() {
    close();
    mainWindow.focus(FNBag);
}

bool TForm4::FormCloseQuery() {
    IniFile file(settingsPath);
    bool saved = true;
    if (CheckBox1.checked != settings.IsControlBags) {
        settings.IsControlBags = CheckBox1.checked;
        saved = file.writeBool(tune::controlBags, tune::isControlBags, CheckBox1.checked);
    }
    QList<IniFile::Entry> lines{{bagHeadingKey, Bags_SetIniValue(0)}};
    for (int row = 1; row < StringGrid1.rowCount(); ++row) {
        if (StringGrid1.cell(0, row).isEmpty()) continue;
        lines.append({QString::number(row), Bags_SetIniValue(row)});
    }
    saved = file.replaceSection(tune::valuesBags, lines) && saved;
    if (!saved) reportSettingsNotSaved(messageBoxes(), file);
    settings.BagsValues = file.sectionLines(tune::valuesBags);
    settings.IsValuesBags = true;
    CloseEditFooters();
    resetGrid();
    return true;
}
