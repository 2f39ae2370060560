#pragma once

// The eleven overtime reasons, A to K, in the words the window's boxes, the question about a day
// left open and the report all show. The letter is each caption's first character.
inline constexpr int kReasonCount = 11;
inline constexpr const char* kReasonCaptions[kReasonCount] = {
    "A:学校行事",       "B:職員会議",         "C:非常災害時",
    "D:学級・担任業務", "E:公務分掌",         "F:部活動指導",
    "G:研究発表など",   "H:提出書類作成など", "I:地域団体調整など",
    "J:学校経営・管理", "K:その他",
};
