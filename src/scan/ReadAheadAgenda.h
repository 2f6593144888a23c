// The read-ahead's unfinished folders in the order a depth-first scan needs them (each folder's
// sub-folders join it just before their parent), linked through the tasks themselves so that
// queueing a folder allocates nothing. Guarded by the engine's mutex.
#pragma once

#include "scan/ReadAheadTask.h"

namespace quillet {

class ReadAheadAgenda {
public:
    Task* First() const { return First_; }

    // Puts task before next, or last when next is null.
    void Insert(Task& task, Task* next) {
        Task* prev = next ? next->AgendaPrev : Last_;
        task.AgendaPrev = prev;
        task.AgendaNext = next;
        (prev ? prev->AgendaNext : First_) = &task;
        (next ? next->AgendaPrev : Last_) = &task;
        task.Queued = true;
    }

    void Erase(Task& task) {
        if (!task.Queued) return;
        (task.AgendaPrev ? task.AgendaPrev->AgendaNext : First_) = task.AgendaNext;
        (task.AgendaNext ? task.AgendaNext->AgendaPrev : Last_) = task.AgendaPrev;
        task.AgendaPrev = task.AgendaNext = nullptr;
        task.Queued = false;
    }

private:
    Task* First_ = nullptr;
    Task* Last_ = nullptr;
};

}  // namespace quillet
