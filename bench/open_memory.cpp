// SPDX-License-Identifier: GPL-3.0-or-later
// Peak memory of opening a 6000 x 4000 JPEG, against the process's baseline.
#include "app/pindrel_application.h"
#include "app/window/mainform.h"
#include "large_picture.h"
#include "sources/picture_cover.h"
#include "support/process_status.h"

#include <cstdio>

int main(int argc, char **argv)
{
    // Offscreen unless asked otherwise: the screen's size decides how large a picture is decoded.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    PindrelApplication app(argc, argv);
    const QString path = writeLargeJpeg();
    TfrmMain window;
    QCoreApplication::processEvents();

    const qint64 baseline = statusBytes("VmRSS:");
    if (!resetPeakResident()) {
        std::fprintf(stderr, "cannot reset the peak of the resident set\n");
        return 2;
    }
    window.openPuzzle(path);
    const qint64 peak = statusBytes("VmHWM:");

    const double picture = 6000.0 * 4000.0 * 4.0;
    const double growth = double(peak - baseline) / picture;
    std::printf("baseline %.0f MiB, peak %.0f MiB: growth %.2f x picture (target <= 4.00) %s\n",
                baseline / 1048576.0, peak / 1048576.0, growth, growth <= 4.0 ? "met" : "MISSED");
    // The picture is decoded to cover the largest screen, so that is what the open should cost.
    const QSize screen = sources::largestScreenPixels();
    const double screenPicture = double(screen.width()) * screen.height() * 4.0;
    const double screens = double(peak - baseline) / screenPicture;
    std::printf("growth %.2f x a %dx%d screen's picture (target <= 1.50) %s\n", screens,
                screen.width(), screen.height(), screens <= 1.5 ? "met" : "MISSED");
    return growth <= 4.0 && screens <= 1.5 ? 0 : 1;
}
