/* A C program built against lumetra.h and linked with libLumetra.so, as a caller in C would
   use it: version, error text, a picture and an image file. Exits 0 when every call answers as
   documented. */
#include "lumetra/api/lumetra.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

static const char kMessage[] = "Ostrel13\r\nA=045712\r\nB=20160305\r\nC=ER\r\n";

static int Check(int ok, const char* what) {
    if (!ok) fprintf(stderr, "c_caller: %s\n", what);
    return ok ? 0 : 1;
}

int main(void) {
    int failures = 0;
    char text[256];
    int32_t length = 0;
    failures += Check(Lumx_GetVersion(0, NULL, &length) == LUMX_BUFFER_TOO_SMALL && length > 0,
                      "version length");
    failures += Check(Lumx_GetVersion(sizeof text, text, &length) == LUMX_OK &&
                          strncmp(text, "13\t", 3) == 0,
                      "version text");
    char16_t wide[64];
    failures += Check(Lumx_GetErrorStringW(10, sizeof wide, wide, &length) == LUMX_OK &&
                          length == 40 && wide[20] == 0,
                      "error text");

    LumxPicture* picture = NULL;
    failures += Check(Lumx_EnCode_IPictureDisp(kMessage, &picture, 0, 1, 2, 0) == LUMX_OK &&
                          picture != NULL,
                      "picture");
    failures += Check(Lumx_PictureWidth(picture) >= 30 &&
                          Lumx_PictureWidth(picture) == Lumx_PictureHeight(picture),
                      "picture size");
    Lumx_PictureRelease(picture);

    char path[] = "/tmp/lumetra_c_caller_XXXXXX.gif";
    const int fd = mkstemps(path, 4);
    if (fd >= 0) close(fd);
    failures += Check(Lumx_EnCode_StrA(kMessage, path, 0, 1, 2, 1) == LUMX_OK, "GIF file");
    failures += Check(Lumx_EnCode_StrA(NULL, path, 0, 1, 2, 1) == LUMX_INVALID_BUFFER, "null");
    failures += Check(DelCode(path) == 0 && access(path, F_OK) != 0, "DelCode");
    return failures;
}
