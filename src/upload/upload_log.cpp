// UploadLog: batches of lines into the memo.
#include "upload/upload_log.h"

namespace fv {

UploadLog::UploadLog(Memo& memo) : memo_(memo) {
    timer_ = memo.Owner()->Make<Timer>(memo.Name() + "LogTimer", FlushIntervalMs, false);
    timer_->SetOnTimer([this](Component*) { Flush(); });
    memo.OnChange = [this](Component*) { MemoChanged(); };
}

void UploadLog::MemoChanged() {
    if (writing_) return;
    const std::vector<std::string> shown = memo_.Lines();
    lines_.assign(shown.begin(), shown.end());
    while (lines_.size() > MaxLines) lines_.pop_front();
}

void UploadLog::Add(std::string line) {
    lines_.push_back(std::move(line));
    if (lines_.size() > MaxLines) lines_.pop_front();
    pending_ = true;
    if (!timer_->Enabled()) timer_->SetEnabled(true);
}

void UploadLog::Flush() {
    timer_->SetEnabled(false);
    if (!pending_) return;
    pending_ = false;
    std::size_t size = 0;
    for (const std::string& l : lines_) size += l.size() + 2;
    std::string text;
    text.reserve(size);
    for (const std::string& l : lines_) text.append(l).append("\r\n");
    writing_ = true;
    memo_.SetText(text);
    writing_ = false;
    memo_.SetSelection(int(text.size()), 0);
}

}  // namespace fv
