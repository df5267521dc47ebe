// SPDX-License-Identifier: GPL-3.0-or-later
// Bytes as a BMP file through the BMP reader, size checks included.
#include "bytes_file.h"
#include "sources/bmp_decoder.h"

#include <exception>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const fuzz::BytesFile file(data, size);
    try {
        const QImage picture = sources::decodeBmpFile(file.path());
        (void)picture.constBits();
    } catch (const std::exception &) {
    }
    return 0;
}
