// SPDX-License-Identifier: GPL-3.0-or-later
// Checks of a video source's frames shared by the corpus tests: every frame in order, then a
// spread of them out of order, which must come out the same; and how far two pictures differ.
#pragma once

#include "video/video_source.h"

#include <QHash>
#include <QImage>

namespace videotest {

// What every corpus file's stream states: numbered from 0, its length and size, a frame
// rate, and whether it has sound.
void expectStreamFacts(video::VideoSource &media, qint32 length, QSize size, bool audio);

// Hashes of the visible pixels of every frame read in order (0 for a null frame), after
// checking each non-null one has the stream's size and format (every one, with allDecode).
QHash<qint32, size_t> framesInOrder(video::VideoSource &media, bool allDecode);

// Reads a spread of frames out of order, from the start and from the end, and expects each to
// match its hash from inOrder (with `exact` off, only to decode when it decoded in order).
void expectSameOutOfOrder(video::VideoSource &media, const QHash<qint32, size_t> &inOrder,
                          bool exact = true);

// The mean difference of the red, green and blue levels of two pictures of the same size.
double meanChannelDifference(const QImage &a, const QImage &b);

} // namespace videotest
