#include "platform/input_filter.hpp"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>

#include "platform/message_box.hpp"
#include "platform/multi_line_box.hpp"
#include "tests/support/ui_driver.hpp"

namespace {

TEST(InputFilter, KeepsOnlyTheCharactersOfItsKind) {
  struct Case {
    InputFilter filter;
    const char *typed;
    const char *kept;
  } cases[] = {
      {InputFilter::RealNumber, "-12.5e3ab", "-12.53"},
      {InputFilter::IntegerText, "-12.5e3", "-1253"},
      {InputFilter::ReadOnly, "123", ""},
  };
  for (const auto &c : cases) {
    QLineEdit line;
    MultiLineBox box;
    SetInputFilter(&line, c.filter);
    SetInputFilter(&box, c.filter);
    Type(&line, c.typed);
    Type(&box, c.typed);
    EXPECT_EQ(line.text(), c.kept) << c.typed;
    EXPECT_EQ(box.Text(), c.kept) << c.typed;
  }
}

TEST(InputFilter, LetsControlKeysAndPasteThrough) {
  QLineEdit line;
  SetInputFilter(&line, InputFilter::IntegerText);
  Type(&line, "123");
  Press(&line, Qt::Key_Backspace);
  EXPECT_EQ(line.text(), "12");
  QApplication::clipboard()->setText("abc");
  Press(&line, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(line.text(), "12abc");
}

TEST(InputFilter, FullWidthDigitsAreNotTypedDigits) {
  QLineEdit line;
  SetInputFilter(&line, InputFilter::RealNumber);
  Type(&line, "１2");
  EXPECT_EQ(line.text(), "2");
}

TEST(MultiLineBox, HandsTextOverWithCrLfLineBreaks) {
  MultiLineBox box;
  box.SetText("1,2\r\n3,4");
  EXPECT_EQ(box.toPlainText(), "1,2\n3,4");
  EXPECT_EQ(box.Text(), "1,2\r\n3,4");
  box.MoveCaretToEnd();
  Press(&box, Qt::Key_Return);
  Type(&box, "5");
  EXPECT_EQ(box.Text(), "1,2\r\n3,4\r\n5");
}

TEST(MultiLineBox, CharacterInputRunsBeforeTheFilter) {
  MultiLineBox box;
  SetInputFilter(&box, InputFilter::RealNumber);
  std::vector<int> seen;
  box.characterInput = [&](int code) {
    seen.push_back(code);
    return code == ',';
  };
  Type(&box, "1,x");
  Press(&box, Qt::Key_Backspace);
  EXPECT_EQ(seen, (std::vector<int>{'1', ',', 'x', 8}));
  EXPECT_EQ(box.Text(), "");
  // Text committed by an input method takes the same way, character by character.
  QInputMethodEvent commit;
  commit.setCommitString("2,y");
  QApplication::sendEvent(&box, &commit);
  EXPECT_EQ(seen, (std::vector<int>{'1', ',', 'x', 8, '2', ',', 'y'}));
  EXPECT_EQ(box.Text(), "2");
}

TEST(MessageBox, HasTheProgramsTitleAnOkButtonAndTheIcon) {
  const auto shown = AnswerMessages([] {
    ShowMessage("数据不能为空");
    ShowMessage("运算错误！", MessageIcon::Stop);
    ShowMessage("注意", MessageIcon::Warning);
  });
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(shown[0].title, "信息：");
  EXPECT_EQ(shown[0].text, "数据不能为空");
  EXPECT_EQ(shown[0].icon, QMessageBox::NoIcon);
  EXPECT_EQ(shown[1].icon, QMessageBox::Critical);
  EXPECT_EQ(shown[2].icon, QMessageBox::Warning);
}

}  // namespace
