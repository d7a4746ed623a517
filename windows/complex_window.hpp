#pragma once

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

struct AppGlobals;
class SuperBtn;
class TransLabel;

// "复数运算": combines two numbers as complex operands, or measures one. Each operand box
// holds one number n, taken as n + n i. The window keeps nothing between openings.
class ComplexWindow : public QDialog {
  Q_OBJECT
 public:
  explicit ComplexWindow(AppGlobals &globals, QWidget *parent = nullptr);

  SuperBtn *帮助按钮;
  SuperBtn *关闭按钮;
  QLabel *标签;
  QGroupBox *分组框3;
  TransLabel *透明标签1;
  QLineEdit *复数数据1编辑框;
  TransLabel *透明标签2;
  QLineEdit *复数数据2编辑框;
  SuperBtn *相加超级按钮;
  SuperBtn *相减超级按钮;
  SuperBtn *相乘超级按钮;
  SuperBtn *相除超级按钮;
  SuperBtn *求复数指数超级按钮;
  QGroupBox *分组框1;
  TransLabel *透明标签3;
  QLineEdit *实数部分编辑框;
  TransLabel *透明标签4;
  QLineEdit *虚数部分编辑框;
  QGroupBox *分组框2;
  TransLabel *透明标签5;
  QLineEdit *复数数据编辑框;
  TransLabel *透明标签6;
  QLineEdit *结果编辑框;
  SuperBtn *求复数长度超级按钮;
  SuperBtn *求复数极角超级按钮;

 private:
  void BuildLayout();
  void ConnectButtons();

  AppGlobals &globals_;
};
