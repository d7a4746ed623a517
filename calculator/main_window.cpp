#include "calculator/main_window.hpp"

#include <QEvent>
#include <type_traits>

#include "app/app_globals.hpp"
#include "app/help.hpp"
#include "app/help_texts.hpp"
#include "app/settings_file.hpp"
#include "app/settings_window.hpp"
#include "platform/controls.hpp"
#include "platform/message_box.hpp"
#include "platform/multi_line_box.hpp"
#include "platform/super_btn.hpp"
#include "platform/typed_character.hpp"
#include "platform/wait_cursor.hpp"
#include "windows/tool_windows.hpp"

MainWindow::MainWindow(AppGlobals &globals, QWidget *parent)
    : QWidget(parent), globals_(globals), keypad_(globals.calculatorState) {
  setObjectName("MainWindow");
  setWindowTitle("Zorvik超级计算器");
  setFixedSize(542, 390);
  BuildLayout();
  ConnectKeys();
  RunCreationStep();
}

void MainWindow::BuildLayout() {
  const auto key = [this](const char *name, int x, int y, int w, int h, const char *caption) {
    return PlaceControl<SuperBtn>(this, name, {x, y, w, h}, QString::fromUtf8(caption));
  };
  const auto rule = [this](const char *name, int x, int y, int w, int h) {
    auto *label = PlaceControl<QLabel>(this, name, {x, y, w, h});
    label->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    return label;
  };
  const auto radio = [this](const char *name, int x, int y, int w, int h, const char *caption) {
    auto *button = PlaceControl<QRadioButton>(this, name, {x, y, w, h}, QString::fromUtf8(caption));
    // The base buttons decide themselves which one is selected (a refused switch keeps
    // the old one), so Qt must not move the selection on its own.
    button->setAutoExclusive(false);
    return button;
  };

  标签1 = PlaceTitleStrip(this, "标签1", {5, 4, 532, 15});
  帮助按钮 = key("帮助按钮", 493, 4, 14, 15, "?");
  最小化按钮 = key("最小化按钮", 508, 4, 14, 15, "-");
  关闭按钮 = key("关闭按钮", 523, 4, 14, 15, "×");
  显示编辑框 = PlaceControl<MultiLineBox>(this, "显示编辑框", {12, 32, 517, 90});
  // Read-only for typing: every change comes from the keys, yet the caret, selection
  // and Ctrl+C keep working.
  显示编辑框->setReadOnly(true);
  显示编辑框->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  // Results run to a million digits without a space. Wrapping at word boundaries first
  // would search the rest of such a number again for every line, which takes minutes; the
  // display holds numbers and short messages, so it wraps anywhere.
  显示编辑框->setWordWrapMode(QTextOption::WrapAnywhere);
  QFont displayFont = 显示编辑框->font();
  displayFont.setPointSize(14);
  显示编辑框->setFont(displayFont);
  标签3 = rule("标签3", 10, 138, 522, 4);
  算式解析按钮 = key("算式解析按钮", 11, 142, 65, 19, "算式解析");
  曲线拟合按钮 = key("曲线拟合按钮", 76, 142, 65, 19, "曲线拟合");
  联立方程按钮 = key("联立方程按钮", 141, 142, 65, 19, "联立方程");
  概要统计按钮 = key("概要统计按钮", 206, 142, 65, 19, "概要统计");
  微积分按钮 = key("微积分按钮", 271, 142, 65, 19, "微积分");
  复数运算按钮 = key("复数运算按钮", 336, 142, 65, 19, "复数运算");
  矩阵运算按钮 = key("矩阵运算按钮", 401, 142, 65, 19, "矩阵运算");
  傅立叶变换按钮 = key("傅立叶变换按钮", 466, 142, 65, 19, "傅立叶变换");
  标签2 = rule("标签2", 10, 161, 522, 4);
  十六进制单选框 = radio("十六进制单选框", 12, 176, 75, 19, "十六进制");
  十进制单选框 = radio("十进制单选框", 93, 176, 59, 19, "十进制");
  八进制单选框 = radio("八进制单选框", 158, 176, 56, 19, "八进制");
  二进制单选框 = radio("二进制单选框", 222, 176, 58, 19, "二进制");
  退格按钮 = key("退格按钮", 304, 178, 67, 24, "Backspace");
  清除按钮 = key("清除按钮", 382, 178, 67, 24, "CE");
  删除按钮 = key("删除按钮", 460, 178, 67, 24, "C");
  数据配置按钮 = key("数据配置按钮", 17, 210, 88, 23, "数据配置");
  求余按钮 = key("求余按钮", 113, 210, 41, 23, "Mod");
  正弦按钮 = key("正弦按钮", 160, 210, 41, 23, "Sin");
  数字7按钮 = key("数字7按钮", 257, 209, 41, 23, "7");
  数字8按钮 = key("数字8按钮", 303, 209, 41, 23, "8");
  数字9按钮 = key("数字9按钮", 349, 209, 41, 23, "9");
  除按钮 = key("除按钮", 395, 209, 41, 23, "/");
  数字A按钮 = key("数字A按钮", 441, 209, 41, 23, "A");
  数字C按钮 = key("数字C按钮", 486, 209, 41, 23, "C");
  N次方按钮 = key("N次方按钮", 16, 242, 41, 23, "x^y");
  取绝对值按钮 = key("取绝对值按钮", 64, 242, 41, 23, "Abs");
  取整按钮 = key("取整按钮", 112, 242, 41, 23, "Int");
  余弦按钮 = key("余弦按钮", 160, 242, 41, 23, "Cos");
  数字4按钮 = key("数字4按钮", 257, 241, 41, 23, "4");
  数字5按钮 = key("数字5按钮", 303, 241, 41, 23, "5");
  数字6按钮 = key("数字6按钮", 349, 241, 41, 23, "6");
  乘按钮 = key("乘按钮", 395, 241, 41, 23, "×");
  数字B按钮 = key("数字B按钮", 441, 241, 41, 23, "B");
  数字D按钮 = key("数字D按钮", 486, 241, 41, 23, "D");
  立方按钮 = key("立方按钮", 16, 271, 41, 23, "x^3");
  角弧度按钮 = key("角弧度按钮", 64, 271, 41, 23, "C/R");
  求余切按钮 = key("求余切按钮", 112, 271, 41, 23, "Cotan");
  求正切按钮 = key("求正切按钮", 160, 271, 41, 23, "Tan");
  数字1按钮 = key("数字1按钮", 257, 273, 41, 23, "1");
  数字2按钮 = key("数字2按钮", 303, 273, 41, 23, "2");
  数字3按钮 = key("数字3按钮", 349, 273, 41, 23, "3");
  减按钮 = key("减按钮", 395, 273, 41, 23, "-");
  整除按钮 = key("整除按钮", 441, 273, 41, 23, "\\");
  数字E按钮 = key("数字E按钮", 486, 273, 41, 23, "E");
  平方按钮 = key("平方按钮", 16, 300, 41, 23, "X^2");
  数字0按钮 = key("数字0按钮", 257, 305, 41, 23, "0");
  正负号按钮 = key("正负号按钮", 303, 305, 41, 23, "+/-");
  小数点按钮 = key("小数点按钮", 349, 305, 41, 23, ".");
  加按钮 = key("加按钮", 395, 305, 41, 23, "+");
  等号按钮 = key("等号按钮", 441, 305, 41, 23, "=");
  数字F按钮 = key("数字F按钮", 486, 305, 41, 23, "F");
}

