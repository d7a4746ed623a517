#include "windows/fourier_window.hpp"

#include <QButtonGroup>
#include <algorithm>
#include <initializer_list>

#include "app/app_globals.hpp"
#include "app/help.hpp"
#include "app/help_texts.hpp"
#include "app/number_text.hpp"
#include "platform/controls.hpp"
#include "platform/input_filter.hpp"
#include "platform/message_box.hpp"
#include "platform/super_btn.hpp"
#include "platform/wait_cursor.hpp"
#include "windows/list_editing.hpp"
#include "windows/tool_windows.hpp"

namespace {

// Grids are transformed row by row with the radix-2 transform, so their counts are powers
// of two; a single row or column would be no grid at all.
bool IsGridCount(std::int32_t count) { return count >= 2 && (count & (count - 1)) == 0; }

QString NumberItem(double value) { return QString::fromStdString(NumberToText(value)); }

}  // namespace

FourierWindow::FourierWindow(AppGlobals &globals, QWidget *parent)
    : QDialog(parent), globals_(globals) {
  setObjectName("FourierWindow");
  setWindowTitle("傅立叶运算");
  setFixedSize(546, 463);
  BuildLayout();
  ConnectEvents();
}

void FourierWindow::BuildLayout() {
  标签3 = PlaceTitleStrip(this, "标签3", {4, 4, 537, 15});
  帮助按钮 = PlaceControl<SuperBtn>(this, "帮助按钮", {432, 4, 94, 20}, "帮助");
  关闭按钮 = PlaceControl<SuperBtn>(this, "关闭按钮", {527, 4, 14, 15}, "×");

  分组框1 = PlaceControl<QGroupBox>(this, "分组框1", {16, 33, 250, 377},
                                    "傅立叶(变换、反变换、窗口、能谱周期图)");
  实数据集单选框 =
      PlaceControl<QRadioButton>(分组框1, "实数据集单选框", {14, 21, 75, 15}, "实数据集");
  虚数据集单选框 =
      PlaceControl<QRadioButton>(分组框1, "虚数据集单选框", {130, 21, 75, 15}, "虚数据集");
  实数集列表框 = PlaceControl<QListWidget>(分组框1, "实数集列表框", {13, 41, 104, 112});
  虚数集列表框 = PlaceControl<QListWidget>(分组框1, "虚数集列表框", {131, 41, 104, 112});
  标签1 = PlaceControl<QLabel>(分组框1, "标签1", {14, 157, 112, 18}, "数据集实数(虚数)：");
  数值编辑框 = PlaceControl<QLineEdit>(分组框1, "数值编辑框", {13, 176, 145, 20});
  清空列表框按钮 =
      PlaceControl<SuperBtn>(分组框1, "清空列表框按钮", {163, 176, 72, 20}, "清空列表框");
  添加按钮 = PlaceControl<SuperBtn>(分组框1, "添加按钮", {13, 203, 72, 19}, "添加");
  修改按钮 = PlaceControl<SuperBtn>(分组框1, "修改按钮", {88, 203, 72, 19}, "修改");
  删除按钮 = PlaceControl<SuperBtn>(分组框1, "删除按钮", {163, 203, 72, 19}, "删除");
  分组框3 = PlaceControl<QGroupBox>(分组框1, "分组框3", {17, 223, 214, 57});
  傅立叶变换单选框 =
      PlaceControl<QRadioButton>(分组框3, "傅立叶变换单选框", {9, 12, 94, 19}, "傅立叶变换");
  傅立叶反变换单选框 =
      PlaceControl<QRadioButton>(分组框3, "傅立叶反变换单选框", {112, 12, 94, 19}, "傅立叶反变换");
  窗口傅立叶单选框 =
      PlaceControl<QRadioButton>(分组框3, "窗口傅立叶单选框", {9, 33, 94, 19}, "窗口傅立叶");
  求能谱周期图单选框 =
      PlaceControl<QRadioButton>(分组框3, "求能谱周期图单选框", {112, 33, 94, 19}, "求能谱周期图");
  抽样数据窗口组合框 = PlaceControl<QComboBox>(分组框1, "抽样数据窗口组合框", {17, 286, 214, 20});
  抽样数据窗口组合框->addItems({"0、#矩形Window", "1、#Parzen Window", "2、#Hanning Window",
                                "3、#Welch Window", "4、#Hamming Window",
                                "5、#Exact Blackman Window"});
  // 4 pixels wider than the 56 it was drawn with, so that the full-width colon fits; the
  // time-interval box starts right after it.
  标签5 = PlaceControl<QLabel>(分组框1, "标签5", {17, 315, 60, 16}, "时间间隔：");
  时间间隔编辑框 = PlaceControl<QLineEdit>(分组框1, "时间间隔编辑框", {78, 313, 151, 20});
  开始计算按钮 = PlaceControl<SuperBtn>(分组框1, "开始计算按钮", {53, 343, 139, 22}, "开始计算");

  分组框2 = PlaceControl<QGroupBox>(this, "分组框2", {280, 33, 250, 377}, "二维傅立叶变换");
  数据集实值单选框 =
      PlaceControl<QRadioButton>(分组框2, "数据集实值单选框", {13, 20, 80, 17}, "数据集实值");
  数据集虚值单选框 =
      PlaceControl<QRadioButton>(分组框2, "数据集虚值单选框", {130, 21, 80, 16}, "数据集虚值");
  成员数量列表框 = PlaceControl<QListWidget>(分组框2, "成员数量列表框", {13, 41, 104, 112});
  成员数据列表框 = PlaceControl<QListWidget>(分组框2, "成员数据列表框", {131, 41, 104, 112});
  标签6 = PlaceControl<QLabel>(分组框2, "标签6", {16, 176, 38, 14}, "第一维");
  第一维编辑框 = PlaceControl<QLineEdit>(分组框2, "第一维编辑框", {58, 172, 58, 20}, "成员数");
  标签7 = PlaceControl<QLabel>(分组框2, "标签7", {132, 176, 38, 14}, "第二维");
  第二维编辑框 = PlaceControl<QLineEdit>(分组框2, "第二维编辑框", {177, 172, 58, 20}, "成员数");
  标签2 = PlaceControl<QLabel>(分组框2, "标签2", {19, 208, 92, 17}, "输入对应成员值:");
  成员数据编辑框 = PlaceControl<QLineEdit>(分组框2, "成员数据编辑框", {114, 205, 121, 20});
  标签8 = PlaceControl<QLabel>(分组框2, "标签8", {19, 240, 30, 16}, "标志:");
  标志组合框 = PlaceControl<QComboBox>(分组框2, "标志组合框", {57, 238, 101, 20});
  标志组合框->addItems({"正变换", "反变换"});
  创建按钮 = PlaceControl<SuperBtn>(分组框2, "创建按钮", {167, 236, 68, 20}, "创建");
  二维开始计算按钮 =
      PlaceControl<SuperBtn>(分组框2, "二维开始计算按钮", {58, 282, 139, 22}, "开始计算");

  for (QLineEdit *number : {数值编辑框, 时间间隔编辑框, 成员数据编辑框}) {
    SetInputFilter(number, InputFilter::RealNumber);
  }
  SetInputFilter(第二维编辑框, InputFilter::IntegerText);

  // Three separate choices. Qt's automatic exclusivity would also count the operation
  // buttons nested in 分组框3 as part of the data-set choice of 分组框1, so each choice gets a
  // group of its own.
  for (const auto &choice :
       {std::initializer_list<QRadioButton *>{实数据集单选框, 虚数据集单选框},
        {傅立叶变换单选框, 傅立叶反变换单选框, 窗口傅立叶单选框, 求能谱周期图单选框},
        {数据集实值单选框, 数据集虚值单选框}}) {
    auto *group = new QButtonGroup(this);
    for (QRadioButton *button : choice) group->addButton(button);
  }
  实数据集单选框->setChecked(true);
  傅立叶变换单选框->setChecked(true);
  数据集实值单选框->setChecked(true);
  抽样数据窗口组合框->setCurrentIndex(0);
  标志组合框->setCurrentIndex(0);
  抽样数据窗口组合框->setEnabled(false);
  时间间隔编辑框->setEnabled(false);
}

