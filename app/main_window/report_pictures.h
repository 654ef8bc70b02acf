#pragma once

#include <QString>

// The library's picture as the print run holds it (app/printing/mono_picture.h).
struct MonoPicture;

// The report's picture views that carry the barcode ("BAzecCode1" … "BAzecCode4"). The print run
// hands them the library's picture, or clears them to print without a barcode; the report
// implements it.
class ReportPictures {
public:
    virtual ~ReportPictures() = default;

    // Places the picture, unscaled, into the picture view Name; nothing when the report has no
    // picture view of that name.
    virtual void setPicture(const QString& Name, const MonoPicture& Picture) = 0;
    // Empties the picture view Name; nothing when the report has none of that name.
    virtual void clearPicture(const QString& Name) = 0;
};
