#include "windows/calculus_window.hpp"

#include "app/app_globals.hpp"
#include "app/help.hpp"
#include "app/help_texts.hpp"
#include "app/number_text.hpp"
#include "engine/numeric_array.hpp"
#include "platform/controls.hpp"
#include "platform/input_filter.hpp"
#include "platform/multi_line_box.hpp"
#include "platform/super_btn.hpp"
#include "platform/trans_label.hpp"
#include "platform/wait_cursor.hpp"
#include "windows/list_editing.hpp"
#include "windows/tool_windows.hpp"

CalculusWindow::CalculusWindow(AppGlobals &globals, QWidget *parent)
    : QDialog(parent), globals_(globals) {
  setObjectName("CalculusWindow");
  setWindowTitle("微积分");
  setFixedSize(552, 353);
  BuildLayout();
  ConnectHandlers();
}

void CalculusWindow::BuildLayout() {
  const auto numberBox = [](QWidget *parent, const char *name, QRect geometry) {
    auto *box = PlaceControl<QLineEdit>(parent, name, geometry);
    SetInputFilter(box, InputFilter::RealNumber);
    return box;
  };

  标签 = PlaceTitleStrip(this, "标签", {4, 4, 542, 15});
  帮助按钮 = PlaceControl<SuperBtn>(this, "帮助按钮", {464, 4, 69, 20}, "帮助");
  关闭按钮 = PlaceControl<SuperBtn>(this, "关闭按钮", {534, 4, 14, 15}, "×");
  透明标签2 = PlaceControl<TransLabel>(this, "透明标签2", {409, 26, 104, 22}, "结果值　↓");
  // Several lines high, so the parameter messages wrap inside it instead of being cut.
  结果值编辑框 = PlaceControl<MultiLineBox>(this, "结果值编辑框", {407, 51, 130, 258});
  SetInputFilter(结果值编辑框, InputFilter::ReadOnly);

  分组框1 =
      PlaceControl<QGroupBox>(this, "分组框1", {13, 26, 385, 193}, "离散化数值积分、函数数值积分 ");
  离散化数值积分单选框 = PlaceControl<QRadioButton>(分组框1, "离散化数值积分单选框",
                                                    {9, 16, 104, 22}, "离散化数值积分");
  函数数值积分单选框 =
      PlaceControl<QRadioButton>(分组框1, "函数数值积分单选框", {122, 16, 96, 22}, "函数数值积分");
  浮点数组分组框 =
      PlaceControl<QGroupBox>(分组框1, "浮点数组分组框", {7, 38, 207, 147}, "浮点数组");
  透明标签1 = PlaceControl<TransLabel>(浮点数组分组框, "透明标签1", {15, 16, 60, 16}, "操作值 →");
  操作值编辑框 = numberBox(浮点数组分组框, "操作值编辑框", {82, 12, 118, 20});
  添加超级按钮 = PlaceControl<SuperBtn>(浮点数组分组框, "添加超级按钮", {13, 37, 56, 19}, "添 加");
  修改超级按钮 = PlaceControl<SuperBtn>(浮点数组分组框, "修改超级按钮", {13, 64, 56, 19}, "修 改");
  删除超级按钮 = PlaceControl<SuperBtn>(浮点数组分组框, "删除超级按钮", {13, 91, 56, 19}, "删 除");
  清空超级按钮 = PlaceControl<SuperBtn>(浮点数组分组框, "清空超级按钮", {13, 119, 56, 19}, "清 空");
  浮点数组列表框 = PlaceControl<QListWidget>(浮点数组分组框, "浮点数组列表框", {82, 36, 118, 103});
  透明标签3 = PlaceControl<TransLabel>(分组框1, "透明标签3", {225, 56, 51, 18}, "样本区间");
  样本区间编辑框 = numberBox(分组框1, "样本区间编辑框", {281, 53, 89, 20});
  透明标签4 = PlaceControl<TransLabel>(分组框1, "透明标签4", {225, 85, 51, 18}, "积分下限");
  积分下限编辑框 = numberBox(分组框1, "积分下限编辑框", {281, 82, 89, 20});
  透明标签5 = PlaceControl<TransLabel>(分组框1, "透明标签5", {225, 114, 51, 18}, "积分上限");
  积分上限编辑框 = numberBox(分组框1, "积分上限编辑框", {281, 112, 89, 20});
  离散化数值积分函数数值积分计算超级按钮 = PlaceControl<SuperBtn>(
      分组框1, "离散化数值积分函数数值积分计算超级按钮", {261, 155, 87, 21}, "计  算");

  分组框2 = PlaceControl<QGroupBox>(this, "分组框2", {14, 223, 385, 87}, "一阶微分方程");
  透明标签8 = PlaceControl<TransLabel>(分组框2, "透明标签8", {8, 24, 51, 18}, "x已知值");
  x已知值编辑框 = numberBox(分组框2, "x已知值编辑框", {56, 22, 44, 20});
  透明标签11 = PlaceControl<TransLabel>(分组框2, "透明标签11", {111, 24, 51, 18}, "y已知值");
  y已知值编辑框 = numberBox(分组框2, "y已知值编辑框", {159, 22, 44, 20});
  透明标签7 = PlaceControl<TransLabel>(分组框2, "透明标签7", {219, 24, 56, 18}, "要求解的x");
  要求解的x编辑框 = numberBox(分组框2, "要求解的x编辑框", {278, 22, 44, 20});
  透明标签6 = PlaceControl<TransLabel>(分组框2, "透明标签6", {8, 53, 51, 18}, "初始步长");
  初始步长编辑框 = numberBox(分组框2, "初始步长编辑框", {56, 51, 44, 20});
  透明标签9 = PlaceControl<TransLabel>(分组框2, "透明标签9", {111, 52, 51, 18}, "最小步长");
  最小步长编辑框 = numberBox(分组框2, "最小步长编辑框", {159, 51, 44, 20});
  透明标签10 = PlaceControl<TransLabel>(分组框2, "透明标签10", {219, 53, 51, 18}, "容许误差");
  容许误差编辑框 = numberBox(分组框2, "容许误差编辑框", {278, 51, 44, 20});
  一阶微分方程超级按钮 =
      PlaceControl<SuperBtn>(分组框2, "一阶微分方程超级按钮", {339, 18, 32, 55}, "计算");

  离散化数值积分单选框->setChecked(true);
}