void FourierWindow::ConnectEvents() {
  connect(添加按钮, &QPushButton::clicked, this,
          [this] { AddNumberItem(TargetList(), 数值编辑框, SelectAdded::Yes); });
  connect(修改按钮, &QPushButton::clicked, this,
          [this] { ModifySelectedItem(TargetList(), 数值编辑框->text()); });
  connect(删除按钮, &QPushButton::clicked, this, [this] { DeleteSelectedItem(TargetList()); });
  connect(清空列表框按钮, &QPushButton::clicked, this, [this] {
    虚数集列表框->clear();
    实数集列表框->clear();
  });
  for (QRadioButton *operation :
       {傅立叶变换单选框, 傅立叶反变换单选框, 窗口傅立叶单选框, 求能谱周期图单选框}) {
    connect(operation, &QRadioButton::clicked, this,
            [this, operation] { ChooseOperation(operation); });
  }
  connect(开始计算按钮, &QPushButton::clicked, this, &FourierWindow::Compute);

  connect(数据集实值单选框, &QRadioButton::clicked, this, &FourierWindow::ListChosenGrid);
  connect(数据集虚值单选框, &QRadioButton::clicked, this, &FourierWindow::ListChosenGrid);
  connect(创建按钮, &QPushButton::clicked, this, &FourierWindow::CreateGrid);
  connect(成员数量列表框, &QListWidget::currentRowChanged, this, &FourierWindow::OnGridRowSelected);
  connect(成员数据编辑框, &QLineEdit::textEdited, this, &FourierWindow::OnGridValueEdited);
  connect(二维开始计算按钮, &QPushButton::clicked, this, &FourierWindow::Compute2D);

  connect(帮助按钮, &QPushButton::clicked, this, [] { ShowHelp(FourierHelpText()); });
  connect(关闭按钮, &QPushButton::clicked, this, &QDialog::reject);
}

