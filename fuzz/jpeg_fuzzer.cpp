// SPDX-License-Identifier: GPL-3.0-or-later
// JPEG bytes through the libjpeg-turbo decoder, as a downloaded picture reaches it.
#include "sources/jpeg_decoder.h"

#include <cstddef>
#include <cstdint>
#include <exception>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    try {
        const QImage picture = sources::decodeJpegBytes(
            QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));
        (void)picture.constBits();
    } catch (const std::exception &) {
        // A refused file is the expected outcome for most inputs.
    }
    return 0;
}
