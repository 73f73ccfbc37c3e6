// The table window's print commands: ImprBtn and "Imprimer" (Ctrl+P), and
// the two items that go beside them in "Fichier": the print preview and the
// PDF export.
#include "calculprof.h"

#include "tableprinting.h"
#include "core/widgets.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QToolButton>

namespace optolune {

void TFormCalculProf::connectPrinting()
{
    connect(findChild<QToolButton *>(QStringLiteral("ImprBtn")), &QToolButton::clicked, this,
            [this] { printTable(int(TableOutput::Printer)); });
    QAction *print = findChild<QAction *>(QStringLiteral("FileSaveAsItem"));
    connect(print, &QAction::triggered, this, [this] { printTable(int(TableOutput::Printer)); });

    // After "Imprimer" in the menu "Fichier".
    QMenu *file = findChild<QMenu *>(QStringLiteral("File1"));
    const QList<QAction *> items = file->actions();
    const qsizetype at = items.indexOf(print);
    QAction *before = at >= 0 && at + 1 < items.size() ? items[at + 1] : nullptr;
    const auto addItem = [&](const char *name, const QString &caption, TableOutput output) {
        auto *action = new QAction(caption, file);
        action->setObjectName(QString::fromLatin1(name));
        file->insertAction(before, action);
        connect(action, &QAction::triggered, this, [this, output] { printTable(int(output)); });
    };
    addItem("ApercuAvantImpression", QStringLiteral("Aperçu avant impression"), TableOutput::Preview);
    addItem("ExporterPdf", QStringLiteral("Exporter en PDF..."), TableOutput::Pdf);
}

void TFormCalculProf::printTable(int output)
{
    // The table printed is the one the fields give now; when the refresh
    // stops (an empty list) its message ends the command.
    if (!refresh())
        return;
    guarded([&] {
        RunTablePrint(TableOutput(output), this, m_state, m_table,
                      m_fields.checkComment->isChecked());
    });
}

} // namespace optolune
