#include "app/settings_window.hpp"

#include <algorithm>

#include "app/app_globals.hpp"
#include "app/number_text.hpp"
#include "app/settings_file.hpp"
#include "platform/controls.hpp"
#include "platform/files.hpp"
#include "platform/input_filter.hpp"
#include "platform/message_box.hpp"
#include "platform/profile_file.hpp"
#include "platform/super_btn.hpp"
#include "platform/trans_label.hpp"

namespace {

// Both settings are at most 50: more decimals make the trigonometric series and long
// divisions slow without telling the user anything new.
constexpr double kLargest = 50;

bool AboveLargest(const QString &text) { return TextToNumber(text) - kLargest > 0.0000001; }

// A setting as the checks read it: a pasted full-width form ("－", "．", "５") is its ASCII
// character, as it is wherever the setting is used.
QString AsRead(const QString &text) {
  return QString::fromStdString(ReplaceFullWidthForms(text.toStdString()));
}

bool IsWholeNumber(const QString &text) {
  return !text.isEmpty() &&
         std::all_of(text.begin(), text.end(), [](QChar c) { return c >= '0' && c <= '9'; });
}

}  // namespace

SettingsWindow::SettingsWindow(AppGlobals &globals, QWidget *parent)
    : QDialog(parent), globals_(globals) {
  setObjectName("SettingsWindow");
  setWindowTitle("数据配置");
  setFixedSize(255, 198);

  标签3 = PlaceTitleStrip(this, "标签3", {1, 0, 253, 15});
  关闭按钮 = PlaceControl<SuperBtn>(this, "关闭按钮", {240, 1, 15, 14}, "×");
  分组框 = PlaceControl<QGroupBox>(this, "分组框", {8, 17, 240, 144});
  计算精度标签 = PlaceControl<TransLabel>(分组框, "计算精度标签", {22, 23, 56, 24}, "计算精度");
  计算精度编辑框 = PlaceControl<QLineEdit>(分组框, "计算精度编辑框", {108, 24, 107, 18});
  小数保留位数标签 =
      PlaceControl<TransLabel>(分组框, "小数保留位数标签", {22, 59, 74, 24}, "小数保留位数");
  小数保留位数编辑框 = PlaceControl<QLineEdit>(分组框, "小数保留位数编辑框", {108, 62, 107, 18});
  确定按钮 = PlaceControl<SuperBtn>(分组框, "确定按钮", {39, 106, 66, 18}, "确 定");
  取消按钮 = PlaceControl<SuperBtn>(分组框, "取消按钮", {136, 106, 66, 18}, "取 消");
  for (QLineEdit *box : {计算精度编辑框, 小数保留位数编辑框}) {
    SetInputFilter(box, InputFilter::IntegerText);
    // What the file gives back is what the program uses after its next start.
    box->setMaxLength(kProfileValueLimit);
  }

  // The boxes show what the file holds, which is what saving will change.
  计算精度编辑框->setText(ReadSetting(globals_.settingsPath, settings::kPrecisionKey));
  小数保留位数编辑框->setText(ReadSetting(globals_.settingsPath, settings::kDecimalPlacesKey));

  connect(确定按钮, &QPushButton::clicked, this, &SettingsWindow::Save);
  connect(取消按钮, &QPushButton::clicked, this, &QDialog::reject);
  connect(关闭按钮, &QPushButton::pressed, this, &QDialog::reject);
}

void SettingsWindow::Save() {
  // Blanks around a pasted number are no part of it; the file would drop them anyway.
  const QString precision = 计算精度编辑框->text().trimmed();
  const QString decimalPlaces = 小数保留位数编辑框->text().trimmed();
  const QString p = AsRead(precision), q = AsRead(decimalPlaces);
  const auto refuse = [](const char *message, QLineEdit *focus = nullptr) {
    ShowMessage(QString::fromUtf8(message));
    if (focus) focus->setFocus();
  };
  if (precision.isEmpty()) return refuse("数据不能为空", 计算精度编辑框);
  if (decimalPlaces.isEmpty()) return refuse("数据不能为空", 小数保留位数编辑框);
  if (p.contains('-')) return refuse("计算精度不能为负数");
  if (p.contains('.')) return refuse("计算精度不能为小数");
  if (q.contains('-')) return refuse("小数保留位数不能为负数");
  if (q.contains('.')) return refuse("小数保留位数不能为小数");
  // Anything else that is not a whole number (letters, line breaks, characters the file
  // cannot even store) would be saved as a success and act as 0: divisions would keep no
  // decimals at all.
  if (!IsWholeNumber(p)) return refuse("计算精度必须是整数");
  if (!IsWholeNumber(q)) return refuse("小数保留位数必须是整数");
  if (AboveLargest(precision)) return refuse("计算精度不能大于50");
  if (AboveLargest(decimalPlaces)) return refuse("小数保留位数不能大于50");
  // Saving never creates the file: a file deleted since start-up is reported instead.
  if (!FileExists(globals_.settingsPath)) return refuse("没有找到配置文件，请确认文件存在");

  const bool precisionSaved = WriteProfileString(globals_.settingsPath, settings::kSection,
                                                 settings::kPrecisionKey, precision);
  const bool decimalPlacesSaved = WriteProfileString(globals_.settingsPath, settings::kSection,
                                                     settings::kDecimalPlacesKey, decimalPlaces);
  if (!precisionSaved || !decimalPlacesSaved) return refuse("更新数据失败");

  globals_.calculatorState.precisionText = precision.toStdString();
  globals_.calculatorState.decimalPlacesText = decimalPlaces.toStdString();
  ShowMessage("更新数据成功");
  accept();
}
