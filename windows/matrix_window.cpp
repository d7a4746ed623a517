#include "windows/matrix_window.hpp"

#include <QFont>
#include <string>

#include "app/app_globals.hpp"
#include "app/help.hpp"
#include "app/help_texts.hpp"
#include "app/number_text.hpp"
#include "platform/controls.hpp"
#include "platform/input_filter.hpp"
#include "platform/message_box.hpp"
#include "platform/multi_line_box.hpp"
#include "platform/super_btn.hpp"
#include "platform/trans_label.hpp"
#include "platform/wait_cursor.hpp"
#include "windows/list_editing.hpp"
#include "windows/tool_windows.hpp"

namespace {

// A comma separates the elements of a row. Typed with a Chinese input method it comes as
// the full-width "，"; either way it becomes a "," at the end of the text. Other full-width
// forms ("１", "－") are no commas: they meet the box's filter like any other character.
bool TypesComma(int code) { return code == ',' || code == 0xFF0C; }

}  // namespace

MatrixWindow::MatrixWindow(AppGlobals &globals, QWidget *parent)
    : QDialog(parent), globals_(globals) {
  setObjectName("MatrixWindow");
  setWindowTitle("矩阵运算");
  setFixedSize(535, 405);
  BuildLayout();
  ConnectEvents();
}

void MatrixWindow::BuildLayout() {
  标签 = PlaceTitleStrip(this, "标签", {4, 3, 527, 15});
  帮助按钮 = PlaceControl<SuperBtn>(this, "帮助按钮", {448, 3, 68, 29}, "帮助");
  关闭按钮 = PlaceControl<SuperBtn>(this, "关闭按钮", {517, 3, 14, 15}, "×");

  透明标签7 = PlaceControl<TransLabel>(this, "透明标签7", {280, 25, 40, 16}, "矩阵1");
  矩阵1编辑框 = PlaceControl<MultiLineBox>(this, "矩阵1编辑框", {280, 40, 242, 72});
  透明标签9 = PlaceControl<TransLabel>(this, "透明标签9", {280, 115, 40, 15}, "矩阵2");
  矩阵2编辑框 = PlaceControl<MultiLineBox>(this, "矩阵2编辑框", {280, 129, 242, 72});
  for (MultiLineBox *matrix : {矩阵1编辑框, 矩阵2编辑框}) {
    // A row of a matrix stays on one line; long rows scroll sideways.
    matrix->setLineWrapMode(QPlainTextEdit::NoWrap);
    matrix->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    SetInputFilter(matrix, InputFilter::IntegerText);
  }
  矩阵相加超级按钮 =
      PlaceControl<SuperBtn>(this, "矩阵相加超级按钮", {280, 210, 57, 18}, "矩阵相加");
  矩阵相乘超级按钮 =
      PlaceControl<SuperBtn>(this, "矩阵相乘超级按钮", {341, 210, 57, 18}, "矩阵相乘");
  矩阵转置超级按钮 =
      PlaceControl<SuperBtn>(this, "矩阵转置超级按钮", {403, 210, 57, 18}, "矩阵转置");
  实矩阵逆超级按钮 =
      PlaceControl<SuperBtn>(this, "实矩阵逆超级按钮", {464, 210, 57, 18}, "实矩阵逆");

  // The label lies where the result box is and stays beneath it, so that it never covers a
  // result.
  透明标签6 = PlaceControl<TransLabel>(this, "透明标签6", {14, 281, 65, 18}, "结果↓↓");
  结果编辑框 = PlaceControl<MultiLineBox>(
      this, "结果编辑框", {11, 240, 511, 121},
      "“矩阵转置”与“实矩阵逆”只需一个一维数组即可，本程序设置为“矩阵一”.");
  SetInputFilter(结果编辑框, InputFilter::ReadOnly);
  // Results pad every element to the same width; in a fixed-pitch font that lines the
  // columns up.
  QFont fixedPitch = 结果编辑框->font();
  fixedPitch.setFamilies({"WenQuanYi Micro Hei Mono", "Noto Sans Mono CJK SC", "Monospace"});
  fixedPitch.setStyleHint(QFont::Monospace);
  结果编辑框->setFont(fixedPitch);

  分组框1 = PlaceControl<QGroupBox>(this, "分组框1", {11, 22, 261, 208});
  透明标签1 = PlaceControl<TransLabel>(分组框1, "透明标签1", {8, 11, 64, 21}, "操作值↓");
  操作值编辑框 = PlaceControl<QLineEdit>(分组框1, "操作值编辑框", {8, 34, 78, 18});
  透明标签3 = PlaceControl<TransLabel>(分组框1, "透明标签3", {9, 59, 44, 14}, "第一维:");
  第一维编辑框 = PlaceControl<QLineEdit>(分组框1, "第一维编辑框", {8, 79, 78, 18});
  透明标签4 = PlaceControl<TransLabel>(分组框1, "透明标签4", {8, 104, 41, 19}, "第二维:");
  第二维编辑框 = PlaceControl<QLineEdit>(分组框1, "第二维编辑框", {8, 127, 78, 18});
  创建超级按钮 = PlaceControl<SuperBtn>(分组框1, "创建超级按钮", {13, 151, 69, 18}, "创  建");
  透明标签2 =
      PlaceControl<TransLabel>(分组框1, "透明标签2", {94, 15, 144, 14}, "第一维 　     第二维");
  第一维列表框 = PlaceControl<QListWidget>(分组框1, "第一维列表框", {94, 34, 76, 136});
  第二维列表框 = PlaceControl<QListWidget>(分组框1, "第二维列表框", {176, 34, 76, 136});
  矩阵标量乘积超级按钮 =
      PlaceControl<SuperBtn>(分组框1, "矩阵标量乘积超级按钮", {12, 177, 80, 21}, "矩阵标量乘积");
  透明标签5 = PlaceControl<TransLabel>(分组框1, "透明标签5", {104, 180, 64, 19}, "标量操作数");
  标量编辑框 = PlaceControl<QLineEdit>(分组框1, "标量编辑框", {177, 178, 76, 20});
  SetInputFilter(操作值编辑框, InputFilter::RealNumber);
  SetInputFilter(标量编辑框, InputFilter::RealNumber);
}

