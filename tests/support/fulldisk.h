// Stands in for a full disk: while an object lives, every save the program
// commits fails as a full disk makes it fail, after the bytes were written to
// the temporary file.
#pragma once

#include "core/textfile.h"
#include "scopedopener.h"

#include <QSaveFile>

namespace optolune::test {

class FullDisk {
private:
    ScopedOpener<SaveCommitter> m_committer{setSaveCommitter, [](QSaveFile &file) {
                                                file.cancelWriting();
                                                (void)file.commit();
                                                return false;
                                            }};
};

} // namespace optolune::test
