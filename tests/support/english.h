// Runs a test in English: the program's translation of the build tree and
// English numbers while the scope lives, French again after it.
#pragma once

namespace optolune::test {

class EnglishScope {
public:
    EnglishScope();  // fails the test when the translation cannot be loaded
    ~EnglishScope(); // back to French, the language every other test expects
    EnglishScope(const EnglishScope &) = delete;
    EnglishScope &operator=(const EnglishScope &) = delete;
};

} // namespace optolune::test
