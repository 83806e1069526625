// The operator log box: fed from the core's log through the log pipe, so
// lines written on the link's threads reach it without anyone waiting.
// Pieces are appended at the end; the box keeps at most kLogLineLimit lines.
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>

#include "app/CMyUsbHidTestAppDlg.h"

namespace vn::app {

namespace {

QString WithoutCarriageReturns(const std::string& piece) {
  QString text = QString::fromStdString(piece);
  text.remove(QLatin1Char('\r'));
  return text;
}

}  // namespace

void CMyUsbHidTestAppDlg::ConnectLogBox() {
  logPipe_ = LogPipe::Create(this, [this](const std::vector<LogPipe::Piece>& pieces) { AppendToLogBox(pieces); });
  ConnectLog(tester_->log(), logPipe_);
}

void CMyUsbHidTestAppDlg::AppendToLogBox(const std::vector<LogPipe::Piece>& pieces) {
  QString text;
  for (const LogPipe::Piece& piece : pieces) {
    if (piece.event == OperatorLog::Event::Cleared) {
      logBox_->clear();
      text.clear();
      continue;
    }
    text += WithoutCarriageReturns(piece.text);
  }
  if (text.isEmpty()) return;
  QTextCursor end(logBox_->document());
  end.movePosition(QTextCursor::End);
  end.insertText(text);
  logBox_->verticalScrollBar()->setValue(logBox_->verticalScrollBar()->maximum());
}

}  // namespace vn::app
