// SPDX-License-Identifier: GPL-3.0-or-later
// Every real-world picture through the whole open path: a game or a clean failure, never a
// crash, and a failure leaves the previous game alone.
#include "window_fixture.h"

#include "support/corpus.h"

#include <QDir>

TEST_F(WindowTest, EveryCorpusPictureOpensOrFailsCleanly)
{
    PINDREL_REQUIRE_CORPUS(corpus);
    int opened = 0, refused = 0;
    for (const char *kind : {"jpeg", "bmp", "png", "gif", "webp", "tiff"}) {
        const QDir folder(QDir(corpus).filePath(QLatin1String(kind)));
        for (const QString &name : folder.entryList(QDir::Files, QDir::Name)) {
            const std::vector<int> before = window->session().state().blockList;
            const QSize sizeBefore = window->boardView().solutionPicture().size();
            try {
                window->openPuzzle(folder.filePath(name));
            } catch (const std::exception &failure) {
                ++refused;
                EXPECT_EQ(window->session().state().blockList, before) << name.toStdString();
                EXPECT_EQ(window->boardView().solutionPicture().size(), sizeBefore)
                    << name.toStdString();
                EXPECT_STRNE(failure.what(), "") << name.toStdString();
                continue;
            }
            ++opened;
            const QSize size = window->boardView().solutionPicture().size();
            EXPECT_FALSE(size.isEmpty()) << name.toStdString();
            EXPECT_EQ(window->boardView().boardPicture().size(), size) << name.toStdString();
            EXPECT_EQ(window->boardView().dimPicture().size(), size) << name.toStdString();
            EXPECT_EQ(window->session().state().blockList.size(), 16u);
            EXPECT_TRUE(board()->isVisible());
        }
    }
    // The corpus holds every kind; a decoder that refused everything would fail here.
    EXPECT_GT(opened, 105);
    EXPECT_GT(refused, 25);
}
