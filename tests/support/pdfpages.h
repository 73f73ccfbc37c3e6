// Looks at a PDF the program wrote as a reader would see it: each page
// rasterised by pdftoppm (poppler-utils) into an image. When
// OPTOLUNE_SCREENSHOTS names a folder, the pages are saved there as PNGs too.
#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace optolune::test {

// The pages of the PDF at `dpi`, in order; empty when pdftoppm failed (the
// test then fails with pdftoppm's own words). `name` names the saved PNGs.
std::vector<QImage> rasterisePdf(const QString &pdfPath, int dpi, const QString &name = QString());

// The text of each page as pdftotext reads it, in reading order with the
// layout kept.
QStringList pdfPageTexts(const QString &pdfPath);

// The bounding box of the pixels darker than `threshold` (0-255, on the
// grey level); an empty rectangle for a blank page.
QRect inkBox(const QImage &page, int threshold = 128);

// How many pixels have exactly this colour, give or take `tolerance` per
// channel.
int countColour(const QImage &page, QRgb colour, int tolerance = 8);

} // namespace optolune::test
