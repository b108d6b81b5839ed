// Solves a board on a thread of its own and hands the result to the
// user-interface thread, so that the window stays responsive meanwhile.
#pragma once

#include "engine/Solver.h"

#include <QObject>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

class TPuzzle;

class TBackgroundSolve : public QObject {
public:
    using Done = std::function<void(const std::optional<Solution>&)>;

    TBackgroundSolve() = default;
    // Waits for the threads still solving (each within its budget).
    ~TBackgroundSolve() override;

    // Solves a copy of the board; `done` runs on this object's thread with
    // the result, unless the solve is cancelled or another one starts first.
    void Start(const TPuzzle& board, std::chrono::milliseconds budget, Done done);
    // The running solve's result is dropped; its thread ends by itself.
    void Cancel();
    bool Running() const { return running; }

private:
    void Finish(unsigned generation, const std::optional<Solution>& result);

    struct Worker {
        std::thread thread;
        std::shared_ptr<std::atomic<bool>> finished;
    };
    void JoinFinished();

    std::vector<Worker> workers;
    unsigned generation = 0;
    bool running = false;
    Done done;
};
