#pragma once

#include <QString>

// A shared library loaded at run time by file name and asked for its functions by name.
// The library stays loaded until unload() or the loader's end.
class LibraryLoader {
public:
    LibraryLoader() = default;
    ~LibraryLoader();
    LibraryLoader(const LibraryLoader&) = delete;
    LibraryLoader& operator=(const LibraryLoader&) = delete;

    // Unloads what was loaded before. False, with errorText(), when the file is missing or is
    // not a loadable library.
    bool load(const QString& filePath);
    bool isLoaded() const { return handle != nullptr; }
    // Null when nothing is loaded or the library has no such function.
    void* function(const char* name) const;
    void unload();
    QString errorText() const { return error; }

    template <typename FunctionPointer> FunctionPointer function(const char* name) const {
        return reinterpret_cast<FunctionPointer>(function(name));
    }

private:
    void* handle = nullptr;
    QString error;
};

// The barcode library's file name in the program's folder: "libLumetra.so" on Linux, the name
// CMake gives the shared library target Lumetra.
QString barcodeLibraryFileName();
