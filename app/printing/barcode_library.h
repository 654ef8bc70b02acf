#pragma once

#include "app/printing/mono_picture.h"

#include <QByteArray>
#include <QtGlobal>

// The barcode library's exports that the print run uses, as loaded at start. Each call returns
// the library's status, 0 meaning success; texts are the library's Windows-1251 bytes.
class BarcodeLibrary {
public:
    virtual ~BarcodeLibrary() = default;

    virtual bool isLoaded() const = 0;
    virtual bool hasFunction(const char* name) const = 0;

    // Lumx_EnCode_IPictureDisp with the library's default error correction, one symbol, two
    // pixels per module, unrotated; picture is set on success.
    virtual qint32 encodePicture(const QByteArray& message, MonoPicture& picture) = 0;
    // Lumx_GetErrorStringA and Lumx_GetVersion into a buffer of 100 bytes; text is set on
    // success.
    virtual qint32 errorString(qint32 code, QByteArray& text) = 0;
    virtual qint32 version(QByteArray& text) = 0;
};

namespace barcode_functions {
inline constexpr const char* encodePicture = "Lumx_EnCode_IPictureDisp";
inline constexpr const char* errorString = "Lumx_GetErrorStringA";
inline constexpr const char* version = "Lumx_GetVersion";
} // namespace barcode_functions
