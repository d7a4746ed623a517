// Bad input in every edit box that takes text, through the real windows: very long texts,
// texts of only "-" or ".", full-width digits, an emoji (outside GBK), several pasted lines
// in a single-line box, a 100,000-digit keypad operand, deeply nested brackets, large and
// ragged matrix texts. Each must give what the window defines for it or a clear message,
// never a crash, a freeze or a changed setting.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <charconv>
#include <cmath>
#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "app/app_globals.hpp"
#include "app/number_text.hpp"
#include "platform/files.hpp"
#include "platform/multi_line_box.hpp"
#include "platform/random_generator.hpp"
#include "tests/support/app_fixture.hpp"
#include "tests/support/ui_driver.hpp"

namespace {

enum class Entry { Typed, Pasted };

struct BadInput {
  const char *what;
  Entry entry;
  QString text;
};

// The piece repeated to exactly `length` characters.
QString Repeated(const QString &piece, int length) { return piece.repeated(length).left(length); }

const QString kEmoji = QString::fromUtf8("😀");

const BadInput kTenThousandDigits{"10,000 digits", Entry::Pasted, Repeated("1234567890", 10000)};
const BadInput kTenThousandPoints{"10,000 points", Entry::Pasted, Repeated(".", 10000)};
const BadInput kThreeLines{"three lines", Entry::Pasted, "12\r\n34\n56"};

// What every edit box meets.
const std::vector<BadInput> kBadInputs = {
    kTenThousandDigits,
    kTenThousandPoints,
    {"a minus sign", Entry::Typed, "-"},
    {"a point", Entry::Typed, "."},
    {"full-width digits", Entry::Typed, "１２．５"},
    {"full-width digits", Entry::Pasted, "－１２．５"},
    {"an emoji", Entry::Typed, kEmoji},
    {"an emoji and a digit", Entry::Pasted, kEmoji + "7"},
    kThreeLines,
};

// Puts the input into the box over whatever it holds, as a user selects all and types or
// pastes.
void Enter(QWidget *box, Entry entry, const QString &text) {
  Press(box, Qt::Key_A, Qt::ControlModifier);
  if (entry == Entry::Typed) {
    Type(box, text);
  } else {
    Paste(box, text);
  }
}

QString BoxText(const QWidget *box) {
  if (auto *line = qobject_cast<const QLineEdit *>(box)) return line->text();
  return qobject_cast<const QPlainTextEdit *>(box)->toPlainText();
}

void SetBoxText(QWidget *box, const QString &text) {
  if (auto *line = qobject_cast<QLineEdit *>(box)) return line->setText(text);
  qobject_cast<MultiLineBox *>(box)->SetText(text);
}

// A plain text that TextToNumber reads as exactly this value.
QString ReadsAs(double value) {
  if (std::isinf(value)) return value > 0 ? "1e999" : "-1e999";
  char buffer[64];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
  return QString::fromLatin1(buffer, end - buffer);
}

// A list item as the number it shows: number texts stay, other texts become the number
// they read as.
QString AsNumber(const QString &item) {
  if (item.contains('#')) return item;  // "1.#INF", "-1.#IND": no number reads back as these
  return QString::fromStdString(NumberToText(TextToNumber(item)));
}

// A tool window as the sweep uses it: opened from the main window, its boxes filled with
// ordinary values and its lists with a few items, then one box gets the bad input and the
// buttons that read it are pressed in turn.
struct ToolWindow {
  const char *opener;
  std::vector<std::pair<const char *, const char *>> filled;
  std::function<void(QWidget *dialog)> prepare;
  std::vector<const char *> presses;
};

void SetText(const QWidget *dialog, const char *box, const char *text) {
  SetBoxText(FindControl(dialog, box), QString::fromUtf8(text));
}

// Types a value into the box and adds it with the button, as a user fills a list.
void AddItems(const QWidget *dialog, const char *box, const char *button,
              std::initializer_list<const char *> values) {
  for (const char *value : values) {
    SetText(dialog, box, value);
    Click(dialog, button);
  }
}

const ToolWindow kComplex{
    "复数运算按钮",
    {{"复数数据1编辑框", "2"}, {"复数数据2编辑框", "3"}, {"复数数据编辑框", "4"}},
    [](QWidget *) {},
    {"相加超级按钮", "相减超级按钮", "相乘超级按钮", "相除超级按钮", "求复数指数超级按钮",
     "求复数长度超级按钮", "求复数极角超级按钮"}};

const ToolWindow kMatrix{"矩阵运算按钮",
                         {{"矩阵1编辑框", "1,2\r\n3,4"},
                          {"矩阵2编辑框", "5,6\r\n7,8"},
                          {"第一维编辑框", "2"},
                          {"第二维编辑框", "2"},
                          {"标量编辑框", "3"}},
                         [](QWidget *dialog) {
                           Click(dialog, "创建超级按钮");
                           ClickItem(Find<QListWidget>(dialog, "第一维列表框"), 1);
                           ClickItem(Find<QListWidget>(dialog, "第二维列表框"), 1);
                         },
                         {"矩阵相加超级按钮", "矩阵相乘超级按钮", "矩阵转置超级按钮",
                          "实矩阵逆超级按钮", "矩阵标量乘积超级按钮", "创建超级按钮"}};

const ToolWindow kFourier{"傅立叶变换按钮",
                          {{"时间间隔编辑框", "0.5"}, {"第一维编辑框", "2"}, {"第二维编辑框", "2"}},
                          [](QWidget *dialog) {
                            Click(dialog, "求能谱周期图单选框");
                            AddItems(dialog, "数值编辑框", "添加按钮", {"1", "2"});
                            Click(dialog, "虚数据集单选框");
                            AddItems(dialog, "数值编辑框", "添加按钮", {"3", "4"});
                            Click(dialog, "实数据集单选框");
                            ClickItem(Find<QListWidget>(dialog, "实数集列表框"), 1);
                            Click(dialog, "数据集虚值单选框");
                            Click(dialog, "创建按钮");
                            Click(dialog, "数据集实值单选框");
                            Click(dialog, "创建按钮");
                            ClickItem(Find<QListWidget>(dialog, "成员数量列表框"), 1);
                            ClickItem(Find<QListWidget>(dialog, "成员数据列表框"), 1);
                          },
                          {"修改按钮", "开始计算按钮", "添加按钮", "二维开始计算按钮", "创建按钮"}};

const ToolWindow kEquationStats{
    "联立方程按钮",
    {{"第一维编辑框", "2"}, {"第二维编辑框", "2"}},
    [](QWidget *dialog) {
      Click(dialog, "y向量单选框");
      Click(dialog, "联立方程第一维列表框");
      AddItems(dialog, "联立方程操作值编辑框", "联立方程添加超级按钮", {"2", "1"});
      Click(dialog, "联立方程第二维列表框");
      AddItems(dialog, "联立方程操作值编辑框", "联立方程添加超级按钮", {"1", "3"});
      Click(dialog, "x变量系数单选框");
      AddItems(dialog, "联立方程操作值编辑框", "联立方程添加超级按钮", {"3", "5"});
      Click(dialog, "创建超级按钮");
    },
    {"联立方程修改超级按钮", "联立方程计算超级按钮", "联立方程添加超级按钮", "概要统计计算超级按钮",
     "创建超级按钮"}};

const ToolWindow kExpressionCurve{
    "算式解析按钮",
    {{"计算表达式编辑框", "x*x"},
     {"积分上限编辑框", "1"},
     {"积分下限编辑框", "0"},
     {"误差编辑框", "0.001"}},
    [](QWidget *dialog) {
      AddItems(dialog, "独立变量观察值编辑框", "二乘曲线拟合添加超级按钮", {"1", "2", "3"});
      SetText(dialog, "独立变量观察值编辑框", "2");
    },
    {"算式解析超级按钮", "三次样条插值单选框", "运算超级按钮", "二乘曲线拟合单选框",
     "二乘曲线拟合添加超级按钮", "运算超级按钮"}};

const ToolWindow kCalculus{
    "微积分按钮",
    {{"样本区间编辑框", "1"},
     {"积分下限编辑框", "0"},
     {"积分上限编辑框", "2"},
     {"x已知值编辑框", "0"},
     {"y已知值编辑框", "1"},
     {"要求解的x编辑框", "1"},
     {"初始步长编辑框", "0.1"},
     {"最小步长编辑框", "0.0001"},
     {"容许误差编辑框", "0.0001"}},
    [](QWidget *dialog) {
      AddItems(dialog, "操作值编辑框", "添加超级按钮", {"1", "2", "3"});
      SetText(dialog, "操作值编辑框", "4");
    },
    {"添加超级按钮", "离散化数值积分函数数值积分计算超级按钮", "函数数值积分单选框",
     "离散化数值积分函数数值积分计算超级按钮", "一阶微分方程超级按钮"}};

// What one run through a window gave.
struct WindowRun {
  QString entered;    // the box's text once the input was in
  QString before;     // the box's text before it
  QStringList shown;  // the window after each press, and every message
};

class HostileInputTest : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    Start();
    settingsBefore_ = ReadFileBytes(SettingsFile()).value_or("");
    // Least squares draws its dependent values from the clock: a fixed seed makes two runs
    // of the same input comparable.
    previousSeed_ = FixClockSeed(1);
  }
  void TearDown() override {
    FixClockSeed(previousSeed_);
    // No input anywhere changes a setting, in the file or in the calculator.
    EXPECT_EQ(ReadFileBytes(SettingsFile()).value_or(""), settingsBefore_);
    EXPECT_EQ(state().precisionText, "3");
    EXPECT_EQ(state().decimalPlacesText, "5");
    AppFixture::TearDown();
  }

  // Opens the tool window, prepares it, lets `enter` put something into the box and
  // presses the window's buttons.
  WindowRun RunWith(const ToolWindow &tool, const QString &boxName,
                    const std::function<void(QWidget *box)> &enter) {
    WindowRun run;
    WithDialog([&] { Click(&window(), tool.opener); },
               [&](QWidget *dialog) {
                 for (const auto &[box, text] : tool.filled) SetText(dialog, box, text);
                 tool.prepare(dialog);
                 QWidget *box = FindControl(dialog, boxName);
                 run.before = BoxText(box);
                 enter(box);
                 run.entered = BoxText(box);
                 for (const char *button : tool.presses) {
                   for (const ShownMessage &m : AnswerMessages([&] { Click(dialog, button); })) {
                     EXPECT_EQ(m.title, "信息：");
                     EXPECT_FALSE(m.text.isEmpty());
                     run.shown.append("message " + m.text);
                   }
                   run.shown.append(Shown(dialog, box));
                 }
               });
    return run;
  }

  // Every edit box but the one under test, and every list with its items as numbers: a
  // list item that keeps a value as typed ("１２．５") compares as the value it holds.
  static QStringList Shown(const QWidget *dialog, const QWidget *except) {
    QStringList shown;
    for (const QWidget *box : dialog->findChildren<QWidget *>()) {
      if (box == except) continue;
      if (qobject_cast<const QLineEdit *>(box) || qobject_cast<const QPlainTextEdit *>(box)) {
        shown.append(box->objectName() + "=" + BoxText(box));
      }
      if (auto *list = qobject_cast<const QListWidget *>(box)) {
        QStringList values;
        for (const QString &item : ItemTexts(list)) values.append(AsNumber(item));
        shown.append(list->objectName() + ":" + values.join(' '));
      }
    }
    return shown;
  }

  // Every bad input in every edit box of the window. A box the window reads as a number
  // must act exactly as if it held the plain number its text reads as; a read-only box
  // keeps its text; nothing crashes or hangs.
  void Sweep(const ToolWindow &tool) {
    QStringList boxes;
    WithDialog(
        [&] { Click(&window(), tool.opener); },
        [&](QWidget *dialog) {
          for (const QWidget *box : dialog->findChildren<QWidget *>()) {
            if (qobject_cast<const QLineEdit *>(box) || qobject_cast<const QPlainTextEdit *>(box)) {
              boxes.append(box->objectName());
            }
          }
        });
    ASSERT_FALSE(boxes.isEmpty());
    std::map<std::pair<QString, QString>, QStringList> plainRuns;
    for (const QString &boxName : boxes) {
      for (const BadInput &input : kBadInputs) {
        SCOPED_TRACE(boxName.toStdString() + ": " + input.what);
        bool numberBox = false, readOnly = false;
        const WindowRun bad = RunWith(tool, boxName, [&](QWidget *box) {
          auto *line = qobject_cast<QLineEdit *>(box);
          numberBox = line && !line->isReadOnly() && boxName != "计算表达式编辑框";
          readOnly =
              !box->isEnabled() ||
              (line ? line->isReadOnly() : qobject_cast<QPlainTextEdit *>(box)->isReadOnly());
          Enter(box, input.entry, input.text);
        });
        if (readOnly) {
          EXPECT_EQ(bad.entered, bad.before);
        }
        if (!numberBox) continue;
        const QString plain = ReadsAs(TextToNumber(bad.entered));
        auto [known, isNew] = plainRuns.try_emplace({boxName, plain});
        if (isNew) {
          known->second =
              RunWith(tool, boxName, [&](QWidget *box) { Enter(box, Entry::Pasted, plain); }).shown;
        }
        EXPECT_EQ(bad.shown, known->second) << "as " << plain.toStdString();
      }
    }
  }

 private:
  QByteArray settingsBefore_;
  std::optional<std::uint32_t> previousSeed_;
};

