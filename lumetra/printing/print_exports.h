#ifndef LUMETRA_PRINTING_PRINT_EXPORTS_H
#define LUMETRA_PRINTING_PRINT_EXPORTS_H

/* Exports for report generators that place a barcode on a printed page. Part of lumetra.h;
   plain C. Paths are NUL-terminated strings in the file system's encoding (UTF-8); messages are
   8-bit Windows-1251 text as for the other exports. */

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* A caller's 8-bit grey raster that PrintSize and PrintSizeEx paint the symbol into: one byte
   per pixel, rows top first, each row `width` bytes, 0 for black and 255 for white. The caller
   sets pixels and capacity (bytes there); the painting sets width and height. When the symbol
   needs more than capacity bytes, width and height are still set, nothing is painted and the
   result is 10, so the caller can retry with a larger raster. */
typedef struct LumxRaster {
    uint8_t* pixels;
    int32_t capacity;
    int32_t width;
    int32_t height;
} LumxRaster;

/* Writes the symbol of message (size chosen automatically, *symbolCount symbols, 1 when null)
   as a BMP of one pixel per module into a new file of the temporary folder ($TMPDIR or /tmp) and
   puts its path into result (resultSize bytes, terminated). On any failure, a path longer than
   the buffer included, result is the empty string and no file is left behind. The caller
   removes the file with DelCode once it has been used. */
void PrintCode(char* result, int32_t resultSize, const char* message, const uint8_t* symbolCount);

/* Deletes the file at path, when there is one; the result is 0 in every case, also when the
   file cannot be deleted. */
int32_t DelCode(const char* path);

/* Paints the smallest arrangement of 1 to 8 full-range symbols that holds message, moduleSize
   pixels per module, into raster; the symbols grow up to the first size of at least
   maxSize / moduleSize modules. With a non-empty traceFolder naming an existing folder, the
   bytes put into the symbol are also written to a new .tmp file there. Results: 0, 10 (raster
   too small), 25 (moduleSize below 1, null raster), 26, 28 (the message fits no arrangement),
   30 (empty message or one that is not a registered document). */
int32_t PrintSize(LumxRaster* raster, const char* message, int32_t maxSize, int32_t moduleSize,
                  const char* traceFolder);

/* Paints with one pixel per module, searching full-range symbols of firstLayers to
   firstLayers + moreLayers layers (at most 32) and firstCount to firstCount + moreCount symbols
   (at most 26); size[0] and size[1] receive the matrix width and height in modules and *count
   the number of symbols (both may be null). Limits outside those ranges give 25; otherwise the
   results are those of PrintSize. */
int32_t PrintSizeEx(LumxRaster* raster, const char* message, int32_t firstLayers,
                    int32_t moreLayers, int32_t firstCount, int32_t moreCount, int32_t* size,
                    int32_t* count, const char* traceFolder);

#ifdef __cplusplus
}
#endif

#endif
