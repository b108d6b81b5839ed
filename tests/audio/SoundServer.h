// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// A PulseAudio server of one's own, in a folder of its own, that plays into
// a null sink at the pace of a sound card: music plays in real time on a
// machine without sound, the server can go away and come back, and its log
// tells when a stream ran dry.
#pragma once

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

class SoundServer {
public:
    static bool Installed() { return !QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty(); }

    SoundServer() { QDir(folder.path()).mkpath(QStringLiteral("runtime")); }
    ~SoundServer() { Stop(); }

    // Starts the server and waits until it takes clients.
    bool Start() {
        Stop();
        process = std::make_unique<QProcess>();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), folder.path());
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder.filePath(QStringLiteral("runtime")));
        process->setProcessEnvironment(environment);
        process->setStandardOutputFile(QProcess::nullDevice());
        process->setStandardErrorFile(QProcess::nullDevice());
        QFile::remove(Socket());
        process->start(QStringLiteral("pulseaudio"),
                       {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--system=no"),
                        QStringLiteral("--use-pid-file=no"), QStringLiteral("--exit-idle-time=-1"),
                        QStringLiteral("--log-level=debug"), QStringLiteral("--log-target=file:") + Log(),
                        QStringLiteral("--load=module-null-sink"),
                        QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 socket=") + Socket()});
        return QTest::qWaitFor(
                   [this] { return QFileInfo::exists(Socket()) || process->state() == QProcess::NotRunning; }, 10000) &&
               process->state() == QProcess::Running;
    }
    // Ends the server at once, as a crash would.
    void Stop() {
        if (!process || process->state() == QProcess::NotRunning) return;
        process->kill();
        process->waitForFinished();
    }
    // The server's address, for FluidSynth's audio.pulseaudio.server or the
    // PULSE_SERVER variable.
    QString Address() const { return QStringLiteral("unix:") + Socket(); }
    // How often a stream has run dry: the server had to play silence because
    // its client had not written in time.
    int Underruns() const {
        QFile log(Log());
        if (!log.open(QIODevice::ReadOnly)) return 0;
        return int(QString::fromLatin1(log.readAll()).count(QRegularExpression(QStringLiteral("[Uu]nderrun o[fn] '"))));
    }

private:
    QString Socket() const { return folder.filePath(QStringLiteral("native")); }
    QString Log() const { return folder.filePath(QStringLiteral("log")); }

    QTemporaryDir folder;
    std::unique_ptr<QProcess> process;
};
