#include "app/ui/statement_window_view.h"

#include "app/ui/form_layout.h"

#include <QFrame>
#include <QLabel>
#include <QStyle>

namespace {

constexpr int fieldHeight = 21;
// Tops of the header's field rows; each field's label stands above it.
constexpr int headerRows[] = {20, 58, 96, 134};

constexpr int panelTop = 164;
constexpr int gridTitleTop = 168;
constexpr int rowHeight = 20;

constexpr int denominationTop = 200;
constexpr int denominationStep = 22;

constexpr int symbolTop = 198;
constexpr int symbolStep = 23;
constexpr int groupGap = 10;

int symbolRowTop(int row) {
    return symbolTop + row * symbolStep + (row / 3) * groupGap;
}

} // namespace

StatementWindowView::StatementWindowView(TForm1& window, TDlgTuning& tuning)
    : FormWindow(window, clientSize), statement(window) {
    layOutHeader();
    layOutDenominations();
    layOutSymbols();
    layOutButtons();
    makeMenu(tuning);
    binder().bindRemaining();
}

void StatementWindowView::addPanel(const QRect& place) {
    auto* panel = new QFrame(&client());
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setGeometry(place);
    panel->lower();
}

void StatementWindowView::addCaption(const QString& text, const QRect& place,
                                     Qt::Alignment alignment) {
    auto* caption = new QLabel(text, &client());
    caption->setAlignment(alignment);
    caption->setWordWrap(true);
    caption->setGeometry(place);
}

void StatementWindowView::layOutHeader() {
    TForm1& w = statement;
    const int h = fieldHeight;
    const auto [r1, r2, r3, r4] = headerRows;
    place(w.FDateCreate, 8, r1, 80, h);
    place(w.FNBag, 96, r1, 150, h);
    place(w.FPlomba, 254, r1, 176, h);
    // The statement number's left edge and width follow its mode; the model sets them.
    place(w.NVedPrefix, 438, r1, 91, h);
    w.NVedName.top = r1;
    w.NVedName.height = h;
    place(w.FAccDt, 581, r1, 201, h);

    place(w.pinShifr, 8, r2, 120, h);
    place(w.pinName, 136, r2, 294, h);
    place(w.Inn, 438, r2, 135, h);
    place(w.FAccKt, 581, r2, 201, h);

    place(w.cusName, 8, r3, 270, h);
    place(w.AccCus, 286, r3, 160, h);
    place(w.AccCusBPA, 454, r3, 160, h);
    place(w.AccCusPA, 622, r3, 160, h);
    // Hidden, but kept beside the taxpayer number they belong to.
    place(w.Kpp, 438, r2, 135, h);
    place(w.Okato, 438, r2, 135, h);

    place(w.BankName, 8, r4, 300, h);
    place(w.Bic, 316, r4, 114, h);
    place(w.BankNameCus, 438, r4, 230, h);
    place(w.BicCus, 676, r4, 106, h);
}

void StatementWindowView::layOutDenominations() {
    addPanel(QRect(4, panelTop, 392, 559 - panelTop - 4));
    addCaption(QStringLiteral("Номинал"), QRect(10, gridTitleTop, 72, 28));
    addCaption(QStringLiteral("Количество банкнот и монет (в листах, штуках)"),
               QRect(86, gridTitleTop, 152, 28));
    addCaption(QStringLiteral("Сумма цифрами"), QRect(242, gridTitleTop, 146, 28));
    for (int i = 0; i < TForm1::denominationRows; ++i) {
        const int top = denominationTop + i * denominationStep;
        place(*statement.NNominal[i], 10, top, 72, rowHeight);
        place(*statement.NCount[i], 86, top, 120, rowHeight);
        place(*statement.NType[i], 208, top, 30, rowHeight);
        place(*statement.NSum[i], 242, top, 146, rowHeight);
    }
}

