// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The picture every game is cut from: reading, preparing, cutting.
#include "PictureFiles.h"
#include "game/BoardAccessible.h"
#include "game/Main.h"

#include "platform/PixelMemory.h"
#include "platform/WindowFrame.h"

#include <QFileInfo>
#include <QFrame>
#include <QStatusBar>
#include <QTimer>
#include <QWidget>

namespace {

// The folder part of a path: everything up to its last '\', '/' or ':'.
QString FolderOf(const QString& path) {
    const qsizetype end = std::max(
        {path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char(':'))});
    return end < 0 ? QString() : path.left(end + 1);
}

} // namespace

bool TFormMain::IsNumericName(const std::optional<QString>& name) {
    return name && name->compare(QLatin1String("Numeric"), Qt::CaseInsensitive) == 0;
}

bool TFormMain::OpenPicture(std::optional<QString> name) {
    Timer->stop();
    bool ok = false;
    {
        const WaitCursor waiting(*this);
        ok = LoadPicture(name, true);
        CreateBuffers();
        SetThumbnailPicture();
    }
    if (ok) {
        GameStopped = true;
        StartMusic();
        if (!IsNumericName(PictureName)) AddRecentPicture(1, *PictureName);
    } else {
        // The new, empty buffers show the background colour.
        RedrawBoard();
        ClientArea()->update();
    }
    ResetAssists();
    UpdateStatusBar();
    TrimPixelMemory();
    return ok;
}

bool TFormMain::LoadPicture(std::optional<QString> name, bool newGame) {
    if (name) {
        ReleasePictures();
        if (!ReadPicture(*name)) return false;
        PreparePicture();
        PictureName = std::move(name);
    }
    if (!Picture.isNull()) GameStopped = false;
    if (!newGame) return true;
    const bool built = BuildBoard();
    GameStopped = !built;
    EnableGameCommands(!Picture.isNull());
    return built;
}

bool KeptPicture::Holds(const QFileInfo& file) const {
    return !image.isNull() && file.absoluteFilePath() == path && file.size() == size && file.lastModified() == modified;
}

