/* Uses the picture as a C caller would, through the plain C header. */
#include "lumetra/output/picture.h"

int32_t PictureFirstByteFromC(LumxPicture* picture) {
    const uint8_t* bits = Lumx_PictureBits(picture);
    int32_t first = bits ? bits[0] : -1;
    Lumx_PictureAddRef(picture);
    Lumx_PictureRelease(picture);
    return first;
}