void StatementWindowView::layOutSymbols() {
    addPanel(QRect(400, panelTop, 386, 559 - panelTop - 4));
    addCaption(QStringLiteral("СКП"), QRect(436, gridTitleTop, 46, 28));
    addCaption(QStringLiteral("СКП2"), QRect(486, gridTitleTop, 40, 28));
    addCaption(QStringLiteral("сумма"), QRect(530, gridTitleTop, 110, 28));
    for (int j = 0; j < TForm1::symbolRows; ++j) {
        const int top = symbolRowTop(j);
        place(*statement.SSkp[j], 436, top, 46, rowHeight);
        place(*statement.ZSkp[j], 486, top, 40, rowHeight);
        place(*statement.SSum[j], 530, top, 110, rowHeight);
    }
    struct Group {
        Control& frame;
        Control& caption;
        Control& declared;
        Control& sumCaption;
        Control& total;
    };
    TForm1& w = statement;
    const Group groups[] = {
        {w.groupFrame1, w.groupCaption1, w.SumV, w.Label9, w.Label15},
        {w.groupFrame2, w.groupCaption2, w.SumBPA, w.Label13, w.Label16},
        {w.groupFrame3, w.groupCaption3, w.SumPA, w.Label14, w.Label17},
    };
    for (int g = 0; g < 3; ++g) {
        const int top = symbolRowTop(3 * g);
        const int height = 2 * symbolStep + rowHeight;
        place(groups[g].frame, 404, top - 4, 378, height + 8);
        place(groups[g].caption, 408, top, 24, height);
        place(groups[g].declared, 648, top, 128, rowHeight);
        place(groups[g].sumCaption, 648, top + 2 * symbolStep, 50, rowHeight);
        place(groups[g].total, 698, top + 2 * symbolStep, 78, rowHeight);
        groups[g].total.alignment = Alignment::Right;
    }
}

void StatementWindowView::layOutButtons() {
    TForm1& w = statement;
    const int top = symbolRowTop(8) + rowHeight + 16;
    addCaption(QStringLiteral("Сумма документа"), QRect(408, top, 118, fieldHeight),
               Qt::AlignLeft | Qt::AlignVCenter);
    place(w.sumPV, 530, top, 246, fieldHeight);
    place(w.FFIO, 408, top + 44, 368, fieldHeight);
    const int buttonTop = 559 - 4 - 8 - 28;
    place(w.clearBtn, 408, buttonTop, 118, 28);
    place(w.printBtn, 533, buttonTop, 118, 28);
    place(w.exitBtn, 658, buttonTop, 118, 28);
}

void StatementWindowView::setHelpCommand(std::function<void()> help) {
    helpCommand = std::move(help);
    helpItem->setEnabled(bool(helpCommand));
}

void StatementWindowView::makeMenu(TDlgTuning& tuning) {
    TForm1& w = statement;
    QMenu* file = menu().addMenu(QStringLiteral("Файл"));
    addCommand(*file, QStringLiteral("Настройка"),
               [&w, &tuning] { tuning.chooseTuning(w.curTuningData); });
    addCommand(
        *file, QStringLiteral("Печать"),
        [&w] {
            if (const auto print = w.printBtn.onClick) print(w.printBtn);
        },
        QKeySequence(Qt::CTRL | Qt::Key_P));
    addCommand(
        *file, QStringLiteral("Очистить"), [&w] { w.clearBtnClick(); },
        QKeySequence(Qt::CTRL | Qt::Key_L));
    addCommand(
        *file, QStringLiteral("Выход"), [&w] { w.exitBtnClick(); },
        QKeySequence(Qt::CTRL | Qt::Key_Q));
    QMenu* settings = menu().addMenu(QStringLiteral("Настройки"));
    addCommand(*settings, QStringLiteral("Контроль пломб"), [&w] { w.ShowPlomb(); });
    addCommand(*settings, QStringLiteral("Контроль № ведомости"), [&w] { w.ShowNVedCast(); });
    addCommand(*settings, QStringLiteral("Контроль сумок"), [&w] { w.ShowBags(); });
    helpItem = addCommand(
        menu(), QStringLiteral("Справка"), [this] { helpCommand(); }, QKeySequence(Qt::Key_F1));
    helpItem->setEnabled(false);
}
