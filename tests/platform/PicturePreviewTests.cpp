// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "pictures/PictureMaker.h"
#include "platform/Dialogs.h"

#include <QLineEdit>
#include <QFileDialog>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

// Moving through the files shows each picture fitted into the panel with its
// size, and nothing for a file that is no picture.
TEST(PicturePreview, FollowsTheFileChosenInTheDialog) {
    QTemporaryDir folder;
    ASSERT_TRUE(PatternImage(640, 480).save(folder.filePath(QStringLiteral("a.png"))));
    WriteBytes(folder.filePath(QStringLiteral("b.png")), "not a picture");
    QStringList asked;
    QFileDialog dialog;
    dialog.setDirectory(folder.path());
    PicturePreview* preview = AddPicturePreview(dialog, [&](const QString& path, QSize box) {
        asked << path;
        const QImage image(path);
        return FilePreview{image.isNull() ? QImage() : image.scaled(box, Qt::KeepAspectRatio), image.size()};
    });
    ASSERT_NE(preview, nullptr);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(name, nullptr);
    QTest::keyClicks(name, QStringLiteral("a.png"));

    EXPECT_EQ(preview->Size->text(), QStringLiteral("640 x 480 pixels"));
    const QSize shown = preview->Picture->pixmap().size();
    EXPECT_EQ(shown.width(), PicturePreview::Side - 4);
    EXPECT_EQ(shown.height(), (PicturePreview::Side - 4) * 3 / 4);
    name->setText(QStringLiteral("b.png"));
    EXPECT_EQ(asked.last(), folder.filePath(QStringLiteral("b.png")));
    EXPECT_TRUE(preview->Picture->pixmap().isNull());
    EXPECT_TRUE(preview->Size->text().isEmpty());
}
