// SPDX-License-Identifier: GPL-3.0-or-later
// Bytes as a picture file through Qt's image readers (PNG, GIF, WebP, TIFF, ...), with our
// size checks and the EXIF search in PNG and WebP chunks.
#include "bytes_file.h"
#include "sources/other_picture_decoder.h"

#include <exception>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const fuzz::BytesFile file(data, size);
    try {
        const QImage picture = sources::decodeOtherPictureFile(file.path());
        (void)picture.constBits();
    } catch (const std::exception &) {
    }
    return 0;
}
