#include "calculator/convert_radix.hpp"

#include <algorithm>
#include <vector>

#include "app/number_text.hpp"
#include "engine/bignum/natural.hpp"

namespace {

constexpr std::string_view kDigits = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

int DigitValue(char c) {
  const auto position = kDigits.find(c);
  return position == std::string_view::npos ? -1 : static_cast<int>(position);
}

// How many digits of the base make one chunk whose value fits a nine-digit group, and
// the chunk's weight base^digits.
struct Chunk {
  int digits;
  natural::Limb weight;
};

Chunk ChunkOf(int base) {
  Chunk chunk{0, 1};
  while (std::uint64_t(chunk.weight) * base < natural::kBase) {
    chunk.weight *= static_cast<natural::Limb>(base);
    ++chunk.digits;
  }
  return chunk;
}

// weight^(2^j) for j = 0, 1, ...: the block weights of the divide-and-conquer steps.
class BlockWeights {
 public:
  explicit BlockWeights(natural::Limb weight) : weights_{natural::FromInteger(weight)} {}
  const natural::Natural &operator[](std::size_t j) {
    while (weights_.size() <= j)
      weights_.push_back(natural::Multiply(weights_.back(), weights_.back()));
    return weights_[j];
  }

 private:
  std::vector<natural::Natural> weights_;
};

// The value of a text of valid digits. Chunks of digits become single groups, then
// neighbouring blocks are joined pairwise, high * weight + low, so that the long
// multiplications happen between operands of equal size, where the fast multiplication
// pays off.
natural::Natural ValueOf(std::string_view digits, int base) {
  const Chunk chunk = ChunkOf(base);
  if (base == 10) {
    // Nine decimal digits are one group: no arithmetic at all.
    natural::Natural groups;
    for (std::size_t end = digits.size(); end > 0;) {
      const std::size_t begin = end > 9 ? end - 9 : 0;
      natural::Limb value = 0;
      for (std::size_t i = begin; i < end; ++i) value = value * 10 + natural::Limb(digits[i] - '0');
      groups.push_back(value);
      end = begin;
    }
    natural::Trim(groups);
    return groups;
  }
  std::vector<natural::Natural> blocks;  // least significant first
  for (std::size_t end = digits.size(); end > 0;) {
    const std::size_t begin = end > std::size_t(chunk.digits) ? end - chunk.digits : 0;
    std::uint64_t value = 0;
    for (std::size_t i = begin; i < end; ++i) value = value * base + DigitValue(digits[i]);
    blocks.push_back(natural::FromInteger(value));
    end = begin;
  }
  BlockWeights weights(chunk.weight);
  for (std::size_t level = 0; blocks.size() > 1; ++level) {
    std::vector<natural::Natural> joined;
    for (std::size_t i = 0; i + 1 < blocks.size(); i += 2) {
      joined.push_back(natural::Add(natural::Multiply(blocks[i + 1], weights[level]), blocks[i]));
    }
    if (blocks.size() % 2 == 1) joined.push_back(std::move(blocks.back()));
    blocks = std::move(joined);
  }
  return blocks.empty() ? natural::Natural{} : std::move(blocks.front());
}

// Appends the digits of v in the base, exactly `width` of them (zeros in front) when
// width > 0. v is split by the block weights: v = high * weight + low, where low fills
// exactly the block's digits.
void AppendDigits(const natural::Natural &v, int base, const Chunk &chunk, BlockWeights &weights,
                  std::size_t width, std::string &out) {
  std::size_t level = 0;
  while (natural::Compare(weights[level + 1], v) <= 0) ++level;
  if (natural::Compare(weights[0], v) > 0) {
    // A single chunk.
    std::uint64_t value = v.empty() ? 0 : v.front();
    std::string digits;
    while (value > 0) {
      digits.push_back(kDigits[value % base]);
      value /= base;
    }
    if (digits.size() < width) digits.append(width - digits.size(), '0');
    out.append(digits.rbegin(), digits.rend());
    return;
  }
  const natural::Natural &weight = weights[level];
  const std::size_t lowWidth = std::size_t(chunk.digits) << level;
  natural::Natural high = natural::Divide(v, weight);
  natural::Natural low = natural::Subtract(v, natural::Multiply(high, weight));
  AppendDigits(high, base, chunk, weights, width > lowWidth ? width - lowWidth : 0, out);
  AppendDigits(low, base, chunk, weights, lowWidth, out);
}

std::string DigitsOf(const natural::Natural &v, int base) {
  if (v.empty()) return "0";
  if (base == 10) {
    // The groups are the decimal digits already, nine at a time.
    std::string out = std::to_string(v.back());
    for (auto group = v.rbegin() + 1; group != v.rend(); ++group) {
      const std::string digits = std::to_string(*group);
      out.append(9 - digits.size(), '0').append(digits);
    }
    return out;
  }
  const Chunk chunk = ChunkOf(base);
  BlockWeights weights(chunk.weight);
  std::string out;
  AppendDigits(v, base, chunk, weights, 0, out);
  return out;
}

}  // namespace

std::string BaseWord(int base) {
  static constexpr const char *kNumerals[] = {"零", "一", "二", "三", "四",
                                              "五", "六", "七", "八", "九"};
  const int tens = base / 10;
  const int units = base % 10;
  std::string word;
  if (tens > 0) word = std::string(tens == 1 ? "一" : kNumerals[tens]) + "十";
  if (units > 0 || tens == 0) word += kNumerals[units];
  return word;
}

std::string ConvertRadix(std::string_view text, int fromBase, int toBase) {
  if (fromBase < 2 || toBase < 2 || fromBase > 36 || toBase > 36) {
    return "参数错误-进制只能在2-36之间";
  }
  std::string s = ReplaceFullWidthForms(text);
  std::transform(s.begin(), s.end(), s.begin(),
                 [](char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; });
  for (char c : s) {
    const int value = DigitValue(c);
    if (value < 0 || value >= fromBase) {
      return "参数错误-" + s + "不是一个有效的" + BaseWord(fromBase) + "进制数！";
    }
  }
  if (fromBase == toBase) return s;
  return DigitsOf(ValueOf(s, fromBase), toBase);
}
