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

// The About window's texts.
inline constexpr std::string_view kUpdateLink = "\xC8\xED\xBC\xFE\xB8\xFC\xD0\xC2";  // 软件更新
inline constexpr std::string_view kHomeLink = "\xCF\xEE\xC4\xBF\xD6\xF7\xD2\xB3";    // 项目主页
inline constexpr std::string_view kDonateLink = "\xBE\xE8\xD6\xFA";                    // 捐助
// The caption while the music plays: ten characters naming the piece.
inline constexpr std::string_view kMusicPlaying =
    "\xD5\xFD\xD4\xDA\xB2\xA5\xB7\xC5\xA3\xBA\xA1\xB6\xBB\xB6\xC0\xD6\xCB\xCC\xA1\xB7";  // 正在播放：《欢乐颂》

namespace about {
// 这是一个在2012.12.21传说世界完结之前写才完成主框架的软件～～
inline constexpr std::string_view kLine2 =
    "\xD5\xE2\xCA\xC7\xD2\xBB\xB8\xF6\xD4\xDA" "2012.12.21\xB4\xAB\xCB\xB5\xCA\xC0\xBD\xE7\xCD\xEA\xBD\xE1\xD6\xAE"
    "\xC7\xB0\xD0\xB4\xB2\xC5\xCD\xEA\xB3\xC9\xD6\xF7\xBF\xF2\xBC\xDC\xB5\xC4\xC8\xED\xBC\xFE\xA1\xAB\xA1\xAB";
// 功能：帮助你修改无损音频CUE信息的软件，直接拖放CUE即可生成列表
inline constexpr std::string_view kLine4 =
    "\xB9\xA6\xC4\xDC\xA3\xBA\xB0\xEF\xD6\xFA\xC4\xE3\xD0\xDE\xB8\xC4\xCE\xDE\xCB\xF0\xD2\xF4\xC6\xB5" "CUE"
    "\xD0\xC5\xCF\xA2\xB5\xC4\xC8\xED\xBC\xFE\xA3\xAC\xD6\xB1\xBD\xD3\xCD\xCF\xB7\xC5" "CUE"
    "\xBC\xB4\xBF\xC9\xC9\xFA\xB3\xC9\xC1\xD0\xB1\xED";
// 这时后你就打开专辑信息网站直接复制粘贴就好了
inline constexpr std::string_view kLine5 =
    "\xD5\xE2\xCA\xB1\xBA\xF3\xC4\xE3\xBE\xCD\xB4\xF2\xBF\xAA\xD7\xA8\xBC\xAD\xD0\xC5\xCF\xA2\xCD\xF8\xD5\xBE"
    "\xD6\xB1\xBD\xD3\xB8\xB4\xD6\xC6\xD5\xB3\xCC\xF9\xBE\xCD\xBA\xC3\xC1\xCB";
// 怎么都比用记事本快多了～～、
inline constexpr std::string_view kLine6 =
    "\xD4\xF5\xC3\xB4\xB6\xBC\xB1\xC8\xD3\xC3\xBC\xC7\xCA\xC2\xB1\xBE\xBF\xEC\xB6\xE0\xC1\xCB\xA1\xAB\xA1\xAB\xA1\xA2";
// 本软件开源，在“软件更新”的发布帖中能下载到源码
inline constexpr std::string_view kLine8 =
    "\xB1\xBE\xC8\xED\xBC\xFE\xBF\xAA\xD4\xB4\xA3\xAC\xD4\xDA\xA1\xB0\xC8\xED\xBC\xFE\xB8\xFC\xD0\xC2\xA1\xB1"
    "\xB5\xC4\xB7\xA2\xB2\xBC\xCC\xFB\xD6\xD0\xC4\xDC\xCF\xC2\xD4\xD8\xB5\xBD\xD4\xB4\xC2\xEB";
// 如果觉得本软件对你有用，又有闲钱，可以点“捐助”……
inline constexpr std::string_view kLine10 =
    "\xC8\xE7\xB9\xFB\xBE\xF5\xB5\xC3\xB1\xBE\xC8\xED\xBC\xFE\xB6\xD4\xC4\xE3\xD3\xD0\xD3\xC3\xA3\xAC"
    "\xD3\xD6\xD3\xD0\xCF\xD0\xC7\xAE\xA3\xAC\xBF\xC9\xD2\xD4\xB5\xE3\xA1\xB0\xBE\xE8\xD6\xFA\xA1\xB1\xA1\xAD\xA1\xAD";
// 如果对软件有建议或改进，可以发邮件到我邮箱
inline constexpr std::string_view kLine12 =
    "\xC8\xE7\xB9\xFB\xB6\xD4\xC8\xED\xBC\xFE\xD3\xD0\xBD\xA8\xD2\xE9\xBB\xF2\xB8\xC4\xBD\xF8\xA3\xAC"
    "\xBF\xC9\xD2\xD4\xB7\xA2\xD3\xCA\xBC\xFE\xB5\xBD\xCE\xD2\xD3\xCA\xCF\xE4";
// 2017.5.22日更新2.0, followed by ten spaces and the makers' name
inline constexpr std::string_view kLine16 = "2017.5.22\xC8\xD5\xB8\xFC\xD0\xC2" "2.0";
}  // namespace about

}  // namespace cuepad::strings
