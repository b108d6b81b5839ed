// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// One piece of work at a time on a thread of its own, its result handed to
// the user-interface thread, so that the window stays responsive meanwhile.
#pragma once

#include <QMetaObject>
#include <QObject>
#include <functional>
#include <stop_token>
#include <thread>
#include <utility>

template <typename Result>
class TBackgroundWork : public QObject {
public:
    using Work = std::function<Result(std::stop_token)>;
    using Done = std::function<void(const Result&)>;

    TBackgroundWork() = default;
    // Stops the work and waits for its thread.
    ~TBackgroundWork() override {
        Cancel();
        if (worker.joinable()) worker.join();
    }

    // Runs `work`; `done` runs on this object's thread with its result,
    // unless the work is cancelled first. Work still running is stopped and
    // waited for.
    void Start(Work work, Done whenDone) {
        Cancel();
        if (worker.joinable()) worker.join();
        done = std::move(whenDone);
        const unsigned ticket = ++generation;
        // The result is posted to this object; the destructor stops and joins
        // the thread first, so the object is alive whenever the post is made.
        worker = std::jthread([this, ticket, work = std::move(work)](std::stop_token stop) {
            Result result = work(stop);
            if (stop.stop_requested()) return;
            QMetaObject::invokeMethod(
                this, [this, ticket, result = std::move(result)] { Finish(ticket, result); }, Qt::QueuedConnection);
        });
    }
    // Stops the running work; its result is dropped.
    void Cancel() {
        worker.request_stop();
        ++generation;
        done = nullptr;
    }
    bool Running() const { return bool(done); }

private:
    void Finish(unsigned ticket, const Result& result) {
        if (ticket != generation || !done) return;
        Done handler = std::exchange(done, nullptr);
        handler(result);
    }

    std::jthread worker;
    unsigned generation = 0;
    Done done;
};
