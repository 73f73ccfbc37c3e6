// Makes a folder read-only for the life of the object, also for root (the CI
// runs as root, whom permission bits do not stop): the write bits are taken
// away and, when the folder can still be written, it is marked immutable.
// isReadOnly() says whether either worked; a test that needs it skips
// otherwise.
#pragma once

#include <QString>

namespace optolune::test {

class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString &folder);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder &) = delete;
    ReadOnlyFolder &operator=(const ReadOnlyFolder &) = delete;

    bool isReadOnly() const { return m_readOnly; }

private:
    QString m_folder;
    bool m_immutable = false;
    bool m_readOnly = false;
};

} // namespace optolune::test
