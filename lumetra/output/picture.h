#ifndef LUMETRA_OUTPUT_PICTURE_H
#define LUMETRA_OUTPUT_PICTURE_H

/* The in-memory picture of a symbol, handed to the caller who owns its one reference and
   releases it; the library keeps none. The bitmap is monochrome, one plane, rows top first, each
   row Lumx_PictureStride bytes (whole 16-bit words), most significant bit leftmost, a dark module
   0 bits and a light module 1 bits, the spare bits at the end of a row 0. Plain C. */

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct LumxPicture LumxPicture;

/* Both return the new reference count; a null picture gives 0. Release frees the picture when
   the count reaches 0. */
int32_t Lumx_PictureAddRef(LumxPicture* picture);
int32_t Lumx_PictureRelease(LumxPicture* picture);

/* Size in pixels and bytes per row; 0 for a null picture. */
int32_t Lumx_PictureWidth(const LumxPicture* picture);
int32_t Lumx_PictureHeight(const LumxPicture* picture);
int32_t Lumx_PictureStride(const LumxPicture* picture);

/* Height * stride bytes, valid while the caller holds a reference; null for a null picture. */
const uint8_t* Lumx_PictureBits(const LumxPicture* picture);

#ifdef __cplusplus
}
#endif

#endif
