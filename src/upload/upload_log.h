// UploadLog: the upload dialog's log of what the client says and does, shown in a memo.
//
// A big upload writes tens of thousands of lines. A memo keeps its text as one string that the screen
// shows whole, so adding the lines one by one would copy and redraw the whole log for every line. The log
// therefore hands its lines to the memo in batches, at most every FlushIntervalMs (and at once on Flush),
// and the memo shows the latest MaxLines lines, with the caret after the last one so that it is in view.
// Text put into the memo from outside (cleared before the dialog opens) is what the log goes on from.
#pragma once

#include <deque>
#include <string>

#include "platform/core/timer.h"
#include "platform/ui/memo.h"

namespace fv {

class UploadLog {
public:
    static constexpr int FlushIntervalMs = 100;
    static constexpr std::size_t MaxLines = 2000;

    // The timer is owned by the memo's owner and lives as long as the memo.
    explicit UploadLog(Memo& memo);

    void Add(std::string line);
    void Flush();
private:
    // The memo's text changed, by the log or from outside.
    void MemoChanged();

    Memo& memo_;
    Timer* timer_;
    std::deque<std::string> lines_;
    bool pending_ = false;
    bool writing_ = false;
};

}  // namespace fv
