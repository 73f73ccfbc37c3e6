#include "pdfpages.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace optolune::test {

std::vector<QImage> rasterisePdf(const QString &pdfPath, int dpi, const QString &name)
{
    std::vector<QImage> pages;
    QTemporaryDir out;
    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral("pdftoppm"),
                   {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(dpi), pdfPath,
                    out.filePath(QStringLiteral("page"))});
    if (!pdftoppm.waitForFinished(120000) || pdftoppm.exitCode() != 0) {
        ADD_FAILURE() << "pdftoppm failed on " << pdfPath.toStdString() << ": "
                      << pdftoppm.readAllStandardError().toStdString()
                      << pdftoppm.errorString().toStdString();
        return pages;
    }
    // pdftoppm numbers the pages with as many digits as the last one needs.
    QStringList files = QDir(out.path()).entryList({QStringLiteral("page-*.png")}, QDir::Files,
                                                   QDir::Name);
    const QString shots = qEnvironmentVariable("OPTOLUNE_SCREENSHOTS");
    for (const QString &file : files) {
        pages.emplace_back(out.filePath(file));
        if (!shots.isEmpty() && !name.isEmpty()) {
            QDir().mkpath(shots);
            pages.back().save(QDir(shots).filePath(
                QStringLiteral("%1-%2.png").arg(name).arg(pages.size(), 2, 10, QChar(u'0'))));
        }
    }
    return pages;
}

QStringList pdfPageTexts(const QString &pdfPath)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                     pdfPath, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(120000) || pdftotext.exitCode() != 0) {
        ADD_FAILURE() << "pdftotext failed on " << pdfPath.toStdString() << ": "
                      << pdftotext.readAllStandardError().toStdString();
        return {};
    }
    QStringList pages = QString::fromUtf8(pdftotext.readAllStandardOutput()).split(u'\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast(); // after the last page's form feed
    return pages;
}

QRect inkBox(const QImage &page, int threshold)
{
    int left = page.width(), top = page.height(), right = -1, bottom = -1;
    const QImage img = page.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            if (qGray(line[x]) < threshold) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0)
        return QRect();
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

int countColour(const QImage &page, QRgb colour, int tolerance)
{
    int count = 0;
    const QImage img = page.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = line[x];
            if (std::abs(qRed(p) - qRed(colour)) <= tolerance &&
                std::abs(qGreen(p) - qGreen(colour)) <= tolerance &&
                std::abs(qBlue(p) - qBlue(colour)) <= tolerance)
                ++count;
        }
    }
    return count;
}

} // namespace optolune::test
