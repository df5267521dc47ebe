// SPDX-License-Identifier: GPL-3.0-or-later
// Where the shared real-world media files and fuzzing finds are, for tests that read them.
#pragma once

#include <QString>

namespace testsupport {

// PINDREL_CORPUS, else the corpus beside the project; empty when neither exists.
QString corpusDir();

// PINDREL_FUZZ_FINDS, else the fuzzing finds beside the corpus (one folder per input kind); empty
// when neither exists.
QString fuzzDir();

// Skips the calling test with a message when the corpus is missing.
#define PINDREL_REQUIRE_CORPUS(dir)                                                                \
    const QString dir = testsupport::corpusDir();                                                  \
    if (dir.isEmpty())                                                                             \
    GTEST_SKIP() << "no media corpus: set PINDREL_CORPUS"

// Skips the calling test with a message when the fuzzing finds are missing.
#define PINDREL_REQUIRE_FUZZ(dir)                                                                  \
    const QString dir = testsupport::fuzzDir();                                                    \
    if (dir.isEmpty())                                                                             \
    GTEST_SKIP() << "no fuzzing finds: set PINDREL_FUZZ_FINDS"

} // namespace testsupport