void MatrixWindow::ConnectEvents() {
  const MatrixAdapter &adapter = globals_.matrixAdapter;  // lives as long as the program
  const auto matrix = [](const MultiLineBox *box) { return box->Text().toStdString(); };
  // Each button computes one result text and shows it; large matrices may take a moment.
  const auto showing = [this](auto compute) {
    return [this, compute] {
      WaitCursor wait;
      结果编辑框->SetText(QString::fromStdString(compute()));
    };
  };
  connect(矩阵相乘超级按钮, &QPushButton::clicked, this, showing([=, this, &adapter] {
            return adapter.Multiply(matrix(矩阵1编辑框), matrix(矩阵2编辑框));
          }));
  connect(矩阵相加超级按钮, &QPushButton::clicked, this, showing([=, this, &adapter] {
            return adapter.Add(matrix(矩阵1编辑框), matrix(矩阵2编辑框));
          }));
  connect(实矩阵逆超级按钮, &QPushButton::clicked, this,
          showing([=, this, &adapter] { return adapter.Inverse(matrix(矩阵1编辑框)); }));
  connect(矩阵转置超级按钮, &QPushButton::clicked, this,
          showing([=, this, &adapter] { return adapter.Transpose(matrix(矩阵1编辑框)); }));
  connect(矩阵标量乘积超级按钮, &QPushButton::clicked, this, showing([=, this, &adapter] {
            return adapter.ScalarMultiply(globals_.matrixArray, TextToNumber(标量编辑框->text()));
          }));

  for (MultiLineBox *box : {矩阵1编辑框, 矩阵2编辑框}) {
    box->characterInput = [this, box](int code) { return OnMatrixCharacter(box, code); };
  }
  connect(创建超级按钮, &QPushButton::clicked, this, &MatrixWindow::Create);
  connect(第一维列表框, &QListWidget::currentRowChanged, this, &MatrixWindow::OnRowSelected);
  connect(第二维列表框, &QListWidget::currentRowChanged, this, &MatrixWindow::OnColumnSelected);
  // Only the user's own edits store a value; the box is also written when an element is
  // selected, and that must not store anything.
  connect(操作值编辑框, &QLineEdit::textEdited, this, &MatrixWindow::OnValueEdited);

  connect(帮助按钮, &QPushButton::clicked, this, [this] {
    ShowHelp(MatrixHelpText());
    OpenMatrixHelpDocument(globals_.runDirectory);
  });
  connect(关闭按钮, &QPushButton::clicked, this, &QDialog::reject);
}

bool MatrixWindow::OnMatrixCharacter(MultiLineBox *box, int code) {
  if (!TypesComma(code)) return false;
  // The comma goes to the end of the text wherever the caret is: elements are typed in
  // order, and a stray caret position must not split a number.
  box->MoveCaretToEnd();
  box->insertPlainText(",");
  return true;
}

void MatrixWindow::Create() {
  const std::int32_t rows = ToInteger(TextToNumber(第一维编辑框->text()));
  const std::int32_t columns = ToInteger(TextToNumber(第二维编辑框->text()));
  if (rows < 0 || columns < 0) {
    ShowMessage("错误：第一维或第二维不能为负数", MessageIcon::Stop);
    return;
  }
  if (RefuseOversizedGrid(rows, columns)) return;
  第一维列表框->clear();
  第二维列表框->clear();
  if (rows == 0 || columns == 0) {
    ShowMessage("错误：第一维或第二维存在0成员", MessageIcon::Stop);
    return;
  }
  globals_.matrixArray = NumericArray::Matrix(rows, columns);
  ListGridRows(第一维列表框, globals_.matrixArray);
}

void MatrixWindow::OnRowSelected(int row) {
  ListGridRow(第二维列表框, globals_.matrixArray, row);
  if (row < 0) return;
  if (第二维列表框->count() > 0) 第二维列表框->setCurrentRow(0);
  操作值编辑框->clear();
}

void MatrixWindow::OnColumnSelected(int column) {
  if (QListWidgetItem *item = 第二维列表框->item(column)) 操作值编辑框->setText(item->text());
}

void MatrixWindow::OnValueEdited(const QString &text) {
  const int row = 第一维列表框->currentRow(), column = 第二维列表框->currentRow();
  double *element = GridElement(globals_.matrixArray, row, column);
  if (!element) return;
  *element = TextToNumber(text);
  第二维列表框->item(column)->setText(QString::fromStdString(NumberToText(*element)));
}

void OpenMatrixWindow(AppGlobals &globals) {
  MatrixWindow window(globals);
  window.move(50, 50);
  window.exec();
}
