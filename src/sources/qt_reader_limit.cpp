// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's allocation limit for its image readers, matched to ours.
#include "sources/qt_reader_limit.h"

#include "sources/picture_limits.h"

#include <QImageReader>

#include <mutex>

namespace sources {

void allowLargestPicture()
{
    static std::once_flag once;
    std::call_once(once, [] {
        const int current = QImageReader::allocationLimit();
        if (current != 0 && current < maxPictureMegabytes)
            QImageReader::setAllocationLimit(maxPictureMegabytes);
    });
}

} // namespace sources
