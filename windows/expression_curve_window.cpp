#include "windows/expression_curve_window.hpp"

#include <QApplication>
#include <string>
#include <vector>

#include "app/help.hpp"
#include "app/help_texts.hpp"
#include "app/number_text.hpp"
#include "engine/expr/expression_parse.hpp"
#include "engine/numeric_array.hpp"
#include "platform/controls.hpp"
#include "platform/input_filter.hpp"
#include "platform/message_box.hpp"
#include "platform/multi_line_box.hpp"
#include "platform/random_generator.hpp"
#include "platform/super_btn.hpp"
#include "platform/trans_label.hpp"
#include "platform/wait_cursor.hpp"
#include "windows/curve_fit_texts.hpp"
#include "windows/list_editing.hpp"
#include "windows/tool_windows.hpp"

namespace {

// How far the result heading and box move when the y list appears or goes.
constexpr int kYListWidth = 100;

// An integral that never settles stops at the evaluation bound, and the time it takes there
// grows with the length of the expression: at 500 characters it is about a second. A
// longer text is refused when it is used rather than cut when it is pasted, where the cut
// would go unseen and a different expression be integrated.
constexpr int kLongestExpression = 500;

// Romberg values that differ by no more than this cannot be told apart from rounding.
constexpr double kSmallestTolerance = 0.0000001;

}  // namespace

ExpressionCurveWindow::ExpressionCurveWindow(QWidget *parent) : QDialog(parent) {
  setObjectName("ExpressionCurveWindow");
  setWindowTitle("算式解析、曲线拟合运算");
  setFixedSize(476, 370);
  move(50, 50);
  BuildLayout();
  ConnectHandlers();
}

// Focus moves while the children are destroyed, after this window's own members are
// gone: the watch must end first.
ExpressionCurveWindow::~ExpressionCurveWindow() { disconnect(focusWatch_); }

