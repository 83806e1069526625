#include "platform/operator_log.h"

#include <algorithm>
#include <chrono>
#include <ctime>

#include "platform/format.h"
#include "platform/local_time.h"

namespace vn {

LocalTimeOfDay CurrentLocalTimeOfDay() {
  const LocalDateTime now = CurrentLocalDateTime();
  return {now.hour, now.minute, now.second};
}

std::string TimeStamp(const LocalTimeOfDay& time) {
  return " (" + P2(time.hour) + ":" + P2(time.minute) + ":" + P2(time.second) + ")";
}

OperatorLog::OperatorLog(std::size_t maxLines)
    : maxLines_(std::max<std::size_t>(maxLines, 1)), timeSource_(CurrentLocalTimeOfDay) {}

void OperatorLog::Append(std::string_view text, bool withTime, bool newline) {
  std::string piece(text);
  Listener listener;
  {
    std::lock_guard lock(mutex_);
    if (withTime) piece += TimeStamp(timeSource_());
    openLine_ += piece;
    hasOpenLine_ = true;
    if (newline) {
      lines_.push_back(std::move(openLine_));
      openLine_.clear();
      hasOpenLine_ = false;
      while (lines_.size() > maxLines_) lines_.pop_front();
    }
    listener = listener_;
  }
  if (newline) piece += "\r\n";
  if (listener) listener(Event::Appended, piece);
}

void OperatorLog::Clear() {
  Listener listener;
  {
    std::lock_guard lock(mutex_);
    lines_.clear();
    openLine_.clear();
    hasOpenLine_ = false;
    listener = listener_;
  }
  if (listener) listener(Event::Cleared, {});
}

std::vector<std::string> OperatorLog::Lines() const {
  std::lock_guard lock(mutex_);
  std::vector<std::string> lines(lines_.begin(), lines_.end());
  if (hasOpenLine_) lines.push_back(openLine_);
  return lines;
}

std::string OperatorLog::Text() const {
  std::string text;
  for (const std::string& line : Lines()) {
    if (!text.empty()) text += "\r\n";
    text += line;
  }
  return text;
}

bool OperatorLog::Contains(std::string_view line) const {
  const std::vector<std::string> lines = Lines();
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

void OperatorLog::SetListener(Listener listener) {
  std::lock_guard lock(mutex_);
  listener_ = std::move(listener);
}

void OperatorLog::SetTimeSource(TimeOfDaySource source) {
  std::lock_guard lock(mutex_);
  timeSource_ = source ? std::move(source) : TimeOfDaySource(CurrentLocalTimeOfDay);
}

}  // namespace vn
