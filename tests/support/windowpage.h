// Checks that a screen print shows the window it was made of: the page,
// rasterised, holds one picture with the window's proportions
// (expectWindowImagePage) and that picture is the window's own image, point
// for point, give or take the smoothing of the scaling. An empty page, a page
// of another window or a picture drawn the wrong way round fails.
#pragma once

#include "pdfpages.h"

#include <QImage>
#include <QWidget>
#include <cmath>
#include <gtest/gtest.h>

namespace optolune::test {

// The mean difference of grey level, 0 to 255, between two images of one size.
inline double meanGreyDifference(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto *p = reinterpret_cast<const QRgb *>(x.constScanLine(row));
        const auto *q = reinterpret_cast<const QRgb *>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            sum += std::abs(qGray(p[col]) - qGray(q[col]));
    }
    return sum / (double(x.width()) * x.height());
}

inline void expectPageShowsWindow(const QString &pdfPath, QWidget &window, const QString &name)
{
    expectWindowImagePage(pdfPath, window, name);
    const auto pages = rasterisePdf(pdfPath, 72);
    ASSERT_EQ(pages.size(), 1u);
    // The picture: everything on the page that is not paper white (the
    // window's ground is a light grey).
    const QRect printed = inkBox(pages[0], 250);
    ASSERT_GT(printed.width(), 100);
    // Both at a quarter of the page's size, where the smoothing of text and
    // lines no longer counts but every field, bar and grid row still does.
    const QSize size = printed.size() / 4;
    const QImage page = pages[0].copy(printed).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage shown =
        window.grab().toImage().scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const double difference = meanGreyDifference(page, shown);
    EXPECT_LT(difference, 6) << "the page does not show the window";
    // The same window upside down differs far more: the comparison sees
    // what is where.
    EXPECT_GT(meanGreyDifference(page, shown.mirrored(false, true)), 2 * difference + 4);
}

} // namespace optolune::test