void ExpressionCurveWindow::BuildLayout() {
  标签1 = PlaceTitleStrip(this, "标签1", {4, 3, 457, 15});
  帮助按钮 = PlaceControl<SuperBtn>(this, "帮助按钮", {376, 3, 71, 29}, "帮助");
  关闭按钮 = PlaceControl<SuperBtn>(this, "关闭按钮", {448, 3, 14, 15}, "×");

  分组框1 = PlaceControl<QGroupBox>(this, "分组框1", {9, 40, 448, 99}, "算式解析");
  透明标签4 = PlaceControl<TransLabel>(分组框1, "透明标签4", {8, 19, 64, 16}, "计算表达式");
  计算表达式编辑框 = PlaceControl<QLineEdit>(分组框1, "计算表达式编辑框", {71, 14, 369, 21});
  透明标签5 = PlaceControl<TransLabel>(分组框1, "透明标签5", {8, 43, 56, 16}, "积分上限");
  积分上限编辑框 = PlaceControl<QLineEdit>(分组框1, "积分上限编辑框", {71, 43, 80, 20});
  积分下限编辑框 = PlaceControl<QLineEdit>(分组框1, "积分下限编辑框", {229, 43, 80, 20});
  透明标签7 = PlaceControl<TransLabel>(分组框1, "透明标签7", {320, 43, 32, 16}, "误差");
  误差编辑框 = PlaceControl<QLineEdit>(分组框1, "误差编辑框", {360, 43, 80, 16});
  算式解析超级按钮 = PlaceControl<SuperBtn>(分组框1, "算式解析超级按钮", {371, 69, 68, 20}, "解析");
  结果编辑框 = PlaceControl<QLineEdit>(分组框1, "结果编辑框", {71, 70, 289, 20});
  // These two captions belong to the window and lie over the group box.
  透明标签6 = PlaceControl<TransLabel>(this, "透明标签6", {174, 82, 56, 24}, "积分下限");
  透明标签8 = PlaceControl<TransLabel>(this, "透明标签8", {17, 112, 48, 16}, "结果值");
  for (QLineEdit *box : {积分上限编辑框, 积分下限编辑框, 误差编辑框, 结果编辑框}) {
    SetInputFilter(box, InputFilter::RealNumber);
  }

  曲线拟合分组框 = PlaceControl<QGroupBox>(this, "曲线拟合分组框", {9, 143, 448, 192}, "曲线拟合");
  QGroupBox *group = 曲线拟合分组框;
  二乘曲线拟合单选框 =
      PlaceControl<QRadioButton>(group, "二乘曲线拟合单选框", {8, 16, 96, 24}, "二乘曲线拟合");
  三次样条插值单选框 =
      PlaceControl<QRadioButton>(group, "三次样条插值单选框", {108, 16, 96, 24}, "三次样条插值");
  三次多项式方程单选框 = PlaceControl<QRadioButton>(group, "三次多项式方程单选框",
                                                    {207, 16, 112, 24}, "三次多项式方程");
  运算超级按钮 = PlaceControl<SuperBtn>(group, "运算超级按钮", {371, 18, 68, 20}, "运算");
  透明标签2 = PlaceControl<TransLabel>(group, "透明标签2", {17, 42, 76, 19}, "操作值 ↓");
  独立变量观察值编辑框 = PlaceControl<QLineEdit>(group, "独立变量观察值编辑框", {16, 62, 74, 20});
  SetInputFilter(独立变量观察值编辑框, InputFilter::RealNumber);
  二乘曲线拟合添加超级按钮 =
      PlaceControl<SuperBtn>(group, "二乘曲线拟合添加超级按钮", {16, 88, 72, 20}, "添加");
  二乘曲线拟合修改超级按钮 =
      PlaceControl<SuperBtn>(group, "二乘曲线拟合修改超级按钮", {16, 113, 72, 20}, "修改");
  二乘曲线拟合删除超级按钮 =
      PlaceControl<SuperBtn>(group, "二乘曲线拟合删除超级按钮", {16, 138, 72, 20}, "删除");
  二乘曲线拟合清空超级按钮 =
      PlaceControl<SuperBtn>(group, "二乘曲线拟合清空超级按钮", {16, 164, 72, 20}, "清空");
  透明标签 = PlaceControl<TransLabel>(group, "透明标签", {107, 44, 102, 19}, "独立变量观察值↓");
  二乘曲线拟合列表框 = PlaceControl<QListWidget>(group, "二乘曲线拟合列表框", {106, 62, 94, 120});
  y值透明标签 = PlaceControl<TransLabel>(group, "y值透明标签", {223, 43, 55, 19}, "y值↓");
  y值列表框 = PlaceControl<QListWidget>(group, "y值列表框", {205, 62, 94, 120});
  结果值透明标签 = PlaceControl<TransLabel>(group, "结果值透明标签", {255, 40, 55, 19}, "结果值 ↓");
  曲线拟合结果值编辑框 =
      PlaceControl<MultiLineBox>(group, "曲线拟合结果值编辑框", {206, 62, 235, 120});
  SetInputFilter(曲线拟合结果值编辑框, InputFilter::ReadOnly);

  二乘曲线拟合单选框->setChecked(true);
  y值透明标签->hide();
  y值列表框->hide();
  targetList_ = 二乘曲线拟合列表框;
}

void ExpressionCurveWindow::ConnectHandlers() {
  connect(帮助按钮, &QPushButton::clicked, this, [] { ShowHelp(ExpressionCurveHelpText()); });
  connect(关闭按钮, &QPushButton::clicked, this, &QDialog::reject);
  connect(算式解析超级按钮, &QPushButton::clicked, this, &ExpressionCurveWindow::Integrate);

  focusWatch_ = connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
    if (now == 二乘曲线拟合列表框 || now == y值列表框)
      targetList_ = static_cast<QListWidget *>(now);
  });
  connect(二乘曲线拟合添加超级按钮, &QPushButton::clicked, this,
          [this] { AddNumberItem(targetList_, 独立变量观察值编辑框, SelectAdded::No); });
  connect(二乘曲线拟合修改超级按钮, &QPushButton::clicked, this,
          [this] { ModifySelectedItem(targetList_, 独立变量观察值编辑框->text()); });
  connect(二乘曲线拟合删除超级按钮, &QPushButton::clicked, this,
          &ExpressionCurveWindow::DeleteItem);
  connect(二乘曲线拟合清空超级按钮, &QPushButton::clicked, this, [this] { targetList_->clear(); });

  connect(二乘曲线拟合单选框, &QRadioButton::clicked, this,
          [this] { ShowOneList("独立变量观察值↓"); });
  connect(三次样条插值单选框, &QRadioButton::clicked, this, [this] { ShowOneList("x值 ↓"); });
  connect(三次多项式方程单选框, &QRadioButton::clicked, this, &ExpressionCurveWindow::ShowTwoLists);
  connect(运算超级按钮, &QPushButton::clicked, this, &ExpressionCurveWindow::Fit);
}

