#pragma once

#include <QChar>
#include <QString>

#include <optional>

// The eleven overtime reasons, A to K, in the words the window's boxes, the question about a day
// left open and the report all show. The letter is each caption's first character.
inline constexpr int kReasonCount = 11;
inline constexpr const char* kReasonCaptions[kReasonCount] = {
    "A:学校行事",       "B:職員会議",         "C:非常災害時",
    "D:学級・担任業務", "E:公務分掌",         "F:部活動指導",
    "G:研究発表など",   "H:提出書類作成など", "I:地域団体調整など",
    "J:学校経営・管理", "K:その他",
};

// "A:学校行事" for 0, "K:その他" for 10.
QString ReasonCaption(int index);
// 'A' for 0, 'K' for 10.
QChar ReasonLetter(int index);
// 0 for 'A' to 10 for 'K'; nothing for any other character.
std::optional<int> ReasonIndex(QChar letter);
// "A～K", as the texts that speak of all the reasons name them.
QString ReasonRange();
// "ABCDEFGHIJK".
QString ReasonLetters();

// The reason letters after a box is ticked or unticked: a tick adds the box's letter at the end,
// an untick takes back its latest one, so the letters are always those of the ticked boxes in the
// order they were ticked.
QString ToggleReason(QString letters, QChar letter, bool ticked);

// The letters a row holds as the boxes take them up: each reason letter once, where it first
// stands, so that unticking its box takes it out of the row; any other text stays as it stands.
QString ReasonsAsTicked(const QString& letters);
