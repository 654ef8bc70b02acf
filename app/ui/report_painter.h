#pragma once

#include "app/printing/report_layout.h"

#include <QHash>
#include <QImage>

class QPainter;

// The barcode as a lossless 1-bit image: colour 0 black, colour 1 white, as the library's bits.
QImage barcodeImage(const MonoPicture& picture);

// Paints one laid-out page onto a device whose origin is the paper's top-left corner, at
// dotsPerInch device pixels per inch. Texts ask for Times New Roman by name.
void paintReportPage(QPainter& painter, const LaidOutPage& page,
                     const QHash<QString, MonoPicture>& pictures, double dotsPerInch);
