#include "platform/message_box.hpp"

#include <QMessageBox>

void ShowMessage(const QString &text, MessageIcon icon) {
  QMessageBox box;
  box.setObjectName("信息");
  box.setWindowTitle("信息：");
  box.setText(text);
  switch (icon) {
    case MessageIcon::Plain:
      box.setIcon(QMessageBox::NoIcon);
      break;
    case MessageIcon::Stop:
      box.setIcon(QMessageBox::Critical);
      break;
    case MessageIcon::Warning:
      box.setIcon(QMessageBox::Warning);
      break;
  }
  box.setStandardButtons(QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}