TEST_F(HostileInputTest, EveryBoxOfTheComplexWindow) { Sweep(kComplex); }
TEST_F(HostileInputTest, EveryBoxOfTheMatrixWindow) { Sweep(kMatrix); }
TEST_F(HostileInputTest, EveryBoxOfTheFourierWindow) { Sweep(kFourier); }
TEST_F(HostileInputTest, EveryBoxOfTheEquationStatsWindow) { Sweep(kEquationStats); }
TEST_F(HostileInputTest, EveryBoxOfTheExpressionCurveWindow) { Sweep(kExpressionCurve); }
TEST_F(HostileInputTest, EveryBoxOfTheCalculusWindow) { Sweep(kCalculus); }

// The settings window saves whole numbers from 0 to 50 and nothing else: whatever else is
// put into its boxes gets a message and changes neither the file nor the calculator. Typed
// characters the boxes do not take leave the setting shown ("3") as it was.
TEST_F(HostileInputTest, SettingsWindowSavesNothingButWholeNumbers) {
  const char *const precision = "计算精度编辑框";
  const char *const places = "小数保留位数编辑框";
  const char *const kSaved = "更新数据成功";
  struct Case {
    const char *box;
    BadInput input;
    const char *message;
  } cases[] = {
      {precision, kTenThousandDigits, "计算精度不能大于50"},
      {precision, {"a minus sign", Entry::Typed, "-"}, "计算精度不能为负数"},
      {precision, {"a point", Entry::Typed, "."}, kSaved},
      {precision, kTenThousandPoints, "计算精度不能为小数"},
      {precision, {"full-width digits", Entry::Typed, "１２"}, kSaved},
      {precision, {"a full-width minus", Entry::Pasted, "－５"}, "计算精度不能为负数"},
      {precision, {"a full-width point", Entry::Pasted, "５．５"}, "计算精度不能为小数"},
      {precision, {"full-width digits", Entry::Pasted, "６０"}, "计算精度不能大于50"},
      {precision, {"an emoji", Entry::Typed, kEmoji}, kSaved},
      {precision, {"an emoji", Entry::Pasted, kEmoji + "7"}, "计算精度必须是整数"},
      {precision, {"two lines", Entry::Pasted, "3\r\n5"}, "计算精度必须是整数"},
      {places, kTenThousandDigits, "小数保留位数不能大于50"},
      {places, {"a minus sign", Entry::Typed, "-"}, "小数保留位数不能为负数"},
      {places, {"a full-width minus", Entry::Pasted, "－１"}, "小数保留位数不能为负数"},
      {places, {"a full-width point", Entry::Pasted, "１．５"}, "小数保留位数不能为小数"},
      {places, {"an emoji", Entry::Pasted, kEmoji}, "小数保留位数必须是整数"},
      {places, kThreeLines, "小数保留位数必须是整数"},
      {places, {"letters", Entry::Pasted, "abc"}, "小数保留位数必须是整数"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(std::string(c.box) + ": " + c.input.what);
    WithDialog([&] { Click(&window(), "数据配置按钮"); },
               [&](QWidget *dialog) {
                 Enter(FindControl(dialog, c.box), c.input.entry, c.input.text);
                 const auto shown = AnswerMessages([&] { Click(dialog, "确定按钮"); });
                 ASSERT_EQ(shown.size(), 1u);
                 EXPECT_EQ(shown[0].text, c.message);
                 EXPECT_EQ(dialog->isVisible(), c.message != kSaved);
               });
  }
}

class HostileKeypadTest : public HostileInputTest {
 protected:
  void SetUp() override {
    HostileInputTest::SetUp();
    display = Find<MultiLineBox>(&window(), "显示编辑框");
  }
  void Keys(const std::vector<const char *> &names) {
    for (const char *name : names) Click(&window(), name);
  }
  // 10^100000 - 1: a hundred thousand nines, the way a user gets them onto the display.
  void HundredThousandNines() {
    Keys({"删除按钮", "数字1按钮", "数字0按钮", "N次方按钮", "数字1按钮", "数字0按钮", "数字0按钮",
          "数字0按钮", "数字0按钮", "数字0按钮", "等号按钮", "减按钮", "数字1按钮", "等号按钮"});
    ASSERT_EQ(display->Text(), QString(100000, '9'));
  }
  MultiLineBox *display = nullptr;
};

// Typed into the display, a character is a key of the calculator or nothing; the display
// takes no pasted text.
TEST_F(HostileKeypadTest, TheDisplayTakesOnlyTheCalculatorsKeys) {
  struct Case {
    BadInput input;
    const char *display, *pending;
  } cases[] = {
      {{"10,000 characters that are no keys", Entry::Typed, Repeated("xyzａ１，", 10000)}, "7", ""},
      {{"a minus sign", Entry::Typed, "-"}, "0", "减"},
      {{"a point", Entry::Typed, "."}, "7.", ""},
      {{"full-width digits", Entry::Typed, "１２．５"}, "7", ""},
      {{"an emoji", Entry::Typed, kEmoji}, "7", ""},
      {kTenThousandDigits, "7", ""},
      {kThreeLines, "7", ""},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.input.what);
    Keys({"删除按钮", "数字7按钮"});
    EXPECT_TRUE(AnswerMessages([&] { Enter(display, c.input.entry, c.input.text); }).empty());
    EXPECT_EQ(display->Text(), c.display);
    EXPECT_EQ(state().pendingOperator, c.pending);
  }
}

