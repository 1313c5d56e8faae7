// What cuepad's main window must show, written down independently of the program's own
// tables: every control's form name, kind, place and size (client pixels at 96 DPI) and text,
// and the colours of the schemes the end-to-end run looks for. Texts are code page 936 bytes.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace cuepad::e2e {

enum class ControlKind { Label, HandLabel, Swatch, EditBox, ListBox, CheckBox };

struct ExpectedControl {
    std::string_view role;      // how the driver's output names the control (ASCII)
    ControlKind kind;
    std::string_view formName;  // the window property "cuepad.name"
    int x, y, width, height;
    std::string_view text;      // caption or contents at start
};

inline constexpr std::array<ExpectedControl, 46> kExpectedControls{{
    {"PathBox", ControlKind::EditBox, "\xB1\xE0\xBC\xAD\xBF\xF2\xD1\xA1\xD4\xF1\xCE\xC4\xBC\xFE", 35, 16, 530, 32, ""},  // 编辑框选择文件
    {"OpenButton", ControlKind::HandLabel, "\xB1\xEA\xC7\xA9" "14_\xD1\xA1\xD4\xF1" "CUE\xCE\xC4\xB1\xBE", 572, 15, 80, 32, "\xB4\xF2\xBF\xAA"},  // 标签14_选择CUE文本 打开
    {"FieldLabel5", ControlKind::Label, "\xB1\xEA\xC7\xA9" "5", 27, 80, 60, 24, "\xD7\xA8\xBC\xAD\xC3\xFB\xB3\xC6"},  // 标签5 专辑名称
    {"AlbumTitleBox", ControlKind::EditBox, "\xB1\xE0\xBC\xAD\xBF\xF2\xD7\xA8\xBC\xAD\xC3\xFB\xB3\xC6", 103, 80, 549, 24, ""},  // 编辑框专辑名称
    {"FieldLabel4", ControlKind::Label, "\xB1\xEA\xC7\xA9" "4", 27, 116, 60, 24, "\xD2\xD5\xCA\xF5\xBC\xD2"},  // 标签4 艺术家
    {"AlbumPerformerBox", ControlKind::EditBox, "\xB1\xE0\xBC\xAD\xBF\xF2\xD7\xA8\xBC\xAD\xD2\xD5\xCA\xF5\xBC\xD2", 103, 116, 421, 24, ""},  // 编辑框专辑艺术家
    {"ApplyAllCheck", ControlKind::CheckBox, "\xD1\xA1\xD4\xF1\xBF\xF2" "2", 534, 116, 123, 24, "\xD3\xA6\xD3\xC3\xB5\xBD\xCB\xF9\xD3\xD0\xC7\xFA\xC4\xBF"},  // 选择框2 应用到所有曲目
    {"ApplyAllLabel", ControlKind::Label, "\xB1\xEA\xC7\xA9_\xD2\xD5\xCA\xF5\xBC\xD2", 551, 116, 110, 24, "\xD3\xA6\xD3\xC3\xB5\xBD\xCB\xF9\xD3\xD0\xC7\xFA\xC4\xBF"},  // 标签_艺术家 应用到所有曲目
    {"FieldLabel6", ControlKind::Label, "\xB1\xEA\xC7\xA9" "6", 7, 154, 80, 24, "\xD3\xB3\xCF\xF1\xCE\xC4\xBC\xFE\xC3\xFB"},  // 标签6 映像文件名
    {"ImageFileBox", ControlKind::EditBox, "\xB1\xE0\xBC\xAD\xBF\xF2\xD3\xB3\xCF\xF1\xCE\xC4\xBC\xFE\xC3\xFB", 103, 154, 421, 24, ""},  // 编辑框映像文件名
    {"ChooseImageButton", ControlKind::HandLabel, "\xB1\xEA\xC7\xA9" "15_\xD1\xA1\xD4\xF1\xCE\xC4\xBC\xFE", 533, 153, 66, 24, "\xD1\xA1\xD4\xF1"},  // 标签15_选择文件 选择
    {"FieldLabel3", ControlKind::Label, "\xB1\xEA\xC7\xA9" "3", 451, 188, 80, 17, "\xD7\xA2\xCA\xCD\xD3\xEB\xC6\xE4\xCB\xFB"},  // 标签3 注释与其他
    {"FieldLabel2", ControlKind::Label, "\xB1\xEA\xC7\xA9" "2", 27, 191, 60, 24, "\xC3\xBD\xCC\xE5\xB1\xE0\xC2\xEB"},  // 标签2 媒体编码
    {"MediaCodeBox", ControlKind::EditBox, "\xB1\xE0\xBC\xAD\xBF\xF2\xC3\xBD\xCC\xE5\xB1\xE0\xC2\xEB\xCC\xF5\xC4\xBF", 103, 191, 185, 24, ""},  // 编辑框媒体编码条目
    {"CommentsList", ControlKind::ListBox, "\xC1\xD0\xB1\xED\xBF\xF2\xD7\xA2\xCA\xCD", 324, 208, 321, 86, ""},  // 列表框注释
    {"FieldLabel12", ControlKind::Label, "\xB1\xEA\xC7\xA9" "12", 27, 230, 60, 24, "\xCA\xB1\xBC\xE4"},  // 标签12 时间
    {"DateBox", ControlKind::EditBox, "\xB1\xE0\xBC\xAD\xBF\xF2\xCA\xB1\xBC\xE4", 103, 230, 185, 24, ""},  // 编辑框时间
    {"FieldLabel13", ControlKind::Label, "\xB1\xEA\xC7\xA9" "13", 36, 269, 51, 24, "\xC1\xF7\xC5\xC9"},  // 标签13 流派
    {"GenreBox", ControlKind::EditBox, "\xB1\xE0\xBC\xAD\xBF\xF2\xC1\xF7\xC5\xC9", 103, 269, 185, 24, ""},  // 编辑框流派
    {"TrackCaption1", ControlKind::Label, "\xB1\xEA\xC7\xA9" "31", 217, 328, 193, 24, "\xC7\xFA\xC4\xBFN"},  // 标签31 曲目N
    {"TrackList", ControlKind::ListBox, "\xC1\xD0\xB1\xED\xBF\xF2\xD2\xF4\xB9\xEC", 512, 334, 149, 310, ""},  // 列表框音轨
    {"FieldLabel7", ControlKind::Label, "\xB1\xEA\xC7\xA9" "7", 27, 351, 60, 32, "\xC7\xFA\xC4\xBF\xC3\xFB\xB3\xC6"},  // 标签7 曲目名称
    {"TrackTitleBox1", ControlKind::EditBox, "\xB1\xE0\xBC\xAD\xBF\xF2\xC7\xFA\xC4\xBF" "1", 103, 354, 400, 24, ""},  // 编辑框曲目1
    {"FieldLabel1", ControlKind::Label, "\xB1\xEA\xC7\xA9" "1", 27, 385, 60, 32, "\xD2\xD5\xCA\xF5\xBC\xD2"},  // 标签1 艺术家
    {"TrackPerformerBox1", ControlKind::EditBox, "\xB1\xE0\xBC\xAD\xBF\xF2\xD2\xD5\xCA\xF5\xBC\xD2" "1", 103, 393, 400, 24, ""},  // 编辑框艺术家1
    {"TrackCaption2", ControlKind::Label, "\xB1\xEA\xC7\xA9" "32", 217, 424, 193, 24, "\xC7\xFA\xC4\xBFN"},  // 标签32 曲目N
    {"FieldLabel8", ControlKind::Label, "\xB1\xEA\xC7\xA9" "8", 27, 452, 60, 32, "\xC7\xFA\xC4\xBF\xC3\xFB\xB3\xC6"},  // 标签8 曲目名称
    {"TrackTitleBox2", ControlKind::EditBox, "\xB1\xE0\xBC\xAD\xBF\xF2\xC7\xFA\xC4\xBF" "2", 103, 455, 400, 24, ""},  // 编辑框曲目2
    {"FieldLabel9", ControlKind::Label, "\xB1\xEA\xC7\xA9" "9", 27, 486, 60, 32, "\xD2\xD5\xCA\xF5\xBC\xD2"},  // 标签9 艺术家
    {"TrackPerformerBox2", ControlKind::EditBox, "\xB1\xE0\xBC\xAD\xBF\xF2\xD2\xD5\xCA\xF5\xBC\xD2" "2", 103, 494, 400, 24, ""},  // 编辑框艺术家2
    {"TrackCaption3", ControlKind::Label, "\xB1\xEA\xC7\xA9" "33", 217, 536, 193, 24, "\xC7\xFA\xC4\xBFN"},  // 标签33 曲目N
    {"FieldLabel10", ControlKind::Label, "\xB1\xEA\xC7\xA9" "10", 27, 560, 60, 32, "\xC7\xFA\xC4\xBF\xC3\xFB\xB3\xC6"},  // 标签10 曲目名称
    {"TrackTitleBox3", ControlKind::EditBox, "\xB1\xE0\xBC\xAD\xBF\xF2\xC7\xFA\xC4\xBF" "3", 103, 563, 400, 24, ""},  // 编辑框曲目3
    {"FieldLabel11", ControlKind::Label, "\xB1\xEA\xC7\xA9" "11", 27, 594, 60, 32, "\xD2\xD5\xCA\xF5\xBC\xD2"},  // 标签11 艺术家
    {"TrackPerformerBox3", ControlKind::EditBox, "\xB1\xE0\xBC\xAD\xBF\xF2\xD2\xD5\xCA\xF5\xBC\xD2" "3", 103, 602, 400, 24, ""},  // 编辑框艺术家3
    {"SaveHereButton", ControlKind::HandLabel, "\xB1\xEA\xC7\xA9" "16\xB1\xA3\xB4\xE6", 420, 661, 120, 40, "\xCD\xAC\xC4\xBF\xC2\xBC\xCF\xC2\xB1\xA3\xB4\xE6"},  // 标签16保存 同目录下保存
    {"SaveAsButton", ControlKind::HandLabel, "\xB1\xEA\xC7\xA9" "17\xC1\xED\xB4\xE6", 555, 661, 104, 40, "\xC1\xED\xB4\xE6\xCE\xAA"},  // 标签17另存 另存为
    {"AboutButton", ControlKind::HandLabel, "\xB1\xEA\xC7\xA9\xB9\xD8\xD3\xDA", 20, 667, 55, 32, "\xB9\xD8\xD3\xDA"},  // 标签关于 关于
    {"OnTopCheck", ControlKind::CheckBox, "\xD1\xA1\xD4\xF1\xBF\xF2" "1", 97, 668, 90, 30, "\xD7\xDC\xD4\xDA\xD7\xEE\xC7\xB0"},  // 选择框1 总在最前
    {"OnTopLabel", ControlKind::Label, "\xB1\xEA\xC7\xA9_\xD7\xDC\xD4\xDA\xD7\xEE\xC7\xB0", 114, 668, 60, 30, "\xD7\xDC\xD4\xDA\xD7\xEE\xC7\xB0"},  // 标签_总在最前 总在最前
    {"SwatchDefault", ControlKind::Swatch, "\xB1\xEA\xC7\xA9" "50_\xC4\xAC\xC8\xCF\xD1\xD5\xC9\xAB", 199, 673, 30, 24, ""},  // 标签50_默认颜色
    {"Swatch5", ControlKind::Swatch, "\xB1\xEA\xC7\xA9" "55_\xD1\xD5\xC9\xAB" "5", 232, 673, 30, 24, ""},  // 标签55_颜色5
    {"Swatch1", ControlKind::Swatch, "\xB1\xEA\xC7\xA9" "51_\xD1\xD5\xC9\xAB" "1", 265, 673, 30, 24, ""},  // 标签51_颜色1
    {"Swatch2", ControlKind::Swatch, "\xB1\xEA\xC7\xA9" "52_\xD1\xD5\xC9\xAB" "2", 298, 673, 30, 24, ""},  // 标签52_颜色2
    {"Swatch3", ControlKind::Swatch, "\xB1\xEA\xC7\xA9" "53_\xD1\xD5\xC9\xAB" "3", 332, 673, 30, 24, ""},  // 标签53_颜色3
    {"Swatch4", ControlKind::Swatch, "\xB1\xEA\xC7\xA9" "54_\xD1\xD5\xC9\xAB" "4", 365, 673, 30, 24, ""},  // 标签54_颜色4
}};

// Colours as 0x00BBGGRR (red in the low byte), as GetPixel reports them.
using Colour = std::uint32_t;

struct SchemeColours {
    int number;
    Colour background;      // the window, the labels, the check boxes
    Colour text;            // labels and check boxes
    Colour disabledText;    // the two save labels while disabled
    Colour fieldBackground; // edit boxes and list boxes
};

inline constexpr SchemeColours kScheme1{1, 0x343434, 0xDDDDDD, 0x808080, 0x222222};
inline constexpr SchemeColours kScheme3{3, 0xB8B8B8, 0x000000, 0x5C5C5C, 0xEEEEEE};

// Each swatch keeps the background colour of the scheme it selects; SwatchDefault shows the
// system's button-face colour, looked up at run time.
struct SwatchFill {
    std::string_view role;
    Colour fill;
};
inline constexpr std::array<SwatchFill, 5> kFixedSwatchFills{{
    {"Swatch5", 0x245704},
    {"Swatch1", 0x343434},
    {"Swatch2", 0x535353},
    {"Swatch3", 0xB8B8B8},
    {"Swatch4", 0xD6D6D6},
}};

}  // namespace cuepad::e2e
