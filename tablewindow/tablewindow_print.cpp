// The table window's print commands: ImprBtn, and in "Fichier" "Imprimer"
// (Ctrl+P), the print preview and the PDF export (built with the menus).
#include "tablewindow.h"

#include "print/tableprinting.h"
#include "core/widgets.h"

#include <QCheckBox>
#include <QToolButton>

namespace optolune {

void TableWindow::connectPrinting()
{
    connect(m_buttons.print, &QToolButton::clicked, this,
            [this] { guarded([this] { printTable(int(TableOutput::Printer)); }); });
}

void TableWindow::printTable(int output)
{
    // The table printed is the one the fields give now; when the refresh
    // stops (an empty list) its message ends the command.
    if (!refresh())
        return;
    guarded([&] {
        RunTablePrint(TableOutput(output), this, m_state, table(),
                      m_fields.checkComment->isChecked());
    });
}

} // namespace optolune
