// The About box: the product notice and an OK button.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace vn::app {

class CAboutDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CAboutDlg(QWidget* parent = nullptr);

  QLabel* notice() const { return notice_; }
  QPushButton* okButton() const { return okButton_; }

 private:
  QLabel* notice_;
  QPushButton* okButton_;
};

// The notice text of the About box.
QString AboutNotice();

}  // namespace vn::app
