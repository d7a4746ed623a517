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

// "联立方程、概要统计运算": simultaneous equations on the left, edited as three number
// lists; summary statistics of a table on the right. Both write into one result box.
class EquationStatsWindow : public QDialog {
  Q_OBJECT
 public:
  explicit EquationStatsWindow(AppGlobals &globals, QWidget *parent = nullptr);
  ~EquationStatsWindow() override;

  QLabel *标签1;
  SuperBtn *帮助按钮;
  SuperBtn *关闭按钮;
  QGroupBox *分组框1;
  TransLabel *透明标签2;
  QLineEdit *联立方程操作值编辑框;
  SuperBtn *联立方程添加超级按钮;
  SuperBtn *联立方程修改超级按钮;
  SuperBtn *联立方程删除超级按钮;
  SuperBtn *联立方程清空超级按钮;
  SuperBtn *联立方程计算超级按钮;
  QRadioButton *y向量单选框;
  QGroupBox *分组框3;
  TransLabel *透明标签5;
  TransLabel *透明标签6;
  QListWidget *联立方程第一维列表框;
  QListWidget *联立方程第二维列表框;
  QRadioButton *x变量系数单选框;
  QListWidget *x变量系数列表框;
  QGroupBox *分组框4;
  TransLabel *透明标签9;
  QLineEdit *第一维编辑框;
  TransLabel *透明标签10;
  QLineEdit *第二维编辑框;
  SuperBtn *创建超级按钮;
  SuperBtn *概要统计计算超级按钮;
  TransLabel *透明标签11;
  QListWidget *概要统计第一维列表框;
  QListWidget *概要统计第二维列表框;
  TransLabel *透明标签12;
  QLineEdit *操作值编辑框;
  MultiLineBox *结果值编辑框;

 private:
  void BuildLayout();
  void ConnectHandlers();

  QListWidget *EquationTargetList() const;
  void AddEquationItem();
  void SolveEquations();
  void CreateTable();
  void ShowTableRow(int row);
  void ShowTableValue(int column);
  void StoreTableValue(const QString &text);
  void ComputeStatistics();

  AppGlobals &globals_;
  QMetaObject::Connection focusWatch_;
};
