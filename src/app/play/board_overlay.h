// SPDX-License-Identifier: GPL-3.0-or-later
// Frames drawn over the board control, above the board picture: the keyboard's cursor and
// a hint. The board picture itself is left untouched.
#pragma once

#include <QWidget>

class PictureView;

class BoardOverlay : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int cursorCell READ cursorCell)

  public:
    // Lies over the board and follows its size.
    explicit BoardOverlay(PictureView *board);

    void setGrid(int rows, int cols);
    // 1-based cells; -1 for none.
    void setCursorCell(int cell);
    void setHint(int tileCell, int targetCell);
    int cursorCell() const { return m_cursorCell; }
    int hintTileCell() const { return m_hintTile; }
    int hintTargetCell() const { return m_hintTarget; }

    // Distinct from the yellow and red frames of the selection.
    static constexpr QRgb cursorColour = 0xff00e0ff;
    static constexpr QRgb hintColour = 0xff40ff40;

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

  private:
    // Where the cell shows on the screen.
    QRectF cellRect(int cell) const;

    PictureView *m_board;
    int m_rows = 4;
    int m_cols = 4;
    int m_cursorCell = -1;
    int m_hintTile = -1;
    int m_hintTarget = -1;
};
