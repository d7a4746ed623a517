#include "windows/equation_stats_window.hpp"

#include <QApplication>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "app/app_globals.hpp"
#include "app/help.hpp"
#include "app/help_texts.hpp"
#include "app/number_text.hpp"
#include "engine/numeric_array.hpp"
#include "platform/controls.hpp"
#include "platform/message_box.hpp"
#include "platform/multi_line_box.hpp"
#include "platform/super_btn.hpp"
#include "platform/trans_label.hpp"
#include "platform/wait_cursor.hpp"
#include "windows/equation_stats_texts.hpp"
#include "windows/list_editing.hpp"
#include "windows/tool_windows.hpp"

namespace {

constexpr int kMaxCoefficientItems = 50;  // the solver's largest system
constexpr int kMaxRightSideItems = 25;

}  // namespace

EquationStatsWindow::EquationStatsWindow(AppGlobals &globals, QWidget *parent)
    : QDialog(parent), globals_(globals) {
  setObjectName("EquationStatsWindow");
  setWindowTitle("联立方程、概要统计运算");
  setFixedSize(567, 376);
  BuildLayout();
  ConnectHandlers();
}

// Focus moves while the children are destroyed, after this window's own members are
// gone: the watch must end first.
EquationStatsWindow::~EquationStatsWindow() { disconnect(focusWatch_); }

void EquationStatsWindow::BuildLayout() {
  标签1 = PlaceTitleStrip(this, "标签1", {4, 4, 558, 15});
  帮助按钮 = PlaceControl<SuperBtn>(this, "帮助按钮", {456, 4, 91, 20}, "帮助");
  关闭按钮 = PlaceControl<SuperBtn>(this, "关闭按钮", {548, 4, 14, 15}, "×");

  分组框1 = PlaceControl<QGroupBox>(this, "分组框1", {8, 30, 344, 168}, "联立方程");
  透明标签2 = PlaceControl<TransLabel>(分组框1, "透明标签2", {10, 14, 72, 21}, "数组操作值↓");
  联立方程操作值编辑框 = PlaceControl<QLineEdit>(分组框1, "联立方程操作值编辑框", {8, 40, 70, 17});
  联立方程添加超级按钮 =
      PlaceControl<SuperBtn>(分组框1, "联立方程添加超级按钮", {11, 61, 61, 16}, "添 加");
  联立方程修改超级按钮 =
      PlaceControl<SuperBtn>(分组框1, "联立方程修改超级按钮", {11, 81, 61, 16}, "修 改");
  联立方程删除超级按钮 =
      PlaceControl<SuperBtn>(分组框1, "联立方程删除超级按钮", {11, 101, 61, 16}, "删 除");
  联立方程清空超级按钮 =
      PlaceControl<SuperBtn>(分组框1, "联立方程清空超级按钮", {11, 121, 61, 16}, "清 空");
  联立方程计算超级按钮 =
      PlaceControl<SuperBtn>(分组框1, "联立方程计算超级按钮", {11, 141, 61, 16}, "计 算");
  y向量单选框 = PlaceControl<QRadioButton>(分组框1, "y向量单选框", {89, 11, 88, 24}, "y向量(数组)");
  分组框3 = PlaceControl<QGroupBox>(分组框1, "分组框3", {84, 34, 140, 124}, "二维数组");
  透明标签5 = PlaceControl<TransLabel>(分组框3, "透明标签5", {9, 15, 45, 16}, "第一维");
  透明标签6 = PlaceControl<TransLabel>(分组框3, "透明标签6", {73, 15, 45, 16}, "第二维");
  联立方程第一维列表框 =
      PlaceControl<QListWidget>(分组框3, "联立方程第一维列表框", {8, 32, 59, 84});
  联立方程第二维列表框 =
      PlaceControl<QListWidget>(分组框3, "联立方程第二维列表框", {72, 32, 59, 84});
  x变量系数单选框 =
      PlaceControl<QRadioButton>(分组框1, "x变量系数单选框", {230, 13, 110, 24}, "x变量系数(数组)");
  x变量系数列表框 = PlaceControl<QListWidget>(分组框1, "x变量系数列表框", {232, 40, 102, 118});

  分组框4 = PlaceControl<QGroupBox>(this, "分组框4", {358, 30, 201, 167}, "概要统计");
  透明标签9 = PlaceControl<TransLabel>(分组框4, "透明标签9", {9, 35, 44, 14}, "第一维:");
  第一维编辑框 = PlaceControl<QLineEdit>(分组框4, "第一维编辑框", {8, 50, 56, 18});
  透明标签10 = PlaceControl<TransLabel>(分组框4, "透明标签10", {8, 68, 41, 19}, "第二维:");
  第二维编辑框 = PlaceControl<QLineEdit>(分组框4, "第二维编辑框", {8, 86, 56, 18});
  创建超级按钮 = PlaceControl<SuperBtn>(分组框4, "创建超级按钮", {8, 111, 56, 18}, "创  建");
  概要统计计算超级按钮 =
      PlaceControl<SuperBtn>(分组框4, "概要统计计算超级按钮", {8, 139, 56, 18}, "计 算");
  透明标签11 =
      PlaceControl<TransLabel>(分组框4, "透明标签11", {71, 15, 123, 14}, "第一维     第二维");
  概要统计第一维列表框 =
      PlaceControl<QListWidget>(分组框4, "概要统计第一维列表框", {71, 34, 57, 95});
  概要统计第二维列表框 =
      PlaceControl<QListWidget>(分组框4, "概要统计第二维列表框", {136, 34, 57, 95});
  // 48 pixels wide, not 44: the full-width colon needs the room of a whole character.
  透明标签12 = PlaceControl<TransLabel>(分组框4, "透明标签12", {71, 135, 48, 21}, "操作值：");
  操作值编辑框 = PlaceControl<QLineEdit>(分组框4, "操作值编辑框", {121, 138, 72, 18});

  结果值编辑框 = PlaceControl<MultiLineBox>(
      this, "结果值编辑框", {8, 206, 551, 127},
      "注意：“联立方程”中的数组宽度和高度相等，宽度和高度必须小于等于50");

  y向量单选框->setChecked(true);
}

