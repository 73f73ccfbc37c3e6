// Stands in for the list editor while it lives: keeps every request the
// windows make and answers each with `answer`, handed to the request's
// receiver as the editor's Ok does (only when the receiver accepts the kind),
// or as Cancel while `answer` is empty.
#pragma once

#include "lists/listeditoropener.h"
#include "scopedopener.h"

#include <optional>
#include <vector>

namespace optolune::test {

class ScriptedListEditor {
public:
    std::vector<ListEditorRequest> requests;
    std::optional<QStringList> answer;

private:
    ScopedOpener<ListEditorOpener> m_opener{setListEditorOpener, [this](const ListEditorRequest &request) {
        requests.push_back(request);
        if (answer)
            HandBack(request.kind, *answer, request.receiver);
        return answer.has_value();
    }};
};

} // namespace optolune::test
