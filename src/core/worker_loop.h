// The lifetime of a worker's loop. Workers turn until the program ends; at exit
// the UI thread asks them to stop and waits, within a bound, until each has
// left its loop, so that nothing is released while a worker still uses it.
#pragma once

// Held by a worker for as long as it loops.
class WorkerLoop {
public:
    WorkerLoop();   // a worker that starts after the stop request never loops
    ~WorkerLoop();  // marks the worker as out of its loop
    WorkerLoop(const WorkerLoop&) = delete;
    WorkerLoop& operator=(const WorkerLoop&) = delete;

    bool Continue() const;  // false once the program has asked workers to stop

private:
    bool entered_;
};

// Asks every worker to leave its loop and waits up to boundMs for all to have
// left. True when none is left in a loop; false when one did not come to rest.
bool StopWorkers(int boundMs);
