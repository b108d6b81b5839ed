// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The saved-game reader: any bytes give contents or a problem; a game that
// loads saves and reloads the same, byte for byte.
#include "FuzzCheck.h"
#include "engine/Puzzle.h"
#include "storage/GameFile.h"

#include <QBuffer>

namespace {

GameFileContents Read(QByteArray bytes) {
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    return ReadGameFile(device);
}

// The board as the window sets it up from a game (the picture aside).
void Load(const TSavedGame& game, TPuzzle& board) {
    board.SetFlag(game.header.flag);
    board.SetSize(game.header.columns, game.header.rows);
    RestoreTiles(game, board);
}

QByteArray Encoded(const TSavedGame& game) { return game.header.Encode() + game.EncodeTiles(); }

int Level(int stored) { return stored >= 1 && stored <= 3 ? stored : 3; }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const GameFileContents read = Read(InputBytes(data, size));
    if (read.problem == GameFileProblem::Short || read.problem == GameFileProblem::NotOurs) return 0;
    const TSavedGame& game = read.game;
    FUZZ_CHECK(game.Columns() >= TPuzzle::MinSize && game.Columns() <= TPuzzle::MaxSize);
    FUZZ_CHECK(game.Rows() >= TPuzzle::MinSize && game.Rows() <= TPuzzle::MaxSize);
    if (read.problem == GameFileProblem::Corrupted) return 0;
    FUZZ_CHECK(qsizetype(game.tiles.size()) == qsizetype(game.Columns()) * game.Rows());
    // The game cannot save a name that fills the whole field.
    if (game.header.pictureName.size() >= TGameFileHeader::NameField) return 0;

    TPuzzle board(0, 0);
    Load(game, board);
    FUZZ_CHECK(board.GetBlankColumn() >= 0 && board.GetBlankRow() >= 0);
    const QByteArray saved =
        Encoded(SavedGameOf(board, game.header.pictureName, game.header.elapsedSeconds, Level(game.header.level)));
    FUZZ_CHECK(saved.size() == TGameFileHeader::Size + qsizetype(game.tiles.size()) * TGameFileTile::Size);

    const GameFileContents reread = Read(saved);
    FUZZ_CHECK(reread.problem == GameFileProblem::None);
    FUZZ_CHECK(reread.game.header.pictureName == game.header.pictureName);
    FUZZ_CHECK(reread.game.header.elapsedSeconds == game.header.elapsedSeconds);
    TPuzzle again(0, 0);
    Load(reread.game, again);
    FUZZ_CHECK(again.GetBlankColumn() == board.GetBlankColumn() && again.GetBlankRow() == board.GetBlankRow());
    FUZZ_CHECK(Encoded(SavedGameOf(again, game.header.pictureName, game.header.elapsedSeconds,
                                   Level(reread.game.header.level))) == saved);
    return 0;
}