template <class Operation>
void MainWindow::RunKey(Operation operation) {
  std::string message;
  {
    // Long operands make some keys take a moment; the cursor says so.
    WaitCursor wait;
    if constexpr (std::is_void_v<decltype(operation())>) {
      operation();
    } else {
      message = operation();
    }
  }
  if (!message.empty()) ShowMessage(QString::fromStdString(message));
  ShowDisplay();
  FocusDisplay();
}

void MainWindow::ConnectKeys() {
  const auto onClick = [this](SuperBtn *button, auto operation) {
    connect(button, &QPushButton::clicked, this, [this, operation] { RunKey(operation); });
  };
  const std::pair<SuperBtn *, char> digits[] = {
      {数字0按钮, '0'}, {数字1按钮, '1'}, {数字2按钮, '2'}, {数字3按钮, '3'},
      {数字4按钮, '4'}, {数字5按钮, '5'}, {数字6按钮, '6'}, {数字7按钮, '7'},
      {数字8按钮, '8'}, {数字9按钮, '9'}, {数字A按钮, 'A'}, {数字B按钮, 'B'},
      {数字C按钮, 'C'}, {数字D按钮, 'D'}, {数字E按钮, 'E'}, {数字F按钮, 'F'}};
  for (const auto &[button, digit] : digits) {
    onClick(button, [this, digit = digit] { keypad_.Digit(digit); });
  }
  onClick(小数点按钮, [this] { keypad_.Point(); });
  onClick(退格按钮, [this] { keypad_.Backspace(); });
  onClick(正负号按钮, [this] { keypad_.ChangeSign(); });
  onClick(清除按钮, [this] { keypad_.ClearEntry(); });
  onClick(删除按钮, [this] { keypad_.ClearAll(); });

  const std::pair<SuperBtn *, std::string_view> operators[] = {
      {加按钮, operation::kAdd},         {减按钮, operation::kSubtract},
      {乘按钮, operation::kMultiply},    {除按钮, operation::kDivide},
      {整除按钮, operation::kIntDivide}, {求余按钮, operation::kMod},
      {N次方按钮, operation::kPower}};
  for (const auto &[button, name] : operators) {
    onClick(button, [this, name = name] { keypad_.Operator(name); });
  }

  onClick(等号按钮, [this] { return keypad_.Equals(); });
  const std::pair<SuperBtn *, FunctionKey> functions[] = {
      {正弦按钮, FunctionKey::Sin},
      {余弦按钮, FunctionKey::Cos},
      {求正切按钮, FunctionKey::Tan},
      {求余切按钮, FunctionKey::Cot},
      {取绝对值按钮, FunctionKey::Abs},
      {取整按钮, FunctionKey::Int},
      {平方按钮, FunctionKey::Square},
      {立方按钮, FunctionKey::Cube},
      {角弧度按钮, FunctionKey::DegreesRadians}};
  for (const auto &[button, function] : functions) {
    onClick(button, [this, function = function] { return keypad_.Function(function); });
  }
  for (QRadioButton *radio : {十六进制单选框, 十进制单选框, 八进制单选框, 二进制单选框}) {
    connect(radio, &QRadioButton::clicked, this, [this, radio] { OnBaseButton(radio); });
  }

  connect(帮助按钮, &QPushButton::clicked, this, [] { ShowHelp(MainWindowHelpText()); });
  connect(数据配置按钮, &QPushButton::clicked, this, [this] {
    SettingsWindow settings(globals_);
    settings.exec();
  });
  const std::pair<SuperBtn *, void (*)(AppGlobals &)> tools[] = {
      {算式解析按钮, OpenExpressionCurveWindow}, {曲线拟合按钮, OpenExpressionCurveWindow},
      {联立方程按钮, OpenEquationStatsWindow},   {概要统计按钮, OpenEquationStatsWindow},
      {微积分按钮, OpenCalculusWindow},          {复数运算按钮, OpenComplexWindow},
      {矩阵运算按钮, OpenMatrixWindow},          {傅立叶变换按钮, OpenFourierWindow}};
  for (const auto &[button, open] : tools) {
    connect(button, &QPushButton::clicked, this, [this, open = open] { open(globals_); });
  }
  connect(最小化按钮, &QPushButton::clicked, this, &QWidget::showMinimized);
  connect(关闭按钮, &QPushButton::clicked, this, &QWidget::close);
  显示编辑框->characterInput = [this](int code) { return OnDisplayCharacter(code); };
}

