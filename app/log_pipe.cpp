#include "app/log_pipe.h"

#include <QMetaObject>
#include <QObject>

namespace vn::app {

std::shared_ptr<LogPipe> LogPipe::Create(QObject* receiver, Sink sink) {
  return std::shared_ptr<LogPipe>(new LogPipe(receiver, std::move(sink)));
}

void LogPipe::Push(OperatorLog::Event event, std::string_view text) {
  std::lock_guard lock(mutex_);
  if (receiver_ == nullptr) return;
  // Clearing makes everything before it moot.
  if (event == OperatorLog::Event::Cleared) queued_.clear();
  queued_.push_back({event, std::string(text)});
  if (flushPosted_) return;
  flushPosted_ = true;
  // Posting only queues an event; it is safe from any thread while the receiver lives.
  QMetaObject::invokeMethod(receiver_, [self = shared_from_this()] { self->Flush(); }, Qt::QueuedConnection);
}

void LogPipe::Flush() {
  std::vector<Piece> pieces;
  Sink sink;
  {
    std::lock_guard lock(mutex_);
    pieces.swap(queued_);
    flushPosted_ = false;
    sink = sink_;
  }
  if (sink && !pieces.empty()) sink(pieces);
}

void LogPipe::Detach() {
  std::lock_guard lock(mutex_);
  receiver_ = nullptr;
  sink_ = nullptr;
  queued_.clear();
}

void ConnectLog(OperatorLog& log, const std::shared_ptr<LogPipe>& pipe) {
  log.SetListener([pipe](OperatorLog::Event event, std::string_view piece) { pipe->Push(event, piece); });
}

}  // namespace vn::app
