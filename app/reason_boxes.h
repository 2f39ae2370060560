#pragma once

// The eleven overtime reasons, as the window and the question about a day left open show them.
struct ReasonBox {
    int index;  // the element of Form1::Check2
    const char* caption;
    int top;  // twips, in the window
    int tabIndex;
};

// Read by their tops the boxes run A to K; G and H sit at indices 7 and 6.
inline constexpr ReasonBox kReasonBoxes[] = {
    {0, "A:学校行事", 960, 5},           {1, "B:職員会議", 1200, 6},
    {2, "C:非常災害時", 1440, 7},        {3, "D:学級・担任業務", 1680, 8},
    {4, "E:公務分掌", 1920, 9},          {5, "F:部活動指導", 2160, 10},
    {7, "G:研究発表など", 2400, 11},     {6, "H:提出書類作成など", 2640, 14},
    {8, "I:地域団体調整など", 2880, 15}, {9, "J:学校経営・管理", 3120, 16},
    {10, "K:その他", 3360, 17},
};
