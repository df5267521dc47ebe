// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's image readers may allocate as much as our own picture limits allow, and no more.
#pragma once

namespace sources {

// Raises Qt's process-wide allocation limit to the largest allowed picture, once; a limit
// somebody else set higher stays.
void allowLargestPicture();

} // namespace sources
