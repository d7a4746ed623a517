#include "windows/matrix_window.hpp"

#include <gtest/gtest.h>

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <functional>

#include "app/app_globals.hpp"
#include "app/help_texts.hpp"
#include "platform/files.hpp"
#include "platform/multi_line_box.hpp"
#include "tests/support/app_fixture.hpp"
#include "tests/support/layout_check.hpp"
#include "tests/support/recorded_starts.hpp"
#include "tests/support/ui_driver.hpp"

namespace {

const char kResultHint[] = "“矩阵转置”与“实矩阵逆”只需一个一维数组即可，本程序设置为“矩阵一”.";

class MatrixWindowTest : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    Start();
  }
  void InWindow(const std::function<void(QWidget *)> &inside) {
    WithDialog([&] { Click(&window(), "矩阵运算按钮"); }, inside);
  }
  NumericArray &matrixArray() { return app().globals().matrixArray; }

  static MultiLineBox *Box(const QWidget *dialog, const char *name) {
    return Find<MultiLineBox>(dialog, name);
  }
  static QListWidget *List(const QWidget *dialog, const char *name) {
    return Find<QListWidget>(dialog, name);
  }
  static QLineEdit *Line(const QWidget *dialog, const char *name) {
    return Find<QLineEdit>(dialog, name);
  }
  // Types the two counts over the count boxes and presses "创  建"; returns its messages.
  static std::vector<ShownMessage> Create(const QWidget *dialog, const char *rows,
                                          const char *columns) {
    Line(dialog, "第一维编辑框")->setText(rows);
    Line(dialog, "第二维编辑框")->setText(columns);
    return AnswerMessages([&] { Click(dialog, "创建超级按钮"); });
  }
  // Replaces the text of the box as a user does: select all, then type.
  static void TypeOver(QLineEdit *box, const QString &text) {
    box->setFocus();
    box->selectAll();
    Type(box, text);
  }
};

TEST_F(MatrixWindowTest, HasEveryControlInPlace) {
  InWindow([](QWidget *dialog) {
    EXPECT_EQ(dialog->objectName(), "MatrixWindow");
    EXPECT_EQ(dialog->windowTitle(), "矩阵运算");
    EXPECT_EQ(dialog->size(), QSize(535, 405));
    ExpectLayout(dialog, {{"标签", {4, 3, 527, 15}},
                          {"帮助按钮", {448, 3, 68, 29}, "帮助"},
                          {"关闭按钮", {517, 3, 14, 15}, "×"},
                          {"透明标签7", {280, 25, 40, 16}, "矩阵1"},
                          {"矩阵1编辑框", {280, 40, 242, 72}},
                          {"透明标签9", {280, 115, 40, 15}, "矩阵2"},
                          {"矩阵2编辑框", {280, 129, 242, 72}},
                          {"矩阵相加超级按钮", {280, 210, 57, 18}, "矩阵相加"},
                          {"矩阵相乘超级按钮", {341, 210, 57, 18}, "矩阵相乘"},
                          {"矩阵转置超级按钮", {403, 210, 57, 18}, "矩阵转置"},
                          {"实矩阵逆超级按钮", {464, 210, 57, 18}, "实矩阵逆"},
                          {"结果编辑框", {11, 240, 511, 121}, kResultHint},
                          {"透明标签6", {14, 281, 65, 18}, "结果↓↓"},
                          {"分组框1", {11, 22, 261, 208}},
                          {"透明标签1", {8, 11, 64, 21}, "操作值↓"},
                          {"操作值编辑框", {8, 34, 78, 18}},
                          {"透明标签3", {9, 59, 44, 14}, "第一维:"},
                          {"第一维编辑框", {8, 79, 78, 18}},
                          {"透明标签4", {8, 104, 41, 19}, "第二维:"},
                          {"第二维编辑框", {8, 127, 78, 18}},
                          {"创建超级按钮", {13, 151, 69, 18}, "创  建"},
                          {"透明标签2", {94, 15, 144, 14}, "第一维 　     第二维"},
                          {"第一维列表框", {94, 34, 76, 136}},
                          {"第二维列表框", {176, 34, 76, 136}},
                          {"矩阵标量乘积超级按钮", {12, 177, 80, 21}, "矩阵标量乘积"},
                          {"透明标签5", {104, 180, 64, 19}, "标量操作数"},
                          {"标量编辑框", {177, 178, 76, 20}}});
    EXPECT_TRUE(Box(dialog, "结果编辑框")->isReadOnly());
  });
}

