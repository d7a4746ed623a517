#pragma once

#include <QLabel>
#include <QRadioButton>
#include <QWidget>
#include <string_view>

#include "calculator/keypad.hpp"

struct AppGlobals;
class MultiLineBox;
class SuperBtn;

// The keypad calculator the user sees first. It shows the keypad model's display,
// forwards every key to the model and opens the tool windows.
class MainWindow : public QWidget {
  Q_OBJECT
 public:
  explicit MainWindow(AppGlobals &globals, QWidget *parent = nullptr);

  Keypad &keypad() { return keypad_; }

  QLabel *标签1;
  SuperBtn *帮助按钮;
  SuperBtn *最小化按钮;
  SuperBtn *关闭按钮;
  MultiLineBox *显示编辑框;
  QLabel *标签3;
  SuperBtn *算式解析按钮;
  SuperBtn *曲线拟合按钮;
  SuperBtn *联立方程按钮;
  SuperBtn *概要统计按钮;
  SuperBtn *微积分按钮;
  SuperBtn *复数运算按钮;
  SuperBtn *矩阵运算按钮;
  SuperBtn *傅立叶变换按钮;
  QLabel *标签2;
  QRadioButton *十六进制单选框;
  QRadioButton *十进制单选框;
  QRadioButton *八进制单选框;
  QRadioButton *二进制单选框;
  SuperBtn *退格按钮;
  SuperBtn *清除按钮;
  SuperBtn *删除按钮;
  SuperBtn *数据配置按钮;
  SuperBtn *求余按钮;
  SuperBtn *正弦按钮;
  SuperBtn *数字7按钮;
  SuperBtn *数字8按钮;
  SuperBtn *数字9按钮;
  SuperBtn *除按钮;
  SuperBtn *数字A按钮;
  SuperBtn *数字C按钮;
  SuperBtn *N次方按钮;
  SuperBtn *取绝对值按钮;
  SuperBtn *取整按钮;
  SuperBtn *余弦按钮;
  SuperBtn *数字4按钮;
  SuperBtn *数字5按钮;
  SuperBtn *数字6按钮;
  SuperBtn *乘按钮;
  SuperBtn *数字B按钮;
  SuperBtn *数字D按钮;
  SuperBtn *立方按钮;
  SuperBtn *角弧度按钮;
  SuperBtn *求余切按钮;
  SuperBtn *求正切按钮;
  SuperBtn *数字1按钮;
  SuperBtn *数字2按钮;
  SuperBtn *数字3按钮;
  SuperBtn *减按钮;
  SuperBtn *整除按钮;
  SuperBtn *数字E按钮;
  SuperBtn *平方按钮;
  SuperBtn *数字0按钮;
  SuperBtn *正负号按钮;
  SuperBtn *小数点按钮;
  SuperBtn *加按钮;
  SuperBtn *等号按钮;
  SuperBtn *数字F按钮;

 protected:
  void changeEvent(QEvent *event) override;

 private:
  void BuildLayout();
  void ConnectKeys();
  void RunCreationStep();

  // Runs one keypad operation, then shows the display and applies the focus rule.
  template <class Operation>
  void RunKey(Operation operation);
  void ShowDisplay();
  void FocusDisplay();
  bool OnDisplayCharacter(int code);
  void OnBaseButton(QRadioButton *clicked);
  int BaseOf(const QRadioButton *radio) const;
  void SelectBaseButton(int base);
  void EnableKeysFor(int base);

  AppGlobals &globals_;
  Keypad keypad_;
};
