#include "windows/complex_window.hpp"

#include "app/app_globals.hpp"
#include "app/help.hpp"
#include "app/help_texts.hpp"
#include "app/number_text.hpp"
#include "platform/controls.hpp"
#include "platform/input_filter.hpp"
#include "platform/super_btn.hpp"
#include "platform/trans_label.hpp"
#include "windows/tool_windows.hpp"

ComplexWindow::ComplexWindow(AppGlobals &globals, QWidget *parent)
    : QDialog(parent), globals_(globals) {
  setObjectName("ComplexWindow");
  setWindowTitle("复数运算");
  setFixedSize(384, 327);
  BuildLayout();
  ConnectButtons();
}

void ComplexWindow::BuildLayout() {
  标签 = PlaceTitleStrip(this, "标签", {4, 3, 371, 15});
  帮助按钮 = PlaceControl<SuperBtn>(this, "帮助按钮", {280, 3, 80, 21}, "帮助");
  关闭按钮 = PlaceControl<SuperBtn>(this, "关闭按钮", {361, 3, 14, 15}, "×");

  分组框3 = PlaceControl<QGroupBox>(this, "分组框3", {13, 25, 352, 176}, "复数运算");
  透明标签1 = PlaceControl<TransLabel>(分组框3, "透明标签1", {9, 14, 64, 24}, "复数数据1");
  复数数据1编辑框 = PlaceControl<QLineEdit>(分组框3, "复数数据1编辑框", {73, 15, 181, 20});
  透明标签2 = PlaceControl<TransLabel>(分组框3, "透明标签2", {9, 41, 64, 24}, "复数数据2");
  复数数据2编辑框 = PlaceControl<QLineEdit>(分组框3, "复数数据2编辑框", {73, 42, 181, 20});
  相加超级按钮 = PlaceControl<SuperBtn>(分组框3, "相加超级按钮", {266, 15, 72, 20}, "相  加");
  相减超级按钮 = PlaceControl<SuperBtn>(分组框3, "相减超级按钮", {266, 46, 72, 20}, "相  减");
  相乘超级按钮 = PlaceControl<SuperBtn>(分组框3, "相乘超级按钮", {266, 78, 72, 20}, "相  乘");
  相除超级按钮 = PlaceControl<SuperBtn>(分组框3, "相除超级按钮", {266, 110, 72, 20}, "相  除");
  求复数指数超级按钮 =
      PlaceControl<SuperBtn>(分组框3, "求复数指数超级按钮", {266, 142, 72, 20}, "求复数指数");

  分组框1 = PlaceControl<QGroupBox>(分组框3, "分组框1", {8, 83, 246, 74}, "结果");
  透明标签3 = PlaceControl<TransLabel>(分组框1, "透明标签3", {8, 14, 49, 24}, "实数部分");
  实数部分编辑框 = PlaceControl<QLineEdit>(分组框1, "实数部分编辑框", {69, 16, 165, 20});
  透明标签4 = PlaceControl<TransLabel>(分组框1, "透明标签4", {8, 41, 49, 24}, "虚数部分");
  虚数部分编辑框 = PlaceControl<QLineEdit>(分组框1, "虚数部分编辑框", {69, 43, 165, 20});

  分组框2 = PlaceControl<QGroupBox>(this, "分组框2", {13, 202, 352, 80});
  透明标签5 = PlaceControl<TransLabel>(分组框2, "透明标签5", {8, 16, 52, 22}, "复数数据");
  复数数据编辑框 = PlaceControl<QLineEdit>(分组框2, "复数数据编辑框", {69, 16, 181, 20});
  透明标签6 = PlaceControl<TransLabel>(分组框2, "透明标签6", {8, 48, 52, 22}, "结  果");
  结果编辑框 = PlaceControl<QLineEdit>(分组框2, "结果编辑框", {69, 48, 181, 20});
  求复数长度超级按钮 =
      PlaceControl<SuperBtn>(分组框2, "求复数长度超级按钮", {266, 17, 71, 21}, "求复数长度");
  求复数极角超级按钮 =
      PlaceControl<SuperBtn>(分组框2, "求复数极角超级按钮", {266, 49, 71, 21}, "求复数极角");

  for (QLineEdit *operand : {复数数据1编辑框, 复数数据2编辑框, 复数数据编辑框}) {
    SetInputFilter(operand, InputFilter::RealNumber);
  }
  for (QLineEdit *result : {实数部分编辑框, 虚数部分编辑框, 结果编辑框}) {
    SetInputFilter(result, InputFilter::ReadOnly);
  }
}

void ComplexWindow::ConnectButtons() {
  using TwoOperands = ComplexAdapter::Parts (ComplexAdapter::*)(double, double) const;
  const std::pair<SuperBtn *, TwoOperands> twoOperandButtons[] = {
      {相加超级按钮, &ComplexAdapter::Add},
      {相减超级按钮, &ComplexAdapter::Subtract},
      {相乘超级按钮, &ComplexAdapter::Multiply},
      {相除超级按钮, &ComplexAdapter::Divide},
      {求复数指数超级按钮, &ComplexAdapter::Exp}};
  for (const auto &[button, operation] : twoOperandButtons) {
    connect(button, &QPushButton::clicked, this, [this, operation = operation] {
      const double v = TextToNumber(复数数据1编辑框->text());
      const double u = TextToNumber(复数数据2编辑框->text());
      const ComplexAdapter::Parts result = (globals_.complexAdapter.*operation)(v, u);
      实数部分编辑框->setText(QString::fromStdString(NumberToText(result.re)));
      虚数部分编辑框->setText(QString::fromStdString(NumberToText(result.im)));
    });
  }

  using OneOperand = double (ComplexAdapter::*)(double) const;
  const std::pair<SuperBtn *, OneOperand> oneOperandButtons[] = {
      {求复数长度超级按钮, &ComplexAdapter::Modulus}, {求复数极角超级按钮, &ComplexAdapter::Angle}};
  for (const auto &[button, operation] : oneOperandButtons) {
    connect(button, &QPushButton::clicked, this, [this, operation = operation] {
      const double v = TextToNumber(复数数据编辑框->text());
      结果编辑框->setText(
          QString::fromStdString(NumberToText((globals_.complexAdapter.*operation)(v))));
    });
  }

  connect(帮助按钮, &QPushButton::clicked, this, [] { ShowHelp(ComplexHelpText()); });
  connect(关闭按钮, &QPushButton::clicked, this, &QDialog::reject);
}

void OpenComplexWindow(AppGlobals &globals) {
  ComplexWindow window(globals);
  window.move(50, 50);
  window.exec();
}
