#include "core/focus_presenter.h"

#include <mutex>

#include "core/clock.h"
#include "core/focus_data.h"
#include "core/worker_loop.h"
#include "toolkit/toolkit.h"
#include "ui/main_window_controls.h"

namespace {
constexpr int kPaceMs = 50;
}

void FocusPresenterTurn() {
    if (PendingQueue->Count() == 0) return;
    const FocusRecord record = PendingQueue->First();  // stays queued while it is shown

    SetLabelCaption(标签_句柄, FormatHandle(record.handle).c_str());
    SetLabelCaption(标签_类名, record.className.c_str());
    SetLabelCaption(标签_名称, record.title.c_str());
    SetLabelCaption(标签_路径, record.programPath.c_str());

    const Text line = FormatLogLine(record);
    {
        // Held across append and trim, so a reader never sees 21 lines.
        std::lock_guard<LineLog> hold(*ActivityLog);
        ActivityLog->AppendLine(line);
        if (ActivityLog->Count() > static_cast<std::size_t>(ActivityLogLimit)) ActivityLog->RemoveFirst();
    }
    PendingQueue->RemoveFirst();
}

void FocusPresenter() {
    WorkerLoop loop;
    while (loop.Continue()) {
        FocusPresenterTurn();
        PacedWait(kPaceMs);
    }
}
