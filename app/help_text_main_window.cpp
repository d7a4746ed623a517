#include "app/help_texts.hpp"

QString MainWindowHelpText() {
  return QStringLiteral(
      "Tavrin科学计算器是一款非常实用的科学计算器软件。\r\n"
      "能完成16进制，10进制，8进制，2进制互相之间的转换。\r\n"
      "能完成平方，立方，N次方的运算。\r\n"
      "能正弦，余弦，正切，余切，求余，取整，取绝对值，角弧度转换等运算。\r\n"
      "\r\n"
      "同时能够进行算式解析，曲线拟合，联立方程，概要统计，微积分，复数运算\r\n"
      "矩阵运算，傅立叶变换等常用计算器所没有的功能。\r\n");
}
