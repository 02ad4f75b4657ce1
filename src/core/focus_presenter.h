// The worker that shows queued records: one record per 50 ms turn goes to the
// four value labels and, as a line, into the ActivityLog (at most 20 lines);
// the record leaves the queue last.
#pragma once

void FocusPresenter();      // the thread's body; loops until the program ends
void FocusPresenterTurn();  // one turn, without the wait
