#pragma once

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

struct AppGlobals;
class MultiLineBox;
class SuperBtn;
class TransLabel;

// "矩阵运算": sum, product, transpose and inverse of matrices typed as text, and the product
// of a scalar with a matrix built element by element. That matrix is the program's
// matrixArray, so it outlives the window; everything else starts afresh at each opening.
class MatrixWindow : public QDialog {
  Q_OBJECT
 public:
  explicit MatrixWindow(AppGlobals &globals, QWidget *parent = nullptr);

  QLabel *标签;
  SuperBtn *帮助按钮;
  SuperBtn *关闭按钮;
  TransLabel *透明标签7;
  MultiLineBox *矩阵1编辑框;
  TransLabel *透明标签9;
  MultiLineBox *矩阵2编辑框;
  SuperBtn *矩阵相加超级按钮;
  SuperBtn *矩阵相乘超级按钮;
  SuperBtn *矩阵转置超级按钮;
  SuperBtn *实矩阵逆超级按钮;
  TransLabel *透明标签6;
  MultiLineBox *结果编辑框;
  QGroupBox *分组框1;
  TransLabel *透明标签1;
  QLineEdit *操作值编辑框;
  TransLabel *透明标签3;
  QLineEdit *第一维编辑框;
  TransLabel *透明标签4;
  QLineEdit *第二维编辑框;
  SuperBtn *创建超级按钮;
  TransLabel *透明标签2;
  QListWidget *第一维列表框;
  QListWidget *第二维列表框;
  SuperBtn *矩阵标量乘积超级按钮;
  TransLabel *透明标签5;
  QLineEdit *标量编辑框;

 private:
  void BuildLayout();
  void ConnectEvents();

  bool OnMatrixCharacter(MultiLineBox *box, int code);
  void Create();
  void OnRowSelected(int row);
  void OnColumnSelected(int column);
  void OnValueEdited(const QString &text);

  AppGlobals &globals_;
};
