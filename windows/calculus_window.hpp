#pragma once

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

struct AppGlobals;
class MultiLineBox;
class SuperBtn;
class TransLabel;

// "微积分": the integral of typed samples or of e^x, and the first-order equation
// y' = e^(2x) + y. The samples live only in the window's list.
class CalculusWindow : public QDialog {
  Q_OBJECT
 public:
  explicit CalculusWindow(AppGlobals &globals, QWidget *parent = nullptr);

  QLabel *标签;
  SuperBtn *帮助按钮;
  SuperBtn *关闭按钮;
  TransLabel *透明标签2;
  MultiLineBox *结果值编辑框;
  QGroupBox *分组框1;
  QRadioButton *离散化数值积分单选框;
  QRadioButton *函数数值积分单选框;
  QGroupBox *浮点数组分组框;
  TransLabel *透明标签1;
  QLineEdit *操作值编辑框;
  SuperBtn *添加超级按钮;
  SuperBtn *修改超级按钮;
  SuperBtn *删除超级按钮;
  SuperBtn *清空超级按钮;
  QListWidget *浮点数组列表框;
  TransLabel *透明标签3;
  QLineEdit *样本区间编辑框;
  TransLabel *透明标签4;
  QLineEdit *积分下限编辑框;
  TransLabel *透明标签5;
  QLineEdit *积分上限编辑框;
  SuperBtn *离散化数值积分函数数值积分计算超级按钮;
  QGroupBox *分组框2;
  TransLabel *透明标签8;
  QLineEdit *x已知值编辑框;
  TransLabel *透明标签11;
  QLineEdit *y已知值编辑框;
  TransLabel *透明标签7;
  QLineEdit *要求解的x编辑框;
  TransLabel *透明标签6;
  QLineEdit *初始步长编辑框;
  TransLabel *透明标签9;
  QLineEdit *最小步长编辑框;
  TransLabel *透明标签10;
  QLineEdit *容许误差编辑框;
  SuperBtn *一阶微分方程超级按钮;

 private:
  void BuildLayout();
  void ConnectHandlers();

  void Integrate();
  void SolveEquation();

  AppGlobals &globals_;
};