void MainWindow::RunCreationStep() {
  globals_.settingsPath = SettingsPath(globals_.runDirectory);
  EnsureSettingsFile(globals_.settingsPath);
  CalculatorState &state = globals_.calculatorState;
  state.precisionText = ReadSetting(globals_.settingsPath, settings::kPrecisionKey).toStdString();
  state.decimalPlacesText =
      ReadSetting(globals_.settingsPath, settings::kDecimalPlacesKey).toStdString();

  state.currentBase = 10;
  SelectBaseButton(10);
  keypad_.SetDisplay("0");
  ShowDisplay();
  state.firstOperand = keypad_.Display();
  EnableKeysFor(10);
  FocusDisplay();
}

int MainWindow::BaseOf(const QRadioButton *radio) const {
  if (radio == 十六进制单选框) return 16;
  if (radio == 八进制单选框) return 8;
  if (radio == 二进制单选框) return 2;
  return 10;
}

void MainWindow::SelectBaseButton(int base) {
  for (QRadioButton *radio : {十六进制单选框, 十进制单选框, 八进制单选框, 二进制单选框}) {
    radio->setChecked(BaseOf(radio) == base);
  }
}

void MainWindow::EnableKeysFor(int base) {
  const EnabledKeys enabled = KeysEnabledIn(base);
  for (SuperBtn *key : {数字A按钮, 数字B按钮, 数字C按钮, 数字D按钮, 数字E按钮, 数字F按钮}) {
    key->setEnabled(enabled.letters);
  }
  for (SuperBtn *key : {数字2按钮, 数字3按钮, 数字4按钮, 数字5按钮, 数字6按钮, 数字7按钮}) {
    key->setEnabled(enabled.twoToSeven);
  }
  for (SuperBtn *key : {数字8按钮, 数字9按钮}) key->setEnabled(enabled.eightAndNine);
  for (SuperBtn *key : {求余按钮, 正弦按钮, 取绝对值按钮, 取整按钮, 余弦按钮, 角弧度按钮,
                        求余切按钮, 求正切按钮, 小数点按钮, 正负号按钮}) {
    key->setEnabled(enabled.decimalOnly);
  }
}