void ExpressionCurveWindow::Integrate() {
  const QString text = 计算表达式编辑框->text();
  if (text.isEmpty()) return ShowMessage("没有要解析的计算表达", MessageIcon::Warning);
  if (text.size() > kLongestExpression) {
    return ShowMessage(QString("计算表达式不能超过%1个字符").arg(kLongestExpression),
                       MessageIcon::Warning);
  }
  // Full-width forms typed with a Chinese input method ("ｓｉｎ（ｘ）") are the same
  // characters to the parser.
  const std::string expression = ReplaceFullWidthForms(text.toStdString());
  const double eps = TextToNumber(误差编辑框->text());
  if (!(eps > kSmallestTolerance)) return ShowMessage("误差必需大于0", MessageIcon::Warning);
  const double upper = TextToNumber(积分上限编辑框->text());
  const double lower = TextToNumber(积分下限编辑框->text());

  WaitCursor wait;
  double result = 0;
  const bool integrated =
      ExpressionParse::IntegrateExpression(expression, upper, lower, eps, result);
  结果编辑框->setText(integrated ? QString::fromStdString(NumberToText(result)) : "解析失败");
}

// The result heading and box move together; the box keeps its right edge, so it is
// never pushed past the group's border.
void ExpressionCurveWindow::ShowOneList(const char *heading) {
  透明标签->setText(QString::fromUtf8(heading));
  曲线拟合结果值编辑框->clear();
  targetList_ = 二乘曲线拟合列表框;
  if (!yListShown_) return;
  结果值透明标签->move(结果值透明标签->x() - kYListWidth, 结果值透明标签->y());
  曲线拟合结果值编辑框->setGeometry(
      曲线拟合结果值编辑框->geometry().adjusted(-kYListWidth, 0, 0, 0));
  y值列表框->hide();
  y值透明标签->hide();
  yListShown_ = false;
}

void ExpressionCurveWindow::ShowTwoLists() {
  曲线拟合结果值编辑框->clear();
  if (!yListShown_) {
    结果值透明标签->move(结果值透明标签->x() + kYListWidth, 结果值透明标签->y());
    曲线拟合结果值编辑框->setGeometry(
        曲线拟合结果值编辑框->geometry().adjusted(kYListWidth, 0, 0, 0));
    yListShown_ = true;
  }
  透明标签->setText("x值 ↓");
  targetList_ = 二乘曲线拟合列表框;
  y值列表框->show();
  y值透明标签->show();
}

void ExpressionCurveWindow::DeleteItem() {
  DeleteSelectedItem(targetList_);
  // Without a selection the press points at the last item, which the next press deletes.
  if (targetList_->currentRow() < 0) targetList_->setCurrentRow(targetList_->count() - 1);
}

void ExpressionCurveWindow::Fit() {
  const NumericArray x = NumericArray::Vector(ItemNumbers(二乘曲线拟合列表框));
  std::string result;
  {
    WaitCursor wait;
    if (二乘曲线拟合单选框->isChecked()) {
      // The dependent values are drawn afresh at every press.
      SeedRandomFromClock();
      std::vector<double> y(x.Size());
      for (double &value : y) value = NextRandom();
      result = LeastSquaresText(x, NumericArray::Vector(std::move(y)));
    } else if (三次样条插值单选框->isChecked()) {
      result = SplineValueText(x, NumericArray::Vector(ItemNumbers(y值列表框)),
                               TextToNumber(独立变量观察值编辑框->text()));
    } else if (三次多项式方程单选框->isChecked()) {
      result = SplineTableText(x, NumericArray::Vector(ItemNumbers(y值列表框)));
    } else {
      return;
    }
  }
  曲线拟合结果值编辑框->clear();
  曲线拟合结果值编辑框->SetText(result.empty() ? QString("运算错误")
                                               : QString::fromStdString(result));
}

void OpenExpressionCurveWindow(AppGlobals &) {
  ExpressionCurveWindow window;
  window.exec();
}
