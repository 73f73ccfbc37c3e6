#include "screenprint.h"

#include "core/messages.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

namespace optolune {

namespace {

ScreenPrinterFactory &factory()
{
    static ScreenPrinterFactory current;
    return current;
}

// What the user knows the printer by: its name, or the file it writes.
QString printerLabel(const QPrinter &printer)
{
    if (!printer.outputFileName().isEmpty())
        return printer.outputFileName();
    return printer.printerName();
}

} // namespace

ScreenPrinterFactory setScreenPrinterFactory(ScreenPrinterFactory f)
{
    ScreenPrinterFactory previous = std::move(factory());
    factory() = std::move(f);
    return previous;
}

void ReportPrintStartFailure(const QPrinter &printer)
{
    const QString label = printerLabel(printer);
    messages().warning(label.isEmpty()
                           ? QCoreApplication::translate("ScreenPrint", "Impossible de lancer l'impression.")
                           : QCoreApplication::translate("ScreenPrint", "Impossible de lancer l'impression sur %1.")
                                 .arg(QuotedForMessage(label)));
}

void ReportPrintEndFailure()
{
    messages().warning(QCoreApplication::translate("ScreenPrint", "L'impression n'a pas pu être terminée."));
}

std::unique_ptr<QPrinter> DefaultScreenPrinter()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        messages().information(
            QCoreApplication::translate("ScreenPrint", "Aucune imprimante par défaut n'est installée : impossible d'imprimer."));
        return nullptr;
    }
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

bool PrintWindowImage(QWidget *window)
{
    if (!window)
        return false;
    // The image first: the window as the user sees it now, before anything
    // the printing may show over it.
    const QPixmap image = window->grab();
    std::unique_ptr<QPrinter> printer = factory() ? factory()() : DefaultScreenPrinter();
    if (!printer)
        return false;
    printer->setDocName(window->windowTitle());

    QPainter painter;
    if (!painter.begin(printer.get())) {
        ReportPrintStartFailure(*printer);
        return false;
    }
    // The painter's origin is the corner of the printable area.
    const QRectF area(QPointF(0, 0), printer->pageLayout()
                                         .paintRectPixels(printer->resolution())
                                         .size());
    const QSizeF source = image.deviceIndependentSize();
    if (!source.isEmpty() && !area.isEmpty()) {
        const qreal scale = std::min(area.width() / source.width(), area.height() / source.height());
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(QRectF(area.topLeft(), source * scale), image, QRectF(image.rect()));
    }
    if (!painter.end()) {
        ReportPrintEndFailure();
        return false;
    }
    return true;
}

} // namespace optolune
