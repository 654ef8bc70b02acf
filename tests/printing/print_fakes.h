#pragma once

#include "app/formats/input_error.h"
#include "app/printing/print_run.h"

#include <QStringList>

// The barcode library as a test sets it up: which functions it has and what they answer.
class FakeBarcodeLibrary : public BarcodeLibrary {
public:
    bool isLoaded() const override { return loaded; }
    bool hasFunction(const char* name) const override { return !missing.contains(name); }
    qint32 encodePicture(const QByteArray& message, MonoPicture& picture) override {
        messages += message;
        if (encodeStatus == 0) picture = symbol;
        return encodeStatus;
    }
    qint32 errorString(qint32 code, QByteArray& text) override {
        errorCodes += code;
        if (errorStatus == 0) text = errorText;
        return errorStatus;
    }
    qint32 version(QByteArray& text) override {
        if (versionStatus == 0) text = versionText;
        return versionStatus;
    }

    bool loaded = true;
    QStringList missing;
    qint32 encodeStatus = 0;
    MonoPicture symbol{16, 16, 2, QByteArray(32, '\x0f')};
    qint32 errorStatus = 0;
    QByteArray errorText = "\xcc\xe0\xeb \xe1\xf3\xf4\xe5\xf0"; // "Мал буфер" in Windows-1251
    qint32 versionStatus = 0;
    QByteArray versionText = "1.0";

    QList<QByteArray> messages;
    QList<qint32> errorCodes;
};

class RecordingPreview : public ReportPreview {
public:
    void showPreview(const QList<LaidOutPage>& pages,
                     const QHash<QString, MonoPicture>& pictures) override {
        shown += pages;
        this->pictures = pictures;
        ++runs;
    }

    QStringList pageNames() const {
        QStringList names;
        for (const LaidOutPage& page : shown) names += page.name;
        return names;
    }

    int runs = 0;
    QList<LaidOutPage> shown;
    QHash<QString, MonoPicture> pictures;
};
