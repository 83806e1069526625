// Carries the operator log to its edit box. The log's listener may run on any
// thread; it only queues the piece under a short lock and, when nothing is
// queued yet, posts one flush to the user-interface thread. It never waits
// for that thread.
#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "platform/operator_log.h"

class QObject;

namespace vn::app {

class LogPipe : public std::enable_shared_from_this<LogPipe> {
 public:
  struct Piece {
    OperatorLog::Event event;
    std::string text;
  };
  using Sink = std::function<void(const std::vector<Piece>& pieces)>;

  // Flushes run on the thread of `receiver` and hand the pieces to `sink`.
  static std::shared_ptr<LogPipe> Create(QObject* receiver, Sink sink);

  // Any thread.
  void Push(OperatorLog::Event event, std::string_view text);
  // User-interface thread: hands over everything queued so far.
  void Flush();
  // No more flushes are posted and queued pieces are dropped; call before the receiver goes.
  void Detach();

 private:
  LogPipe(QObject* receiver, Sink sink) : receiver_(receiver), sink_(std::move(sink)) {}

  std::mutex mutex_;
  QObject* receiver_;
  Sink sink_;
  std::vector<Piece> queued_;
  bool flushPosted_ = false;
};

// Connects a log to a pipe; the listener keeps the pipe alive.
void ConnectLog(OperatorLog& log, const std::shared_ptr<LogPipe>& pipe);

}  // namespace vn::app
