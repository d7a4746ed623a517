#pragma once

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

class MultiLineBox;
class SuperBtn;
class TransLabel;

// "算式解析、曲线拟合运算": the definite integral of a typed expression in x, and curve
// fitting on one or two number lists (least squares, spline value, spline table). Nothing
// of it survives the closing of the window.
class ExpressionCurveWindow : public QDialog {
  Q_OBJECT
 public:
  explicit ExpressionCurveWindow(QWidget *parent = nullptr);
  ~ExpressionCurveWindow() override;

  SuperBtn *帮助按钮;
  SuperBtn *关闭按钮;
  QLabel *标签1;
  QGroupBox *分组框1;
  TransLabel *透明标签4;
  QLineEdit *计算表达式编辑框;
  TransLabel *透明标签5;
  QLineEdit *积分上限编辑框;
  TransLabel *透明标签6;
  QLineEdit *积分下限编辑框;
  TransLabel *透明标签7;
  QLineEdit *误差编辑框;
  SuperBtn *算式解析超级按钮;
  QLineEdit *结果编辑框;
  TransLabel *透明标签8;
  QGroupBox *曲线拟合分组框;
  QRadioButton *二乘曲线拟合单选框;
  QRadioButton *三次样条插值单选框;
  QRadioButton *三次多项式方程单选框;
  SuperBtn *运算超级按钮;
  TransLabel *透明标签2;
  QLineEdit *独立变量观察值编辑框;
  SuperBtn *二乘曲线拟合添加超级按钮;
  SuperBtn *二乘曲线拟合修改超级按钮;
  SuperBtn *二乘曲线拟合删除超级按钮;
  SuperBtn *二乘曲线拟合清空超级按钮;
  TransLabel *透明标签;
  QListWidget *二乘曲线拟合列表框;
  TransLabel *y值透明标签;
  QListWidget *y值列表框;
  TransLabel *结果值透明标签;
  MultiLineBox *曲线拟合结果值编辑框;

 private:
  void BuildLayout();
  void ConnectHandlers();

  void Integrate();
  void ShowOneList(const char *heading);
  void ShowTwoLists();
  void DeleteItem();
  void Fit();

  QListWidget *targetList_ = nullptr;  // the list the editing buttons act on
  bool yListShown_ = false;
  QMetaObject::Connection focusWatch_;
};