TEST_F(MatrixWindowTest, OperationsOnTheTypedMatrices) {
  struct Case {
    const char *button, *matrix1, *matrix2, *result;
  } cases[] = {
      {"矩阵相乘超级按钮", "1,2\r\n3,4", "5,6\r\n7,8", "19,22\r\n43,50"},
      {"矩阵相加超级按钮", "1,2\r\n3,4", "5,6\r\n7,8", "6 ,8 \r\n10,12"},
      {"矩阵转置超级按钮", "1,22\r\n333,4", "", "1  ,333\r\n22 ,4  "},
      {"实矩阵逆超级按钮", "1,2\r\n3,4", "", "-2  ,1   \r\n1.5 ,-0.5"},
      {"实矩阵逆超级按钮", "0,1\r\n1,0", "9", "-0,1 \r\n1 ,-0"},
      {"矩阵相乘超级按钮", "1,2,3\r\n4,5,6", "1,2\r\n3,4\r\n5,6", "22,28\r\n49,64"},
      // The text form of failures: an empty result, no message.
      {"实矩阵逆超级按钮", "1,2\r\n2,4", "", ""},
      {"实矩阵逆超级按钮", "1,2,3", "", ""},
      {"矩阵相乘超级按钮", "1,2,3\r\n4,5,6", "1,2,3\r\n4,5,6", ""},
      {"矩阵相加超级按钮", "1,2\r\n3,4", "1,2,3\r\n4,5,6", ""},
      {"矩阵相加超级按钮", "1\r\n2,3", "1,2\r\n3,4", ""},
      {"矩阵转置超级按钮", "", "", ""},
  };
  InWindow([&](QWidget *dialog) {
    EXPECT_EQ(Box(dialog, "结果编辑框")->Text(), kResultHint);
    for (const Case &c : cases) {
      Box(dialog, "矩阵1编辑框")->SetText(c.matrix1);
      Box(dialog, "矩阵2编辑框")->SetText(c.matrix2);
      EXPECT_TRUE(AnswerMessages([&] { Click(dialog, c.button); }).empty());
      EXPECT_EQ(Box(dialog, "结果编辑框")->Text(), c.result) << c.button << " " << c.matrix1;
    }
  });
}

TEST_F(MatrixWindowTest, EveryTypedCommaGoesToTheEnd) {
  InWindow([](QWidget *dialog) {
    MultiLineBox *box = Box(dialog, "矩阵1编辑框");
    box->setFocus();
    Type(box, "1,2x.");
    Press(box, Qt::Key_Return);
    Type(box, "3，4");  // a full-width comma typed with a Chinese input method
    EXPECT_EQ(box->Text(), "1,2\r\n3,4");
    box->moveCursor(QTextCursor::Start);
    Type(box, ",");
    EXPECT_EQ(box->Text(), "1,2\r\n3,4,");
    EXPECT_EQ(box->textCursor().position(), box->toPlainText().size());
    // The same comma committed by an input method rather than typed as a key.
    QInputMethodEvent commit;
    commit.setCommitString("，");
    QApplication::sendEvent(Box(dialog, "矩阵2编辑框"), &commit);
    EXPECT_EQ(Box(dialog, "矩阵2编辑框")->Text(), ",");
  });
}

