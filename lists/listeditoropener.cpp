#include "listeditoropener.h"

#include "defaultlists.h"
#include "listes.h"

namespace optolune {

namespace {

ListEditorOpener &installedOpener()
{
    static ListEditorOpener opener;
    return opener;
}

} // namespace

bool OpenListEditor(const ListEditorRequest &request)
{
    const ListEditorOpener &opener = installedOpener();
    return opener ? opener(request) : ShowListEditor(request);
}

ListEditorOpener setListEditorOpener(ListEditorOpener opener)
{
    ListEditorOpener previous = std::move(installedOpener());
    installedOpener() = std::move(opener);
    return previous;
}

bool ShowListEditor(const ListEditorRequest &request)
{
    CurrentListKind() = ListPrefix(request.kind);
    TFormListes form(request.owner);
    form.setCaption(CallerCaption(request.kind));
    form.setRangeLine(RangeLine(request.tag, request.kind));
    form.setCallerTag(request.tag);
    form.setSectionControlsVisible(request.kind != ListKind::Dia);
    form.setTheoreticalButtonVisible(request.showTheoretical);
    form.setCurrentList(request.items);
    form.setReceiver(request.receiver);
    return form.exec() == QDialog::Accepted;
}

} // namespace optolune
