// SPDX-License-Identifier: GPL-3.0-or-later
// The throttled event pump: handling events on every row of a large picture would cost more
// than the darkening itself.
#include "app/widgets/event_pump.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <memory>

game::RowBreak eventPumpBetweenRows()
{
    auto sinceLast = std::make_shared<QElapsedTimer>();
    sinceLast->start();
    return [sinceLast] {
        if (sinceLast->elapsed() < 30)
            return;
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        sinceLast->restart();
    };
}