QListWidget *FourierWindow::TargetList() const {
  return 实数据集单选框->isChecked() ? 实数集列表框 : 虚数集列表框;
}

void FourierWindow::ChooseOperation(QRadioButton *button) {
  抽样数据窗口组合框->setEnabled(button == 窗口傅立叶单选框);
  时间间隔编辑框->setEnabled(button == 求能谱周期图单选框);
  // The data of one operation are rarely those of another (a spectrum is no signal), so a
  // different operation starts from empty lists.
  if (globals_.fourierMode != button->text()) {
    实数集列表框->clear();
    虚数集列表框->clear();
  }
  globals_.fourierMode = button->text();
}

void FourierWindow::Compute() {
  globals_.fourierRealSet = NumericArray::Vector(ItemNumbers(实数集列表框));
  globals_.fourierImagSet = NumericArray::Vector(ItemNumbers(虚数集列表框));
  bool done = false;
  {
    WaitCursor wait;
    done = RunChosenOperation();
  }
  if (!done) {
    // The lists still hold what the user typed: a refused data set can be corrected
    // instead of typed again.
    ShowMessage("运算错误！", MessageIcon::Stop);
    return;
  }
  const NumericArray &re = globals_.fourierRealSet, &im = globals_.fourierImagSet;
  QStringList reItems, imItems;
  for (std::size_t k = 0; k < std::min(re.Size(), im.Size()); ++k) {
    reItems.append(NumberItem(re[k]));
    imItems.append(NumberItem(im[k]));
  }
  实数集列表框->clear();
  虚数集列表框->clear();
  实数集列表框->addItems(reItems);
  虚数集列表框->addItems(imItems);
}

bool FourierWindow::RunChosenOperation() {
  const FourierAdapter &adapter = globals_.fourierAdapter;
  NumericArray &re = globals_.fourierRealSet, &im = globals_.fourierImagSet;
  if (傅立叶变换单选框->isChecked()) return adapter.Transform(re, im);
  if (傅立叶反变换单选框->isChecked()) return adapter.InverseTransform(re, im);
  if (窗口傅立叶单选框->isChecked()) {
    return adapter.ApplyWindow(re, im, 抽样数据窗口组合框->currentIndex());
  }
  if (求能谱周期图单选框->isChecked()) {
    return adapter.Periodogram(re, im, TextToNumber(时间间隔编辑框->text()));
  }
  return false;
}

NumericArray &FourierWindow::ChosenGrid() const {
  return 数据集实值单选框->isChecked() ? globals_.fourier2dReal : globals_.fourier2dImag;
}

void FourierWindow::ListChosenGrid() {
  成员数据列表框->clear();
  ListGridRows(成员数量列表框, ChosenGrid());
}

void FourierWindow::CreateGrid() {
  const std::int32_t rows = ToInteger(TextToNumber(第一维编辑框->text()));
  const std::int32_t columns = ToInteger(TextToNumber(第二维编辑框->text()));
  for (std::int32_t count : {rows, columns}) {
    if (!IsGridCount(count)) {
      ShowMessage("维数必须是2的幂");
      return;
    }
  }
  if (RefuseOversizedGrid(rows, columns)) return;
  ChosenGrid() = NumericArray::Matrix(rows, columns);
  ListChosenGrid();
}

void FourierWindow::OnGridRowSelected(int row) { ListGridRow(成员数据列表框, ChosenGrid(), row); }

void FourierWindow::OnGridValueEdited(const QString &text) {
  const int column = 成员数据列表框->currentRow();
  double *element = GridElement(ChosenGrid(), 成员数量列表框->currentRow(), column);
  if (!element) return;
  *element = TextToNumber(text);
  // The item shows the value as typed, so a half-typed "1." stays as the user sees it.
  成员数据列表框->item(column)->setText(text);
}

void FourierWindow::Compute2D() {
  if (globals_.fourier2dReal.Counts() != globals_.fourier2dImag.Counts()) {
    // Both grids stay as they are: one of them is usually just not created yet.
    ShowMessage("两个数组的维数、行列数必须相同");
    return;
  }
  const bool inverse = 标志组合框->currentText() == "反变换";
  bool done = false;
  {
    WaitCursor wait;
    done = globals_.fourierAdapter.Transform2D(globals_.fourier2dReal, globals_.fourier2dImag,
                                               inverse);
  }
  if (!done) {
    ShowMessage("运算错误！", MessageIcon::Stop);
    return;
  }
  ListGridRow(成员数据列表框, ChosenGrid(), 成员数量列表框->currentRow());
}

void OpenFourierWindow(AppGlobals &globals) {
  FourierWindow window(globals);
  window.move(50, 50);
  window.exec();
}
