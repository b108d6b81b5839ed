// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Runs the window tests headless, at one device pixel per pixel.
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
// The offscreen platform says on every dialog that it ignores size hints.
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.contains(QLatin1String("propagateSizeHints")))
        return;
    qt_message_output(type, context, text);
}
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCREEN_SCALE_FACTORS", "1");
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qInstallMessageHandler(QuietMessages);
    // The player's own folders (the autosave among them) are never touched.
    const QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", dataHome.path().toUtf8());
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
