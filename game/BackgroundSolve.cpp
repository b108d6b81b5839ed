#include "BackgroundSolve.h"

#include "engine/Puzzle.h"

#include <QMetaObject>

TBackgroundSolve::~TBackgroundSolve() {
    for (Worker& worker : workers) worker.thread.join();
}

void TBackgroundSolve::JoinFinished() {
    std::erase_if(workers, [](Worker& worker) {
        if (!*worker.finished) return false;
        worker.thread.join();
        return true;
    });
}

void TBackgroundSolve::Start(const TPuzzle& board, std::chrono::milliseconds budget, Done whenDone) {
    Cancel();
    JoinFinished();
    done = std::move(whenDone);
    running = true;
    const unsigned ticket = ++generation;
    auto finished = std::make_shared<std::atomic<bool>>(false);
    // The result is posted to this object; the destructor joins the thread
    // first, so the object is alive whenever the post is made.
    std::thread thread([this, ticket, finished, copy = TPuzzle(board), budget] {
        std::optional<Solution> result = SolveBoard(copy, budget);
        QMetaObject::invokeMethod(this, [this, ticket, result = std::move(result)] { Finish(ticket, result); },
                                  Qt::QueuedConnection);
        *finished = true;
    });
    workers.push_back({std::move(thread), std::move(finished)});
}

void TBackgroundSolve::Cancel() {
    ++generation;
    running = false;
    done = nullptr;
}

void TBackgroundSolve::Finish(unsigned ticket, const std::optional<Solution>& result) {
    if (ticket != generation || !done) return;
    running = false;
    Done handler = std::exchange(done, nullptr);
    handler(result);
}
