#include "diagnostics.h"

#include "messages.h"

namespace optolune {

void ShowDiagnostics(const Diagnostics &list)
{
    for (const Diagnostic &d : list) {
        switch (d.kind) {
        case MessageKind::Information:
            messages().information(d.text);
            break;
        case MessageKind::Warning:
            messages().warning(d.text);
            break;
        case MessageKind::Plain:
            messages().plain(d.text);
            break;
        case MessageKind::Error:
            messages().error(d.text);
            break;
        }
    }
}

bool ConfirmThroughMessages(const Diagnostics &before, const QString &question)
{
    ShowDiagnostics(before);
    return messages().confirm(question);
}

} // namespace optolune
