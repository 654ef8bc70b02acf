#pragma once

#include "app/formats/message_boxes.h"
#include "app/printing/print_run.h"

#include <QDialog>
#include <QPointer>

// The modal preview of the prepared forms at 100 %, read only, with exactly two commands:
// print, and quick export to a PDF file.
class ReportPreviewDialog : public QDialog {
    Q_OBJECT

public:
    ReportPreviewDialog(QList<LaidOutPage> pages, QHash<QString, MonoPicture> pictures,
                        MessageBoxes& boxes, QWidget* parent = nullptr);

    void print();
    // Asks for the file name; an existing file is replaced without asking.
    void exportPdf();
    void exportPdfTo(const QString& path);

private:
    QList<LaidOutPage> pages;
    QHash<QString, MonoPicture> pictures;
    MessageBoxes& boxes;
};

// The print run's preview shown as ReportPreviewDialog over the owner window.
class QtReportPreview : public ReportPreview {
public:
    QtReportPreview(MessageBoxes& boxes, QWidget* owner) : boxes(boxes), owner(owner) {}
    void showPreview(const QList<LaidOutPage>& pages,
                     const QHash<QString, MonoPicture>& pictures) override;

private:
    MessageBoxes& boxes;
    QPointer<QWidget> owner;
};