void MainWindow::OnBaseButton(QRadioButton *clicked) {
  const int target = BaseOf(clicked);
  std::string refusal;
  {
    WaitCursor wait;
    refusal = keypad_.ChangeBase(target);
  }
  if (!refusal.empty()) {
    clicked->setChecked(false);
    FocusDisplay();
    SelectBaseButton(keypad_.State().currentBase);
    ShowMessage(QString::fromStdString(refusal));
    return;
  }
  SelectBaseButton(target);
  EnableKeysFor(target);
  ShowDisplay();
  FocusDisplay();
}

void MainWindow::ShowDisplay() {
  const QString text = QString::fromStdString(keypad_.Display());
  // Re-laying out a result of many thousand digits on every key would make the window
  // sluggish; only a changed text is written.
  if (显示编辑框->toPlainText() != text) 显示编辑框->SetText(text);
}

void MainWindow::FocusDisplay() {
  显示编辑框->setFocus();
  显示编辑框->MoveCaretToEnd();
}

bool MainWindow::OnDisplayCharacter(int code) {
  const Keypad::Typed typed = keypad_.TypeCharacter(code);
  if (typed.taken) {
    if (!typed.message.empty()) ShowMessage(QString::fromStdString(typed.message));
    ShowDisplay();
    FocusDisplay();
    return true;
  }
  // Characters the calculator does not take are dropped; other keys (arrows, Page Up)
  // still move the caret and scroll.
  return IsPrintableCode(code);
}

void MainWindow::changeEvent(QEvent *event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) FocusDisplay();
}
