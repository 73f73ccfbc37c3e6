#include "listeditoropener.h"

#include "defaultlists.h"
#include "listeditordialog.h"
#include "core/opener.h"

namespace optolune {

namespace {

ReplaceableOpener<bool(const ListEditorRequest &)> &editorOpener()
{
    static ReplaceableOpener<bool(const ListEditorRequest &)> opener(ShowListEditor);
    return opener;
}

} // namespace

bool OpenListEditor(const ListEditorRequest &request) { return editorOpener().open(request); }

ListEditorOpener setListEditorOpener(ListEditorOpener opener)
{
    return editorOpener().replace(std::move(opener));
}

bool ShowListEditor(const ListEditorRequest &request)
{
    ListEditorDialog form(request.kind, request.owner);
    form.setCaption(CallerCaption(request.kind));
    form.setRangeLine(RangeLine(request.wording, request.kind));
    form.setWording(request.wording);
    form.setSectionControlsVisible(request.kind != ListKind::Dia);
    form.setTheoreticalButtonVisible(request.showTheoretical);
    form.setCurrentList(request.items);
    form.setReceiver(request.receiver);
    return form.exec() == QDialog::Accepted;
}

} // namespace optolune
