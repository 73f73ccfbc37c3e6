// Makes the screen print (a window's "Impression d'écran" button) write a PDF
// file instead of printing, while the object lives.
#pragma once

#include "print/screenprint.h"
#include "scopedopener.h"

#include <QPrinter>
#include <QString>
#include <memory>

namespace optolune::test {

class ScreenPrintToPdf {
public:
    explicit ScreenPrintToPdf(const QString &pdfPath)
        : m_factory(setScreenPrinterFactory, [pdfPath] {
              auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
              printer->setOutputFormat(QPrinter::PdfFormat);
              printer->setOutputFileName(pdfPath);
              return printer;
          })
    {
    }

private:
    ScopedOpener<ScreenPrinterFactory> m_factory;
};

} // namespace optolune::test