// Every key on a hundred-thousand-digit operand: the exact result or, for a result of more
// than a million digits, the message; each in well under a second or two.
TEST_F(HostileKeypadTest, AHundredThousandDigitOperandTakesEveryKey) {
  const auto digits = [](double bits) { return static_cast<int>(100000 * bits) + 1; };
  struct Case {
    const char *what;
    std::vector<const char *> keys;
    int length;
    const char *starts, *ends, *message;
  } cases[] = {
      {"+ 7", {"加按钮", "数字7按钮", "等号按钮"}, 100001, "1000", "0006", nullptr},
      {"x 7", {"乘按钮", "数字7按钮", "等号按钮"}, 100001, "6999", "9993", nullptr},
      {"/ 7", {"除按钮", "数字7按钮", "等号按钮"}, 100006, "142857142857", nullptr, nullptr},
      {"\\ 7", {"整除按钮", "数字7按钮", "等号按钮"}, 100000, "142857142857", nullptr, nullptr},
      {"Mod 7", {"求余按钮", "数字7按钮", "等号按钮"}, 1, "3", nullptr, nullptr},
      {"x^y 2", {"N次方按钮", "数字2按钮", "等号按钮"}, 200000, "9999", "00001", nullptr},
      {"x^y 11",
       {"N次方按钮", "数字1按钮", "数字1按钮", "等号按钮"},
       1,
       "0",
       nullptr,
       "结果超过一百万位数字，无法计算"},
      {"X^2", {"平方按钮"}, 200000, "9999", "00001", nullptr},
      {"x^3", {"立方按钮"}, 300000, "9999", "9999", nullptr},
      {"Abs", {"取绝对值按钮"}, 100000, "9999", "9999", nullptr},
      {"Int", {"取整按钮"}, 100000, "9999", "9999", nullptr},
      {"C/R", {"角弧度按钮"}, 6, "1.#INF", nullptr, nullptr},
      {"+/-", {"正负号按钮"}, 100001, "-9999", "9999", nullptr},
      {"Backspace", {"退格按钮"}, 99999, "9999", "9999", nullptr},
      {"a digit", {"数字7按钮"}, 100001, "9999", "99997", nullptr},
      {"a point", {"小数点按钮"}, 100001, "9999", "9.", nullptr},
      {"hexadecimal",
       {"十六进制单选框"},
       digits(std::log(10) / std::log(16)),
       nullptr,
       nullptr,
       nullptr},
      {"octal", {"八进制单选框"}, digits(std::log(10) / std::log(8)), nullptr, nullptr, nullptr},
      {"binary", {"二进制单选框"}, digits(std::log2(10)), "1", nullptr, nullptr},
      {"binary and back", {"二进制单选框", "十进制单选框"}, 100000, "9999", "9999", nullptr},
      {"x^y 4 in hexadecimal",
       {"N次方按钮", "数字4按钮", "等号按钮", "十六进制单选框"},
       400000,
       "9999",
       "0001",
       "超过300000位的数不能转换成16进制的数值"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    HundredThousandNines();
    const auto shown = AnswerMessages([&] { Keys(c.keys); });
    const QString text = display->Text();
    EXPECT_EQ(text.size(), c.length);
    if (c.starts) {
      EXPECT_TRUE(text.startsWith(c.starts)) << text.left(20).toStdString();
    }
    if (c.ends) {
      EXPECT_TRUE(text.endsWith(c.ends)) << text.right(20).toStdString();
    }
    ASSERT_EQ(shown.size(), c.message ? 1u : 0u);
    if (c.message) {
      EXPECT_EQ(shown[0].text, c.message);
    }
    Click(&window(), "十进制单选框");
  }
}

// The angle keys reduce a hundred-thousand-digit angle exactly: 10^100000 - 1 degrees is
// 279 degrees and a whole number of turns.
TEST_F(HostileKeypadTest, AngleKeysReduceAHundredThousandDigitAngle) {
  for (const char *key : {"正弦按钮", "余弦按钮", "求正切按钮", "求余切按钮"}) {
    SCOPED_TRACE(key);
    HundredThousandNines();
    Keys({key});
    const QString huge = display->Text();
    Keys({"删除按钮", "数字2按钮", "数字7按钮", "数字9按钮", key});
    EXPECT_EQ(huge, display->Text());
  }
}

// n x n text of the matrix with `diagonal` on its diagonal and `other` everywhere else,
// every element padded to `width` as results are.
QString SquareText(int n, const QString &diagonal, const QString &other, int width = 0) {
  QStringList rows;
  for (int i = 0; i < n; ++i) {
    QStringList row;
    for (int j = 0; j < n; ++j) row.append((i == j ? diagonal : other).leftJustified(width));
    rows.append(row.join(','));
  }
  return rows.join("\r\n");
}

// Matrix texts as they come: large, ragged, pasted with full-width commas or odd
// characters. A text that is no matrix gives the empty result the window defines for it.
TEST_F(HostileInputTest, MatrixTexts) {
  const QString big = SquareText(60, "61", "1");
  struct Case {
    BadInput matrix1;
    const char *button;
    QString result;
  } cases[] = {
      {{"60 x 60", Entry::Pasted, big}, "矩阵相乘超级按钮", SquareText(60, "3780", "180", 4)},
      {{"60 x 60", Entry::Pasted, big}, "矩阵相加超级按钮", SquareText(60, "122", "2", 3)},
      {{"60 x 60", Entry::Pasted, big}, "矩阵转置超级按钮", SquareText(60, "61", "1", 2)},
      // The inverse of 60 I + J is (I - J / 120) / 60.
      {{"60 x 60", Entry::Pasted, big},
       "实矩阵逆超级按钮",
       SquareText(60, "0.01652777777778", "-0.0001388888888889", 19)},
      // The columns are those of the last line: a longer line is cut, a shorter one or an
      // empty one makes the text no matrix.
      {{"a long first line", Entry::Pasted, "1,2\r\n3"}, "矩阵转置超级按钮", "1,3"},
      {{"a short first line", Entry::Pasted, "1\r\n2,3"}, "矩阵转置超级按钮", ""},
      {{"a long last line", Entry::Pasted, "1,2\r\n3,4,5"}, "矩阵转置超级按钮", ""},
      {{"an empty middle line", Entry::Pasted, "1,2\r\n\r\n3,4"}, "矩阵转置超级按钮", ""},
      {{"lines ended by line feeds", Entry::Pasted, "1,2\n3,4\n"},
       "矩阵转置超级按钮",
       "1,3\r\n2,4"},
      {{"full-width digits and commas", Entry::Pasted, "１，２\r\n３，４"},
       "矩阵转置超级按钮",
       "1,3\r\n2,4"},
      {{"an emoji", Entry::Pasted, kEmoji + ",1\r\n2,3"}, "矩阵转置超级按钮", "0,2\r\n1,3"},
      {{"10,000 characters in one row", Entry::Pasted, Repeated("1,", 10000)},
       "矩阵转置超级按钮",
       Repeated("1\r\n", 3 * 5000 - 2)},
      {kTenThousandDigits, "矩阵转置超级按钮", "1.#INF"},
      {{"a minus sign", Entry::Typed, "-"}, "矩阵转置超级按钮", "0"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(std::string(c.matrix1.what) + " " + c.button);
    WithDialog([&] { Click(&window(), "矩阵运算按钮"); },
               [&](QWidget *dialog) {
                 auto *matrix1 = Find<MultiLineBox>(dialog, "矩阵1编辑框");
                 Enter(matrix1, c.matrix1.entry, c.matrix1.text);
                 Find<MultiLineBox>(dialog, "矩阵2编辑框")->SetText(matrix1->Text());
                 EXPECT_TRUE(AnswerMessages([&] { Click(dialog, c.button); }).empty());
                 EXPECT_EQ(Find<MultiLineBox>(dialog, "结果编辑框")->Text(), c.result);
               });
  }
}

// Typed into a matrix box, a full-width comma is a comma; other full-width characters and
// an emoji meet the box's filter, which takes digits and "-" only.
TEST_F(HostileInputTest, MatrixBoxesTakeOnlyCommasDigitsAndMinus) {
  WithDialog([&] { Click(&window(), "矩阵运算按钮"); },
             [&](QWidget *dialog) {
               auto *matrix1 = Find<MultiLineBox>(dialog, "矩阵1编辑框");
               Type(matrix1, "1，" + kEmoji + "２．-3");
               EXPECT_EQ(matrix1->Text(), "1,-3");
             });
}

// The expression box: deeply nested brackets work, a text too long to integrate in good
// time is refused with a message, full-width forms read as their ASCII characters, and
// anything else that is no expression fails to parse.
TEST_F(HostileInputTest, Expressions) {
  const auto nested = [](int depth, const QString &inside) {
    return QString(depth, '(') + inside + QString(depth, ')');
  };
  struct Case {
    BadInput expression;
    const char *result, *message;
  } cases[] = {
      {{"249 nested brackets", Entry::Pasted, nested(249, "x")}, "0.5", nullptr},
      {{"three kinds of nested brackets", Entry::Pasted,
        QString("{[(").repeated(83) + "x" + QString(")]}").repeated(83)},
       "0.5",
       nullptr},
      {{"5,000 nested brackets", Entry::Pasted, nested(5000, "x")},
       "",
       "计算表达式不能超过500个字符"},
      {{"10,000 characters", Entry::Pasted, Repeated("x+", 9999) + "x"},
       "",
       "计算表达式不能超过500个字符"},
      {{"full-width forms", Entry::Typed, "ｘ＊（１＋１）"}, "1", nullptr},
      {{"an emoji", Entry::Typed, "x" + kEmoji}, "解析失败", nullptr},
      {{"a minus sign", Entry::Typed, "-"}, "解析失败", nullptr},
      {{"a point", Entry::Typed, "."}, "0", nullptr},
      {{"two lines", Entry::Pasted, "x\r\n+1"}, "解析失败", nullptr},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.expression.what);
    WithDialog([&] { Click(&window(), "算式解析按钮"); },
               [&](QWidget *dialog) {
                 Enter(FindControl(dialog, "计算表达式编辑框"), c.expression.entry,
                       c.expression.text);
                 SetText(dialog, "积分上限编辑框", "1");
                 SetText(dialog, "积分下限编辑框", "0");
                 SetText(dialog, "误差编辑框", "0.001");
                 const auto shown = AnswerMessages([&] { Click(dialog, "算式解析超级按钮"); });
                 EXPECT_EQ(Find<QLineEdit>(dialog, "结果编辑框")->text(), c.result);
                 ASSERT_EQ(shown.size(), c.message ? 1u : 0u);
                 if (c.message) {
                   EXPECT_EQ(shown[0].text, c.message);
                 }
               });
  }
}

}  // namespace
