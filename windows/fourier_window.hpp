#pragma once

#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

struct AppGlobals;
class NumericArray;
class SuperBtn;

// "傅立叶运算": the left half edits a one-dimensional data set (real and imaginary parts in
// two lists) and transforms it, inverts it, applies a data window or computes its
// periodogram; the right half builds a real and an imaginary grid element by element and
// transforms them row by row. The grids, the data set arrays and the operation last chosen
// belong to the program and outlive the window.
class FourierWindow : public QDialog {
  Q_OBJECT
 public:
  explicit FourierWindow(AppGlobals &globals, QWidget *parent = nullptr);

  QLabel *标签3;
  SuperBtn *帮助按钮;
  SuperBtn *关闭按钮;
  QGroupBox *分组框1;
  QRadioButton *实数据集单选框;
  QRadioButton *虚数据集单选框;
  QListWidget *实数集列表框;
  QListWidget *虚数集列表框;
  QLabel *标签1;
  QLineEdit *数值编辑框;
  SuperBtn *清空列表框按钮;
  SuperBtn *添加按钮;
  SuperBtn *修改按钮;
  SuperBtn *删除按钮;
  QGroupBox *分组框3;
  QRadioButton *傅立叶变换单选框;
  QRadioButton *傅立叶反变换单选框;
  QRadioButton *窗口傅立叶单选框;
  QRadioButton *求能谱周期图单选框;
  QComboBox *抽样数据窗口组合框;
  QLabel *标签5;
  QLineEdit *时间间隔编辑框;
  SuperBtn *开始计算按钮;
  QGroupBox *分组框2;
  QRadioButton *数据集实值单选框;
  QRadioButton *数据集虚值单选框;
  QListWidget *成员数量列表框;
  QListWidget *成员数据列表框;
  QLabel *标签6;
  QLineEdit *第一维编辑框;
  QLabel *标签7;
  QLineEdit *第二维编辑框;
  QLabel *标签2;
  QLineEdit *成员数据编辑框;
  QLabel *标签8;
  QComboBox *标志组合框;
  SuperBtn *创建按钮;
  SuperBtn *二维开始计算按钮;

 private:
  void BuildLayout();
  void ConnectEvents();

  // Left half: the one-dimensional data set.
  QListWidget *TargetList() const;
  void ChooseOperation(QRadioButton *button);
  void Compute();
  bool RunChosenOperation();

  // Right half: the two grids.
  NumericArray &ChosenGrid() const;
  void ListChosenGrid();
  void CreateGrid();
  void OnGridRowSelected(int row);
  void OnGridValueEdited(const QString &text);
  void Compute2D();

  AppGlobals &globals_;
};
