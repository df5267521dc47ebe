// SPDX-License-Identifier: GPL-3.0-or-later
// The progress gauge laid over the time panel during downloads and page loads.
#pragma once

#include <QWidget>

class ProgressGauge : public QWidget
{
    Q_OBJECT

  public:
    // Covers panel exactly and follows its size.
    explicit ProgressGauge(QWidget *panel);

    qint64 maximum() const { return m_maximum; }
    qint64 value() const { return m_value; }
    void setMaximum(qint64 maximum);
    // Clamped between 0 and the maximum.
    void setValue(qint64 value);
    // The whole percentage done and "%"; "0%" while the maximum is 0.
    QString text() const;

  protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    qint64 m_maximum = 100;
    qint64 m_value = 0;
};
