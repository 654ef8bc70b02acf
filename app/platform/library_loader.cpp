#include "app/platform/library_loader.h"

#include <QFile>
#include <QFileInfo>
#include <dlfcn.h>

LibraryLoader::~LibraryLoader() {
    unload();
}

bool LibraryLoader::load(const QString& filePath) {
    unload();
    error.clear();
    // dlopen takes an empty name for the program itself.
    if (filePath.isEmpty()) {
        error = QStringLiteral("no library file name");
        return false;
    }
    // A bare name would make dlopen search the system's folders instead of the given one.
    const QByteArray path = QFile::encodeName(QFileInfo(filePath).absoluteFilePath());
    handle = dlopen(path.constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) error = QString::fromLocal8Bit(dlerror());
    return handle != nullptr;
}

void* LibraryLoader::function(const char* name) const {
    return handle ? dlsym(handle, name) : nullptr;
}

void LibraryLoader::unload() {
    if (handle) dlclose(handle);
    handle = nullptr;
}

QString barcodeLibraryFileName() {
    return QStringLiteral("libLumetra.so");
}
