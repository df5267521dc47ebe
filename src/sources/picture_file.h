// Opening a picture file for reading, for every decoder.
#pragma once

class QFile;

namespace sources {

// Opens the file read-only or throws DecodeError. Anything but a regular file (or a link to
// one) is refused before it is opened: opening a FIFO or a device can block for good.
void openPictureFile(QFile &file);

} // namespace sources
