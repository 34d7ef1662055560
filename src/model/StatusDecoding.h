#pragma once

#include <QString>
#include <array>
#include <optional>

#include "model/SettingsStore.h"

// The four live status words (replies to RD, RE, RF and RG) decoded character by character into
// the texts of their seven status boxes.
namespace status {

constexpr int kWords = 4;
constexpr int kBoxesPerWord = 7;

// What a decoded character that matches no known value shows, a missing character included.
QString InvalidText();

// The texts of the seven boxes of status word `word` (1 … 4) for the stored status text. A box
// without a value is left as it is: every box when the text is empty, status 3 boxes 4 … 6,
// status 4 box 6 and, with the F800, status 1 box 6.
std::array<std::optional<QString>, kBoxesPerWord> DecodeWord(int word, const QString& text,
                                                             IndicatorModel model);

// The fixed caption beside box `box` of status word `word`, as the F805 shows it (the F800 shows
// "未定義" beside status 1 box 6).
QString BoxCaption(int word, int box);

// The live-data index holding status word `word` (RD … RG are 3 … 6).
inline int LiveIndexOfWord(int word) {
    return 2 + word;
}

}  // namespace status