void EquationStatsWindow::ConnectHandlers() {
  connect(帮助按钮, &QPushButton::clicked, this, [] { ShowHelp(EquationStatsHelpText()); });
  connect(关闭按钮, &QPushButton::clicked, this, &QDialog::reject);

  // The coefficient column that last had the focus is the one the buttons edit; the
  // choice is kept for the next opening.
  focusWatch_ = connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
    if (now == 联立方程第一维列表框) globals_.equationTargetList = 1;
    if (now == 联立方程第二维列表框) globals_.equationTargetList = 0;
  });
  connect(联立方程添加超级按钮, &QPushButton::clicked, this, &EquationStatsWindow::AddEquationItem);
  connect(联立方程修改超级按钮, &QPushButton::clicked, this,
          [this] { ModifySelectedItem(EquationTargetList(), 联立方程操作值编辑框->text()); });
  connect(联立方程删除超级按钮, &QPushButton::clicked, this,
          [this] { DeleteSelectedItem(EquationTargetList()); });
  connect(联立方程清空超级按钮, &QPushButton::clicked, this,
          [this] { EquationTargetList()->clear(); });
  connect(联立方程计算超级按钮, &QPushButton::clicked, this, &EquationStatsWindow::SolveEquations);

  connect(创建超级按钮, &QPushButton::clicked, this, &EquationStatsWindow::CreateTable);
  connect(概要统计第一维列表框, &QListWidget::currentRowChanged, this,
          &EquationStatsWindow::ShowTableRow);
  connect(概要统计第二维列表框, &QListWidget::currentRowChanged, this,
          &EquationStatsWindow::ShowTableValue);
  connect(操作值编辑框, &QLineEdit::textChanged, this, &EquationStatsWindow::StoreTableValue);
  connect(概要统计计算超级按钮, &QPushButton::clicked, this,
          &EquationStatsWindow::ComputeStatistics);
}

