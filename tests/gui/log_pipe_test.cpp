// The log's way to its box: pieces from any thread arrive in order on the
// user-interface thread, clearing drops what came before, and a detached
// pipe delivers nothing.
#include <atomic>
#include <thread>

#include <QTest>
#include <QThread>

#include "app/log_pipe.h"

using namespace vn;
using namespace vn::app;

class LogPipeTest : public QObject {
  Q_OBJECT

 private slots:
  void piecesArriveOnTheReceiverThreadInOrder() {
    QObject receiver;
    std::string text;
    int flushes = 0;
    const Qt::HANDLE uiThread = QThread::currentThreadId();
    bool wrongThread = false;
    auto pipe = LogPipe::Create(&receiver, [&](const std::vector<LogPipe::Piece>& pieces) {
      ++flushes;
      wrongThread = wrongThread || QThread::currentThreadId() != uiThread;
      for (const LogPipe::Piece& p : pieces) text += p.event == OperatorLog::Event::Cleared ? "|" : p.text;
    });
    OperatorLog log;
    ConnectLog(log, pipe);
    log.Append("a", false, false);
    log.Append("b", false, true);
    QVERIFY(text.empty());  // nothing is written from inside the append
    QTRY_COMPARE(text, std::string("ab\r\n"));
    QCOMPARE(flushes, 1);  // both pieces in one flush
    QVERIFY(!wrongThread);
    log.SetListener({});
  }

  void otherThreadsNeverWait() {
    QObject receiver;
    std::atomic<int> lines{0};
    auto pipe = LogPipe::Create(&receiver, [&](const std::vector<LogPipe::Piece>& pieces) {
      lines += int(pieces.size());
    });
    OperatorLog log;
    ConnectLog(log, pipe);
    // The user-interface thread is not processing events while the writers run.
    std::thread a([&] { for (int i = 0; i < 500; ++i) log.Append("reader " + std::to_string(i)); });
    std::thread b([&] { for (int i = 0; i < 500; ++i) log.Append("writer " + std::to_string(i)); });
    a.join();
    b.join();
    QTRY_COMPARE(lines.load(), 1000);
    log.SetListener({});
  }

  void clearingDropsEarlierPieces() {
    QObject receiver;
    std::vector<LogPipe::Piece> seen;
    auto pipe = LogPipe::Create(&receiver, [&](const std::vector<LogPipe::Piece>& pieces) {
      seen.insert(seen.end(), pieces.begin(), pieces.end());
    });
    pipe->Push(OperatorLog::Event::Appended, "old\r\n");
    pipe->Push(OperatorLog::Event::Cleared, {});
    pipe->Push(OperatorLog::Event::Appended, "new\r\n");
    QTRY_COMPARE(seen.size(), std::size_t(2));
    QCOMPARE(seen[0].event, OperatorLog::Event::Cleared);
    QCOMPARE(seen[1].text, std::string("new\r\n"));
  }

  void detachedPipeDeliversNothing() {
    QObject receiver;
    int flushes = 0;
    auto pipe = LogPipe::Create(&receiver, [&](const std::vector<LogPipe::Piece>&) { ++flushes; });
    pipe->Push(OperatorLog::Event::Appended, "x");
    pipe->Detach();
    pipe->Push(OperatorLog::Event::Appended, "y");
    QTest::qWait(50);
    QCOMPARE(flushes, 0);
  }

  void receiverGoneDropsThePostedFlush() {
    int flushes = 0;
    std::shared_ptr<LogPipe> pipe;
    {
      QObject receiver;
      pipe = LogPipe::Create(&receiver, [&](const std::vector<LogPipe::Piece>&) { ++flushes; });
      pipe->Push(OperatorLog::Event::Appended, "x");
      pipe->Detach();
    }
    QTest::qWait(50);
    QCOMPARE(flushes, 0);
  }
};

QTEST_GUILESS_MAIN(LogPipeTest)
#include "log_pipe_test.moc"
