#ifndef LUMETRA_API_LUMETRA_H
#define LUMETRA_API_LUMETRA_H

/* Lumetra: turns a document message into an Aztec code (ISO/IEC 24778).

   The library libLumetra.so exports plain C functions; every one returns a 32-bit result code,
   0 on success (Lumx_GetErrorStringA/W give the text of any code). No export throws or crashes
   on bad input; null pointers, empty texts and out-of-range numbers give a result code.

   Texts: 8-bit texts (messages, error texts, the version, the file names of the A variants) are
   Windows-1251. The message is always 8-bit text; it is a header line "Ostrel" (or "Quillon")
   followed by a document type ("13" or "0J"), then key=value lines, each line ended by CR LF.
   The W variants take UTF-16 file names. File names reach the file system as UTF-8.

   Calls must not run on two threads at once: the exports share a random generator and a
   scrambling counter without locks.

   Ordinals of the exports on the system the interface was first built for, kept for callers
   that bind by number:
     1 Lumx_GetVersion            6 Lumx_EnCode_File    11 Lumx_EnCode_StrA
     2 Lumx_EnCode_IPictureDisp   7 Lumx_EnCode_FileW   12 PrintCode
     3 Lumx_GetErrorString        8 Lumx_EnCode_FileA   13 DelCode
     4 Lumx_GetErrorStringW       9 Lumx_EnCode_Str     14 PrintSize
     5 Lumx_GetErrorStringA      10 Lumx_EnCode_StrW    15 PrintSizeEx
   Lumx_GetErrorString, Lumx_EnCode_File and Lumx_EnCode_Str are the W variants under a second
   name. */

#include <stdint.h>

#ifndef __cplusplus
#include <uchar.h>
#endif

#include "lumetra/output/picture.h"
#include "lumetra/printing/print_exports.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Result codes the library returns (each has its text). */
enum {
    LUMX_OK = 0,
    LUMX_BUFFER_TOO_SMALL = 10, /* "Мал буфер для данных" */
    LUMX_NO_LINE = 13,          /* the message has no line */
    LUMX_UNKNOWN_DOCUMENT = 15, /* the first line names no registered document type */
    LUMX_BAD_PARAMETERS = 25,   /* unknown image extension, image cannot be made */
    LUMX_UNKNOWN_ERROR = 26,    /* unexpected failure inside the library */
    LUMX_INVALID_BUFFER = 27,   /* no message: null or empty */
    LUMX_TOO_MUCH_DATA = 28,    /* the message fits no symbol of the size mode */
    LUMX_NO_DATA = 30,          /* PrintSize, PrintSizeEx: no usable message */
    LUMX_IO_ERROR = 36          /* output file cannot be created, input file cannot be read */
};

/* Texts: *length receives the text's size in bytes without a terminator (length may be null).
   When bufSize >= *length, all bufSize bytes of buffer are zeroed, the text is copied to the
   start and the result is 0: the terminator is present only when the buffer is larger than the
   text. Otherwise (null buffer included) the buffer is untouched and the result is 10. Ask for
   the length with a null buffer, then call with *length + 1 bytes (+ 2 for UTF-16). */

/* The registered document types: identifier, TAB, title, entries joined by ";" CR LF. */
int32_t Lumx_GetVersion(int32_t bufSize, char* buffer, int32_t* length);
/* The text of a result code; bufSize and *length count bytes (two per UTF-16 character). */
int32_t Lumx_GetErrorStringW(int32_t code, int32_t bufSize, char16_t* buffer, int32_t* length);
int32_t Lumx_GetErrorString(int32_t code, int32_t bufSize, char16_t* buffer, int32_t* length);
int32_t Lumx_GetErrorStringA(int32_t code, int32_t bufSize, char* buffer, int32_t* length);

/* Parameters of the encoding exports:
   sizeMode    0 automatic, 1-99 error-correction percent, 101-104 compact symbol of 1-4 layers,
               201-232 full-range symbol of 1-32 layers, 300 Aztec rune; others give 28.
   symbolCount symbols of a structured append, 0 taken as 1, limited to 1..26.
   moduleSize  pixels per module: TIFF max(moduleSize, 1); BMP 2, 4 or 8, otherwise 1; GIF
               moduleSize (below 1 gives 25); EMF and WMF draw one unit per module, 0 as vector
               rectangles, otherwise as one bitmap.
   rotate      nonzero turns the symbol 90 degrees clockwise. */

/* Writes the symbol of message to outFile; the extension picks the format (.tif, .tiff, .gif,
   .bmp, .emf, .wmf in any case; any other gives 25 and writes nothing). The file is replaced
   whole or not at all. 36 when outFile cannot be created, before anything is encoded. */
int32_t Lumx_EnCode_StrW(const char* message, const char16_t* outFile, int32_t sizeMode,
                         int32_t symbolCount, int32_t moduleSize, int32_t rotate);
int32_t Lumx_EnCode_Str(const char* message, const char16_t* outFile, int32_t sizeMode,
                        int32_t symbolCount, int32_t moduleSize, int32_t rotate);
int32_t Lumx_EnCode_StrA(const char* message, const char* outFile, int32_t sizeMode,
                         int32_t symbolCount, int32_t moduleSize, int32_t rotate);

/* As Lumx_EnCode_StrW with the whole content of inFile as the message; 36 when inFile is
   missing, empty or unreadable. */
int32_t Lumx_EnCode_FileW(const char16_t* inFile, const char16_t* outFile, int32_t sizeMode,
                          int32_t symbolCount, int32_t moduleSize, int32_t rotate);
int32_t Lumx_EnCode_File(const char16_t* inFile, const char16_t* outFile, int32_t sizeMode,
                         int32_t symbolCount, int32_t moduleSize, int32_t rotate);
int32_t Lumx_EnCode_FileA(const char* inFile, const char* outFile, int32_t sizeMode,
                          int32_t symbolCount, int32_t moduleSize, int32_t rotate);

/* The symbol as a picture (see lumetra/output/picture.h). *picture is set to null on every call
   and, on success, to a new picture whose one reference the caller releases with
   Lumx_PictureRelease. sizeMode 0 is taken as 23, moduleSize 0 as 1; only the low byte of
   rotate counts. A null picture pointer gives 25. Code 23 (no picture support) of the interface's
   first system never occurs here. */
int32_t Lumx_EnCode_IPictureDisp(const char* message, LumxPicture** picture, int32_t sizeMode,
                                 int32_t symbolCount, int32_t moduleSize, int32_t rotate);

#ifdef __cplusplus
}
#endif

#endif
