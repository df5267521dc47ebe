// SPDX-License-Identifier: GPL-3.0-or-later
// Downloaded bytes all the way into a dealt, drawn and dimmed puzzle board.
#include "game/board_renderer.h"
#include "game/shuffle.h"
#include "sources/jpeg_decoder.h"

#include <cstddef>
#include <cstdint>
#include <exception>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QImage picture;
    try {
        picture = sources::decodeJpegBytes(
            QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));
    } catch (const std::exception &) {
        return 0;
    }
    // The board steps cost time in proportion to the picture; past 4 megapixels they only
    // repeat the same loops for longer, and the fuzzer would spend its time there.
    if (qint64(picture.width()) * picture.height() > 4'000'000)
        return 0;
    // The grid and game type come from the input too, so every board shape gets tried.
    game::GameState state;
    state.rows = game::minGridSize + data[0] % (game::maxGridSize - game::minGridSize + 1);
    state.cols = game::minGridSize + data[size - 1] % (game::maxGridSize - game::minGridSize + 1);
    state.gameType = size % 2 ? game::SwapBlocks : game::MoveBlocks;
    game::randomBlocks(state, std::uint32_t(size));

    // Dimmed tiles darkened as they are drawn, as the window draws a still's board.
    QImage board;
    game::drawBoard(state, picture, game::DimTiles{picture, 100}, {true, true}, board);
    return 0;
}
