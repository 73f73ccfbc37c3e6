// The screen print of every window: the window's image as it stands on the
// screen, printed on the default printer without a dialog.
#pragma once

#include <QString>
#include <functional>
#include <memory>

class QPrinter;
class QWidget;

namespace optolune {

// Makes the printer a screen print goes to, or returns nullptr (after saying
// why through messages()) when there is none. The program's factory takes the
// system's default printer; tests install one that writes a PDF file.
using ScreenPrinterFactory = std::function<std::unique_ptr<QPrinter>()>;

// Installs a factory and returns the previous one; an empty factory restores
// the default printer.
ScreenPrinterFactory setScreenPrinterFactory(ScreenPrinterFactory factory);

// The default printer of the system, or nullptr with the message
// "Aucune imprimante par défaut n'est installée : impossible d'imprimer."
std::unique_ptr<QPrinter> DefaultScreenPrinter();

// Tells the user that a print could not start on the printer (its name, or
// the file it writes), or could not be finished.
void ReportPrintStartFailure(const QPrinter &printer);
void ReportPrintEndFailure();

// Prints the window's image, scaled to the printable area of the page with
// its proportions kept, on the printer of the installed factory. A print
// that cannot start is reported; returns true when the page was printed.
bool PrintWindowImage(QWidget *window);

} // namespace optolune