void CalculusWindow::ConnectHandlers() {
  connect(帮助按钮, &QPushButton::clicked, this, [] { ShowHelp(CalculusHelpText()); });
  connect(关闭按钮, &QPushButton::clicked, this, &QDialog::reject);
  connect(添加超级按钮, &QPushButton::clicked, this,
          [this] { AddNumberItem(浮点数组列表框, 操作值编辑框, SelectAdded::No); });
  connect(修改超级按钮, &QPushButton::clicked, this,
          [this] { ModifySelectedItem(浮点数组列表框, 操作值编辑框->text()); });
  connect(删除超级按钮, &QPushButton::clicked, this,
          [this] { DeleteSelectedItem(浮点数组列表框); });
  connect(清空超级按钮, &QPushButton::clicked, this, [this] { 浮点数组列表框->clear(); });
  // The samples only count for their own integral.
  connect(离散化数值积分单选框, &QRadioButton::clicked, this,
          [this] { 浮点数组分组框->setEnabled(true); });
  connect(函数数值积分单选框, &QRadioButton::clicked, this,
          [this] { 浮点数组分组框->setEnabled(false); });
  connect(离散化数值积分函数数值积分计算超级按钮, &QPushButton::clicked, this,
          &CalculusWindow::Integrate);
  connect(一阶微分方程超级按钮, &QPushButton::clicked, this, &CalculusWindow::SolveEquation);
}

void CalculusWindow::Integrate() {
  结果值编辑框->clear();
  const bool samples = 离散化数值积分单选框->isChecked();
  const auto mode =
      samples ? CalculusAdapter::IntegralMode::Samples : CalculusAdapter::IntegralMode::Function;
  const NumericArray values =
      samples ? NumericArray::Vector(ItemNumbers(浮点数组列表框)) : NumericArray();
  const double spacing = TextToNumber(样本区间编辑框->text());
  const double lower = TextToNumber(积分下限编辑框->text());
  const double upper = TextToNumber(积分上限编辑框->text());
  WaitCursor wait;
  结果值编辑框->SetText(QString::fromStdString(
      globals_.calculusAdapter.Integrate(mode, values, spacing, lower, upper)));
}

void CalculusWindow::SolveEquation() {
  结果值编辑框->clear();
  const double x0 = TextToNumber(x已知值编辑框->text());
  const double y0 = TextToNumber(y已知值编辑框->text());
  const double x = TextToNumber(要求解的x编辑框->text());
  const double et = TextToNumber(容许误差编辑框->text());
  const double h0 = TextToNumber(初始步长编辑框->text());
  const double hmin = TextToNumber(最小步长编辑框->text());
  WaitCursor wait;
  结果值编辑框->SetText(
      QString::fromStdString(globals_.calculusAdapter.SolveFirstOrder(x0, y0, x, et, h0, hmin)));
}

void OpenCalculusWindow(AppGlobals &globals) {
  CalculusWindow window(globals);
  window.exec();
}