// Reads OrgPicture from the file at the size it will be shown, or takes it
// from the copy kept of the last file read when that file has not changed
// since and is shown at the same size.
PictureProblem TFormMain::ReadOrgPicture(const QString& name) {
    const QFileInfo file(name);
    const auto shown = [this](QSize own) { return FitView(own).Map(own); };
    if (Kept.Holds(file) && Kept.image.size() == shown(Kept.own)) {
        OrgPicture = Kept.image;
        ReadSize = Kept.own;
        return PictureProblem::None;
    }
    Kept = KeptPicture(); // its memory goes before the next picture is decoded
    if (!name.contains(QLatin1Char('.'))) return PictureProblem::NotAPicture;
    // While the file is decoded, the memory of the two pictures and of a new
    // back buffer is made ready.
    PictureResult read = ReadPictureFile(name, [&](QSize own) {
        const QSize size = shown(own);
        std::vector<ImageShape> images(2, {size.width(), size.height(), QImage::Format_RGB888});
        if (BackBuffer.size() != size)
            images.push_back({size.width(), size.height(), QImage::Format_RGB32});
        ReservePixelMemory(images);
        return size;
    });
    if (read.problem != PictureProblem::None) return read.problem;
    // On a screen of more device pixels than the picture has, it is held
    // larger, smoothly, so that the board is drawn at the screen's pixels.
    const QSize held = shown(read.size);
    if (read.image.size() != held)
        read.image = read.image.scaled(held, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                         .convertToFormat(QImage::Format_RGB888);
    OrgPicture = std::move(read.image);
    ReadSize = read.size;
    Kept = KeptPicture{file.absoluteFilePath(), file.size(), file.lastModified(), OrgPicture, ReadSize};
    return PictureProblem::None;
}

QString TFormMain::ReadPictureData(const QString& name) {
    const QString unable = tr("Unable to open %1.").arg(name);
    PictureScalable = !IsNumericName(name);
    if (IsNumericName(name)) {
        Kept = KeptPicture();
        DrawNumericPicture();
        if (Picture.isNull()) return unable;
    } else {
        const PictureProblem problem = ReadOrgPicture(name);
        if (problem != PictureProblem::None) return unable + QLatin1Char('\n') + ProblemText(problem);
        Picture = CopyImage(OrgPicture);
    }
    if (Picture.isNull() || (PictureScalable && OrgPicture.isNull()))
        return unable + QLatin1Char('\n') + ProblemText(PictureProblem::TooLarge);
    if (ReadSize.width() < Puzzle->GetColumns() || ReadSize.height() < Puzzle->GetRows())
        return tr("The picture %1 is too small to be cut into %2 x %3 pieces.")
            .arg(name, QString::number(Puzzle->GetRows()), QString::number(Puzzle->GetColumns()));
    return QString();
}

bool TFormMain::ReadPicture(QString name) {
    QString problem;
    try {
        problem = ReadPictureData(name);
    } catch (const std::bad_alloc&) { problem = tr("Unable to open %1.").arg(name); }
    if (problem.isEmpty()) return true;

    Picture = QImage();
    OrgPicture = QImage();
    SetThumbnailPicture();
    ShowError(problem);
    RedrawBoard();
    ClientArea()->update();
    PictureName.reset();
    EnableGameCommands(false);
    UpdateStatusBar();
    return false;
}

void TFormMain::PreparePicture() {
    PictureWidth = ReadSize.width();
    PictureHeight = ReadSize.height();
    SizeWindowFor(ReadSize);
}

void TFormMain::SizeWindowFor(QSize picture) {
    View = FitView(picture);
    // The view is decided here: a stretch still waiting for the window to
    // keep its size is over (it would draw the board again, unchanged).
    SettleTimer->stop();
    Stretched.reset();
    // A small picture still leaves room for the whole tool bar and menu bar;
    // the board keeps its place and the rest shows the background colour.
    const QSize least = LeastClientSize(), shown = View.ToLogical(QRect(QPoint(), View.Map(picture))).size();
    SetClientSize(std::max(shown.width() + PanelToolbar->width(), least.width()),
                  std::max(shown.height() + StatusBar->height(), least.height()));
    PlaceWindowForBoard(shown);
}

// Whatever opened the picture (a picture, a saved game, a restart), the
// window sized for it is placed by these rules. Its frame counts: until the
// window manager has framed the window it is unknown, and the window is
// placed again once it is known.
void TFormMain::PlaceWindowForBoard(QSize shown) {
    if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) return;
    const QSize screen = Services.screen.PrimarySize();
    const QSize outer = size() + (frameGeometry().size() - geometry().size());
    if (!IsFramed(*this)) WhenFramed(*this, [this] { PlaceWindowForBoard(ShownBoardSize()); });
    // A window made to fit the work area goes into it; one shown 1:1 that
    // would reach past the screen is centred on the desktop.
    if (!View.IsIdentity()) {
        const QRect work = Services.screen.WorkArea();
        move(work.x() + std::max(0, (work.width() - outer.width()) / 2),
             work.y() + std::max(0, (work.height() - outer.height()) / 2));
    } else if (shown.width() + x() + 25 > screen.width() || shown.height() + y() + 25 > screen.height()) {
        const QRect desktop = Services.screen.VirtualDesktop();
        move(desktop.x() + std::max(0, (desktop.width() - outer.width()) / 2),
             desktop.y() + std::max(0, (desktop.height() - outer.height()) / 2));
    }
}

void TFormMain::ReleasePictures() {
    // The back buffer of the empty board covers the whole work area: it goes
    // before the next picture is decoded. A picture's is kept, as the next
    // picture often has the same size.
    if (Picture.isNull()) BackBuffer = QImage();
    Picture = QImage();
    OrgPicture = QImage();
    // A discarded game keeps the time it had: the time of its pause when it
    // is paused (the question that discards it may have stood open a while).
    if (!GameStopped && !ClockPaused) StopTick = Services.clock.TickCount();
    GameStopped = true;
}

bool TFormMain::BuildBoard() {
    if (Picture.isNull()) return false;
    if (View.IsIdentity()) {
        Puzzle->CutPicture(Picture, Level);
        DrawPieceNumbers();
    } else {
        // The board is cut in picture pixels; its stones and edges are drawn
        // into the picture held at the shown size.
        Puzzle->CutGrid(PictureWidth, PictureHeight, Level);
        DrawPictureBevels();
    }
    CreateBuffers(); // sized to the new picture before they are drawn
    RedrawBoard();
    // A maximised or full-screen window keeps its size: the board fits it.
    if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) Rescale();
    ClientArea()->update();
    Cells->TellBoardChanged({});
    return true;
}

void TFormMain::OpenimageMenuClick() {
    if (!QuerySave()) return;
    // The picture's folder; the numeric picture has none, so the dialog starts
    // where it started first.
    OpenPictureDialog.initialFolder =
        IsNumericName(PictureName) || !PictureName ? PicturesFolder : FolderOf(*PictureName);
    const std::optional<QString> chosen = Services.dialogs.OpenFile(this, OpenPictureDialog);
    if (!chosen) return;
    AddRecentPicture(1, *chosen);
    GameFileName.reset();
    OpenPicture(*chosen);
    UpdateStatusBar();
}
