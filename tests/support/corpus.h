// Where the shared real-world media files are, for tests that read them.
#pragma once

#include <QString>

namespace testsupport {

// PINDREL_CORPUS, else the corpus beside the project; empty when neither exists.
QString corpusDir();

// Skips the calling test with a message when the corpus is missing.
#define PINDREL_REQUIRE_CORPUS(dir)                                                                \
    const QString dir = testsupport::corpusDir();                                                  \
    if (dir.isEmpty())                                                                             \
    GTEST_SKIP() << "no media corpus: set PINDREL_CORPUS"

} // namespace testsupport
