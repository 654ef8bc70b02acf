#pragma once

#include "app/platform/library_loader.h"
#include "app/printing/barcode_library.h"

// The barcode library loaded by file name; every function is looked up by name when it is
// called. The caller checks hasFunction first: a missing function is not called.
class LumetraLibrary : public BarcodeLibrary {
public:
    explicit LumetraLibrary(const LibraryLoader& loader) : loader(loader) {}

    bool isLoaded() const override { return loader.isLoaded(); }
    bool hasFunction(const char* name) const override { return loader.function(name) != nullptr; }
    qint32 encodePicture(const QByteArray& message, MonoPicture& picture) override;
    qint32 errorString(qint32 code, QByteArray& text) override;
    qint32 version(QByteArray& text) override;

private:
    const LibraryLoader& loader;
};
