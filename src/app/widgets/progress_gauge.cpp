// SPDX-License-Identifier: GPL-3.0-or-later
// A navy bar on the button face with the percentage in its middle. Qt's own progress bar
// turns into a busy animation at maximum 0 and ignores values out of range; this one shows
// 0% and clamps.
#include "app/widgets/progress_gauge.h"

#include <QEvent>
#include <QPainter>

#include <algorithm>

ProgressGauge::ProgressGauge(QWidget *panel) : QWidget(panel)
{
    setGeometry(panel->rect());
    panel->installEventFilter(this);
}

void ProgressGauge::setMaximum(qint64 maximum)
{
    m_maximum = std::max<qint64>(maximum, 0);
    setValue(m_value);
}

void ProgressGauge::setValue(qint64 value)
{
    m_value = std::clamp<qint64>(value, 0, m_maximum);
    update();
}

QString ProgressGauge::text() const
{
    const qint64 percent = m_maximum > 0 ? m_value * 100 / m_maximum : 0;
    return QString::number(percent) + QLatin1Char('%');
}

void ProgressGauge::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    if (m_maximum > 0) {
        const int done = int(width() * m_value / m_maximum);
        painter.fillRect(0, 0, done, height(), QColor(0, 0, 128));
    }
    painter.setPen(Qt::white);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.drawText(rect(), Qt::AlignCenter, text());
}

bool ProgressGauge::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parent() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}
