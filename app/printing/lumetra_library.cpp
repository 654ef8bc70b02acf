#include "app/printing/lumetra_library.h"

#include "lumetra/api/lumetra.h"

namespace {

constexpr qint32 unexpectedFailure = LUMX_UNKNOWN_ERROR;
// The buffer the program offers the library for a text, and the size it says it has.
constexpr int textBufferBytes = 100;
constexpr qint32 textBufferSize = 99;

// The first length bytes of the buffer; a length past the buffer is not trusted.
QByteArray textOf(const char* buffer, qint32 length) {
    return QByteArray(buffer, qBound(0, length, textBufferSize));
}

} // namespace

qint32 LumetraLibrary::encodePicture(const QByteArray& message, MonoPicture& picture) {
    const auto encode =
        loader.function<decltype(&Lumx_EnCode_IPictureDisp)>(barcode_functions::encodePicture);
    const auto release = loader.function<decltype(&Lumx_PictureRelease)>("Lumx_PictureRelease");
    const auto width = loader.function<decltype(&Lumx_PictureWidth)>("Lumx_PictureWidth");
    const auto height = loader.function<decltype(&Lumx_PictureHeight)>("Lumx_PictureHeight");
    const auto stride = loader.function<decltype(&Lumx_PictureStride)>("Lumx_PictureStride");
    const auto bits = loader.function<decltype(&Lumx_PictureBits)>("Lumx_PictureBits");
    if (!encode || !release || !width || !height || !stride || !bits) return unexpectedFailure;

    LumxPicture* made = nullptr;
    const qint32 status = encode(message.constData(), &made, 0, 1, 2, 0);
    if (status != LUMX_OK) {
        release(made);
        return status;
    }
    const uint8_t* rows = bits(made);
    MonoPicture copy{width(made), height(made), stride(made), {}};
    if (!rows || copy.isNull() || copy.stride * 8 < copy.width) {
        release(made);
        return unexpectedFailure;
    }
    copy.bits = QByteArray(reinterpret_cast<const char*>(rows), copy.height * copy.stride);
    release(made);
    picture = copy;
    return LUMX_OK;
}

qint32 LumetraLibrary::errorString(qint32 code, QByteArray& text) {
    const auto call =
        loader.function<decltype(&Lumx_GetErrorStringA)>(barcode_functions::errorString);
    if (!call) return unexpectedFailure;
    char buffer[textBufferBytes] = {};
    qint32 length = 0;
    const qint32 status = call(code, textBufferSize, buffer, &length);
    if (status == LUMX_OK) text = textOf(buffer, length);
    return status;
}

qint32 LumetraLibrary::version(QByteArray& text) {
    const auto call = loader.function<decltype(&Lumx_GetVersion)>(barcode_functions::version);
    if (!call) return unexpectedFailure;
    char buffer[textBufferBytes] = {};
    qint32 length = 0;
    const qint32 status = call(textBufferSize, buffer, &length);
    if (status == LUMX_OK) text = textOf(buffer, length);
    return status;
}
