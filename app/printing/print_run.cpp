#include "app/printing/print_run.h"

#include "app/platform/library_loader.h"

#include "app/formats/cp1251.h"
#include "app/formats/input_error.h"
#include "app/formats/text_formats.h"

#include <exception>

namespace {

const QStringList barcodeViews{"BAzecCode1", "BAzecCode2", "BAzecCode3", "BAzecCode4"};

// A condition under which the forms can still print, without a barcode.
class ENilDate : public std::exception {
public:
    explicit ENilDate(const QString& reason)
        : text(reason + QStringLiteral("\nПродолжить печать?")) {}
    const QString& message() const { return text; }

private:
    QString text;
};

QString notFound(const QString& name) {
    return QStringLiteral("%1 - не найдена.").arg(name);
}

QString functionNotFound(const QString& name) {
    return QStringLiteral("Функция %1 - не найдена.").arg(name);
}

QString callFailed(qint32 status, const QString& function, const QString& errorText) {
    return QStringLiteral("Ошибка № %1 вызова функции %2: \"%3\".")
        .arg(status)
        .arg(function, errorText);
}

QString versionLine(const QString& name, const QString& version) {
    return QStringLiteral("Версия %1 %2").arg(name, version);
}

} // namespace

QString PrintRun::libErrorText(qint32 code) {
    if (!library.isLoaded() || !library.hasFunction(barcode_functions::errorString)) return {};
    QByteArray text;
    const qint32 status = library.errorString(code, text);
    if (status == 0) return fromCp1251(text);
    return QStringLiteral("Наименование ошибки не получено. Ошибка № %1 вызова функции %2")
        .arg(status)
        .arg(QLatin1String(barcode_functions::errorString));
}

void PrintRun::checkAccountSums() const {
    if (window.singleSymbolMode()) return;
    for (int group = 0; group < 3; ++group)
        if (sumToKop(window.declaredAmount(group)) != sumToKop(window.symbolTotal(group)))
            throw PVErrInput(
                "Введенная(ые) сумма(ы) по счету(ам) Клиента не равны по расчету по СКП!");
}

MonoPicture PrintRun::encodeBarcode() {
    if (!library.isLoaded()) throw ENilDate(notFound(barcodeLibraryFileName()));
    if (window.kodYpin().isEmpty())
        throw ENilDate(QStringLiteral("Не установлен код пункта инкассации!"));
    const QString encode = QLatin1String(barcode_functions::encodePicture);
    if (!library.hasFunction(barcode_functions::encodePicture))
        throw ENilDate(functionNotFound(encode));
    const QString message = window.getBarcodeText();
    if (message.isEmpty()) throw ENilDate(QStringLiteral("Не заполненен документ!"));
    MonoPicture picture;
    const qint32 status = library.encodePicture(toCp1251(message), picture);
    if (status != 0) throw ENilDate(callFailed(status, encode, libErrorText(status)));
    return picture;
}

bool PrintRun::placeBarcode() {
    try {
        const MonoPicture picture = encodeBarcode();
        for (const QString& view : barcodeViews) report.setPicture(view, picture);
    } catch (const PVErrInput& error) {
        boxes.showWarning(error.message());
        return false;
    } catch (const ENilDate& question) {
        if (boxes.askYesNo(question.message()) != MsgButton::Yes) return false;
        for (const QString& view : barcodeViews) report.clearPicture(view);
    }
    return true;
}

void PrintRun::selectPages() {
    const bool customer = window.singleSymbolMode() || sumToKop(window.declaredAmount(0)) != 0;
    for (const QString& page : report_pages::customerSet) report.setPageVisible(page, customer);
    // The customer's forms already show all three accounts; the agents' own sets stay out.
    for (const QString& page : report_pages::bpaSet + report_pages::paSet)
        report.setPageVisible(page, false);
}

void PrintRun::printBtnClick() {
    checkAccountSums();
    if (!placeBarcode()) return;
    window.splitDenominations();
    report.setRecordCount(QStringLiteral("DParam"), 1);
    report.setRecordCount(QStringLiteral("DNSum"), ReportStatement::denominationRows);
    report.setRecordCount(QStringLiteral("DSSum"), ReportStatement::symbolRows);
    selectPages();
    preview.showPreview(report.prepare(window.reportStatement()), report.pictures());
}

void PrintRun::helpBtnClick(const QString& programName) {
    const QString version = QLatin1String(barcode_functions::version);
    QString libraryLine;
    if (!library.isLoaded()) {
        libraryLine = notFound(barcodeLibraryFileName());
    } else if (!library.hasFunction(barcode_functions::version)) {
        libraryLine = functionNotFound(version);
    } else {
        QByteArray text;
        const qint32 status = library.version(text);
        libraryLine = status == 0 ? versionLine(barcodeLibraryFileName(), fromCp1251(text))
                                  : callFailed(status, version, libErrorText(status));
    }
    // The box ends with a full stop; the not-found and error lines bring their own.
    if (!libraryLine.endsWith(u'.')) libraryLine += u'.';
    const QString programLine = versionLine(programName, QString::fromUtf8(programVersion));
    boxes.showMessageBox(QStringLiteral("Препроводительная ведомость"),
                         programLine + QStringLiteral("\r\n") + libraryLine, {MsgButton::Yes});
}
