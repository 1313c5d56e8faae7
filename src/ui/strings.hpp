// The main window's texts, in code page 936, used exactly as they stand. Literals are split
// where a digit or letter follows a hex escape, which would otherwise run on into it.
#pragma once

#include <string_view>

namespace cuepad::strings {

inline constexpr std::string_view kWindowCaption = "CUE\xB1\xE0\xBC\xAD\xC6\xF7";  // CUE编辑器

inline constexpr std::string_view kOpen = "\xB4\xF2\xBF\xAA";                            // 打开
inline constexpr std::string_view kOpenSimplified = "\xB4\xF2\xBF\xAA(\xBC\xF2)";        // 打开(简)
inline constexpr std::string_view kOpenTraditional = "\xB4\xF2\xBF\xAA(\xB7\xB1)";       // 打开(繁)
inline constexpr std::string_view kAlbumTitle = "\xD7\xA8\xBC\xAD\xC3\xFB\xB3\xC6";      // 专辑名称
inline constexpr std::string_view kPerformer = "\xD2\xD5\xCA\xF5\xBC\xD2";               // 艺术家
inline constexpr std::string_view kApplyToAllTracks =
    "\xD3\xA6\xD3\xC3\xB5\xBD\xCB\xF9\xD3\xD0\xC7\xFA\xC4\xBF";                           // 应用到所有曲目
inline constexpr std::string_view kImageFileName = "\xD3\xB3\xCF\xF1\xCE\xC4\xBC\xFE\xC3\xFB";  // 映像文件名
inline constexpr std::string_view kChoose = "\xD1\xA1\xD4\xF1";                          // 选择
inline constexpr std::string_view kCommentsAndOthers = "\xD7\xA2\xCA\xCD\xD3\xEB\xC6\xE4\xCB\xFB";  // 注释与其他
inline constexpr std::string_view kMediaCode = "\xC3\xBD\xCC\xE5\xB1\xE0\xC2\xEB";        // 媒体编码
inline constexpr std::string_view kDate = "\xCA\xB1\xBC\xE4";                            // 时间
inline constexpr std::string_view kGenre = "\xC1\xF7\xC5\xC9";                           // 流派
inline constexpr std::string_view kBlankTrackCaption = "\xC7\xFA\xC4\xBF" "N";           // 曲目N
inline constexpr std::string_view kTrackTitle = "\xC7\xFA\xC4\xBF\xC3\xFB\xB3\xC6";       // 曲目名称
inline constexpr std::string_view kSaveHere = "\xCD\xAC\xC4\xBF\xC2\xBC\xCF\xC2\xB1\xA3\xB4\xE6";  // 同目录下保存
inline constexpr std::string_view kSaveAs = "\xC1\xED\xB4\xE6\xCE\xAA";                   // 另存为
inline constexpr std::string_view kAbout = "\xB9\xD8\xD3\xDA";                           // 关于
inline constexpr std::string_view kAlwaysOnTop = "\xD7\xDC\xD4\xDA\xD7\xEE\xC7\xB0";      // 总在最前
inline constexpr std::string_view kAddItem = "\xCC\xED\xBC\xD3\xCA\xFD\xBE\xDD";          // 添加数据
inline constexpr std::string_view kEditItem = "\xD0\xDE\xB8\xC4\xCA\xFD\xBE\xDD";         // 修改数据
inline constexpr std::string_view kDeleteItem = "\xC9\xBE\xB3\xFD\xCA\xFD\xBE\xDD";       // 删除数据

// The file dialogs' titles and filter.
inline constexpr std::string_view kOpenSheetTitle = "\xD1\xA1\xD4\xF1\xD2\xBB\xB8\xF6" "CUE\xCE\xC4\xBC\xFE";  // 选择一个CUE文件
inline constexpr std::string_view kChooseImageTitle =
    "\xD1\xA1\xD4\xF1\xD2\xBB\xB8\xF6\xD3\xB3\xCF\xF1\xCE\xC4\xBC\xFE";                              // 选择一个映像文件
inline constexpr std::string_view kSaveAsTitle = "\xC1\xED\xB4\xE6" "CUE\xCE\xC4\xBC\xFE\xB5\xBD";       // 另存CUE文件到
inline constexpr std::string_view kSheetFilter = "CUE\xCE\xC4\xBC\xFE|*.cue";                                // CUE文件|*.cue

// The input box of the comments list.
inline constexpr std::string_view kCommentCaption = "\xCA\xE4\xC8\xEB\xD0\xDE\xB8\xC4\xB5\xC4\xC4\xDA\xC8\xDD";  // 输入修改的内容
inline constexpr std::string_view kCommentPrompt =
    "\xD5\xE2\xCA\xC7\xD0\xDE\xB8\xC4\xD7\xA2\xCA\xCD\xD3\xEB\xC6\xE4\xCB\xFB\xD0\xC5\xCF\xA2\xB5\xC4\xB5\xD8\xB7\xBD";  // 这是修改注释与其他信息的地方

inline constexpr std::string_view kFontFace = "\xCE\xA2\xC8\xED\xD1\xC5\xBA\xDA";         // 微软雅黑
inline constexpr int kFontPoints = 11;

// The settings file beside the executable: 配置.ini, section 设置, key 配色.
inline constexpr std::string_view kSettingsFileName = "\\\xC5\xE4\xD6\xC3.ini";          // \配置.ini
inline constexpr std::string_view kSettingsSection = "\xC9\xE8\xD6\xC3";                 // 设置
inline constexpr std::string_view kSchemeKey = "\xC5\xE4\xC9\xAB";                       // 配色

}  // namespace cuepad::strings
