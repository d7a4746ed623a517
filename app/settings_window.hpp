#pragma once

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

struct AppGlobals;
class SuperBtn;
class TransLabel;

// "数据配置": edits the two settings in the settings file. New settings act from the
// next key pressed in the main window.
class SettingsWindow : public QDialog {
  Q_OBJECT
 public:
  explicit SettingsWindow(AppGlobals &globals, QWidget *parent = nullptr);

  QLabel *标签3;
  SuperBtn *关闭按钮;
  QGroupBox *分组框;
  TransLabel *计算精度标签;
  QLineEdit *计算精度编辑框;
  TransLabel *小数保留位数标签;
  QLineEdit *小数保留位数编辑框;
  SuperBtn *确定按钮;
  SuperBtn *取消按钮;

 private:
  void Save();

  AppGlobals &globals_;
};
