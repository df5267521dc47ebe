// SPDX-License-Identifier: GPL-3.0-or-later
// Test entry for tests that need widgets: the game's own application object for the run.
#include "app/pindrel_application.h"

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    PindrelApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
