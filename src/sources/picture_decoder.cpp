// SPDX-License-Identifier: GPL-3.0-or-later
// A JPEG decode is tried first: it refuses anything that does not start like a JPEG at once.
#include "sources/picture_decoder.h"

#include "sources/decode_error.h"
#include "sources/jpeg_decoder.h"
#include "sources/other_picture_decoder.h"

namespace sources {

QImage decodePictureFile(const QString &path, QSize cover)
{
    try {
        return decodeJpegFileToCover(path, cover);
    } catch (const DecodeError &notJpeg) {
        try {
            return decodeOtherPictureFile(path, cover);
        } catch (const NotOtherPicture &) {
            throw notJpeg; // a broken JPEG says what broke it
        }
    }
}

} // namespace sources