TEST_F(MatrixWindowTest, TheElementEditorStoresOnlyWhatTheUserTypes) {
  InWindow([&](QWidget *dialog) {
    EXPECT_TRUE(Create(dialog, "2", "3").empty());
    QListWidget *rows = List(dialog, "第一维列表框");
    QListWidget *values = List(dialog, "第二维列表框");
    QLineEdit *value = Line(dialog, "操作值编辑框");
    EXPECT_EQ(ItemTexts(rows), QStringList({"1", "2"}));
    EXPECT_EQ(matrixArray(), NumericArray::Matrix(2, 3));

    ClickItem(rows, 1);
    EXPECT_EQ(ItemTexts(values), QStringList({"0", "0", "0"}));
    EXPECT_EQ(values->currentRow(), 0);
    EXPECT_EQ(value->text(), "");
    ClickItem(values, 1);
    EXPECT_EQ(value->text(), "0");
    TypeOver(value, "7");
    EXPECT_EQ(values->item(1)->text(), "7");
    EXPECT_EQ(matrixArray().At(1, 1), 7);
    TypeOver(value, "-.5");
    EXPECT_EQ(values->item(1)->text(), "-0.5");

    // Selecting shows values in the box without storing them anywhere.
    ClickItem(values, 0);
    ClickItem(rows, 0);
    ClickItem(rows, 1);
    EXPECT_EQ(ItemTexts(values), QStringList({"0", "-0.5", "0"}));
    EXPECT_EQ(matrixArray(), NumericArray::Matrix(2, 3, {0, 0, 0, 0, -0.5, 0}));

    Line(dialog, "标量编辑框")->setText("4");
    Click(dialog, "矩阵标量乘积超级按钮");
    EXPECT_EQ(Box(dialog, "结果编辑框")->Text(), "0 ,0 ,0 \r\n0 ,-2,0 ");
  });
  // The matrix outlives the window; its lists start empty until it is created again.
  InWindow([](QWidget *dialog) {
    EXPECT_EQ(List(dialog, "第一维列表框")->count(), 0);
    Line(dialog, "标量编辑框")->setText("1");
    Click(dialog, "矩阵标量乘积超级按钮");
    EXPECT_EQ(Box(dialog, "结果编辑框")->Text(), "0   ,0   ,0   \r\n0   ,-0.5,0   ");
  });
}

TEST_F(MatrixWindowTest, ScalarProductWithoutAMatrixIsEmpty) {
  InWindow([](QWidget *dialog) {
    Click(dialog, "矩阵标量乘积超级按钮");
    EXPECT_EQ(Box(dialog, "结果编辑框")->Text(), "");
  });
}

TEST_F(MatrixWindowTest, CreateRefusesCountsThatGiveNoMatrix) {
  struct Case {
    const char *rows, *columns, *message;
    bool listsEmptied;
  } cases[] = {
      {"0", "3", "错误：第一维或第二维存在0成员", true},
      {"2", "", "错误：第一维或第二维存在0成员", true},
      {"-1", "2", "错误：第一维或第二维不能为负数", false},
      {"2", "-3", "错误：第一维或第二维不能为负数", false},
      {"65537", "1", "错误：成员总数不能超过65536", false},
      {"99999999999", "99999999999", "错误：成员总数不能超过65536", false},
  };
  InWindow([&](QWidget *dialog) {
    for (const Case &c : cases) {
      ASSERT_TRUE(Create(dialog, "2", "2").empty());
      matrixArray().At(0, 0) = 5;
      const std::vector<ShownMessage> shown = Create(dialog, c.rows, c.columns);
      ASSERT_EQ(shown.size(), 1u) << c.rows << " " << c.columns;
      EXPECT_EQ(shown[0].text, c.message);
      EXPECT_EQ(shown[0].icon, QMessageBox::Critical);
      EXPECT_EQ(matrixArray(), NumericArray::Matrix(2, 2, {5, 0, 0, 0}));
      EXPECT_EQ(List(dialog, "第一维列表框")->count(), c.listsEmptied ? 0 : 2) << c.rows;
    }
  });
}

TEST_F(MatrixWindowTest, HelpShowsTheTextAndTheDocument) {
  RecordedStarts starts;
  InWindow([](QWidget *dialog) { Click(dialog, "帮助按钮"); });
  ASSERT_EQ(starts.opened.size(), 2);
  EXPECT_EQ(ReadFileBytes(starts.opened[0]), MatrixHelpText().toUtf8());
  EXPECT_EQ(starts.opened[1], QDir(RunDirectory()).filePath("帮助/矩阵运算.txt"));
}

}  // namespace