QListWidget *EquationStatsWindow::EquationTargetList() const {
  if (x变量系数单选框->isChecked()) return x变量系数列表框;
  return globals_.equationTargetList == 1 ? 联立方程第一维列表框 : 联立方程第二维列表框;
}

void EquationStatsWindow::AddEquationItem() {
  QListWidget *list = EquationTargetList();
  const int limit = list == x变量系数列表框 ? kMaxRightSideItems : kMaxCoefficientItems;
  if (list->count() >= limit) return ShowMessage("数组成员最大为25");
  AddNumberItem(list, 联立方程操作值编辑框, SelectAdded::Yes);
}

void EquationStatsWindow::SolveEquations() {
  const std::vector<double> first = ItemNumbers(联立方程第一维列表框);
  const std::vector<double> second = ItemNumbers(联立方程第二维列表框);
  if (first.size() != second.size()) return ShowMessage("二维数组成员必须相同");
  if (first.empty()) return;

  // The two lists are the first two columns of the coefficient matrix; any further column
  // stays 0, which the solver refuses, so only systems of two equations solve.
  const auto n = static_cast<std::int32_t>(first.size());
  NumericArray a = NumericArray::Matrix(n, n);
  for (std::int32_t i = 0; i < n; ++i) {
    a.At(i, 0) = first[static_cast<std::size_t>(i)];
    if (n >= 2) a.At(i, 1) = second[static_cast<std::size_t>(i)];
  }
  const NumericArray b = NumericArray::Vector(ItemNumbers(x变量系数列表框));
  结果值编辑框->SetText(QString::fromStdString(EquationsText(a, b)));
}

void EquationStatsWindow::CreateTable() {
  const std::int32_t rows = ToInteger(TextToNumber(第一维编辑框->text()));
  const std::int32_t columns = ToInteger(TextToNumber(第二维编辑框->text()));
  // Every refusal leaves the old table and its lists as they were.
  if (rows == 0 || columns == 0) {
    return ShowMessage("创建的第一维或第二维不能为0", MessageIcon::Warning);
  }
  if (rows < 0 || columns < 0) {
    return ShowMessage("创建的第一维或第二维不能为负数", MessageIcon::Warning);
  }
  if (std::int64_t{rows} * columns > kMaxGridElements) {
    return ShowMessage(QString("创建的数组太大，第一维乘第二维不能大于%1").arg(kMaxGridElements),
                       MessageIcon::Warning);
  }
  WaitCursor wait;
  globals_.statsArray = NumericArray::Matrix(rows, columns);
  ListGridRows(概要统计第一维列表框, globals_.statsArray);
  概要统计第一维列表框->setCurrentRow(0);
}

void EquationStatsWindow::ShowTableRow(int row) {
  if (row < 0) return;
  ListGridRow(概要统计第二维列表框, globals_.statsArray, row);
  概要统计第二维列表框->setCurrentRow(0);
}

void EquationStatsWindow::ShowTableValue(int column) {
  if (QListWidgetItem *item = 概要统计第二维列表框->item(column))
    操作值编辑框->setText(item->text());
}

void EquationStatsWindow::StoreTableValue(const QString &text) {
  // Every change of the box is stored at once, so the value shown is always the value the
  // statistics use.
  const int column = 概要统计第二维列表框->currentRow();
  double *value = GridElement(globals_.statsArray, 概要统计第一维列表框->currentRow(), column);
  if (!value) return;
  概要统计第二维列表框->item(column)->setText(text);
  *value = TextToNumber(text);
}

void EquationStatsWindow::ComputeStatistics() {
  if (globals_.statsArray.Empty()) return;
  WaitCursor wait;
  结果值编辑框->SetText(QString::fromStdString(StatisticsText(globals_.statsArray)));
}

void OpenEquationStatsWindow(AppGlobals &globals) {
  EquationStatsWindow window(globals);
  window.exec();
}
