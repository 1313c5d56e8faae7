// The main window's inventory. Places are client pixels at 96 DPI.
#include "ui/main_window_layout.hpp"

#include "ui/strings.hpp"

namespace cuepad::ui {
namespace {

using K = ControlKind;
using R = Role;
namespace s = strings;

constexpr std::string_view kCommentsMenuName = "\xCA\xFD\xBE\xDD\xB2\xCB\xB5\xA5";  // 数据菜单

}  // namespace

const std::array<ControlForm, kControlCount> kMainWindowControls{{
    {R::PathBox, K::EditBox, "\xB1\xE0\xBC\xAD\xBF\xF2\xD1\xA1\xD4\xF1\xCE\xC4\xBC\xFE", {35, 16, 530, 32}, {}},  // 编辑框选择文件
    {R::OpenButton, K::HandLabel, "\xB1\xEA\xC7\xA9" "14_\xD1\xA1\xD4\xF1" "CUE\xCE\xC4\xB1\xBE", {572, 15, 80, 32}, s::kOpen},  // 标签14_选择CUE文本
    {R::AlbumTitleLabel, K::Label, "\xB1\xEA\xC7\xA9" "5", {27, 80, 60, 24}, s::kAlbumTitle},  // 标签5
    {R::AlbumTitleBox, K::EditBox, "\xB1\xE0\xBC\xAD\xBF\xF2\xD7\xA8\xBC\xAD\xC3\xFB\xB3\xC6", {103, 80, 549, 24}, {}},  // 编辑框专辑名称
    {R::AlbumPerformerLabel, K::Label, "\xB1\xEA\xC7\xA9" "4", {27, 116, 60, 24}, s::kPerformer},  // 标签4
    {R::AlbumPerformerBox, K::EditBox, "\xB1\xE0\xBC\xAD\xBF\xF2\xD7\xA8\xBC\xAD\xD2\xD5\xCA\xF5\xBC\xD2", {103, 116, 421, 24}, {}},  // 编辑框专辑艺术家
    {R::ApplyAllLabel, K::Label, "\xB1\xEA\xC7\xA9_\xD2\xD5\xCA\xF5\xBC\xD2", {551, 116, 110, 24}, s::kApplyToAllTracks},  // 标签_艺术家
    {R::ApplyAllCheck, K::CheckBox, "\xD1\xA1\xD4\xF1\xBF\xF2" "2", {534, 116, 123, 24}, s::kApplyToAllTracks},  // 选择框2
    {R::ImageFileLabel, K::Label, "\xB1\xEA\xC7\xA9" "6", {7, 154, 80, 24}, s::kImageFileName},  // 标签6
    {R::ImageFileBox, K::EditBox, "\xB1\xE0\xBC\xAD\xBF\xF2\xD3\xB3\xCF\xF1\xCE\xC4\xBC\xFE\xC3\xFB", {103, 154, 421, 24}, {}},  // 编辑框映像文件名
    {R::ChooseImageButton, K::HandLabel, "\xB1\xEA\xC7\xA9" "15_\xD1\xA1\xD4\xF1\xCE\xC4\xBC\xFE", {533, 153, 66, 24}, s::kChoose},  // 标签15_选择文件
    {R::CommentsLabel, K::Label, "\xB1\xEA\xC7\xA9" "3", {451, 188, 80, 17}, s::kCommentsAndOthers},  // 标签3
    {R::MediaCodeLabel, K::Label, "\xB1\xEA\xC7\xA9" "2", {27, 191, 60, 24}, s::kMediaCode},  // 标签2
    {R::MediaCodeBox, K::EditBox, "\xB1\xE0\xBC\xAD\xBF\xF2\xC3\xBD\xCC\xE5\xB1\xE0\xC2\xEB\xCC\xF5\xC4\xBF", {103, 191, 185, 24}, {}},  // 编辑框媒体编码条目
    {R::CommentsList, K::ListBox, "\xC1\xD0\xB1\xED\xBF\xF2\xD7\xA2\xCA\xCD", {324, 208, 321, 86}, {}},  // 列表框注释
    {R::DateLabel, K::Label, "\xB1\xEA\xC7\xA9" "12", {27, 230, 60, 24}, s::kDate},  // 标签12
    {R::DateBox, K::EditBox, "\xB1\xE0\xBC\xAD\xBF\xF2\xCA\xB1\xBC\xE4", {103, 230, 185, 24}, {}},  // 编辑框时间
    {R::GenreLabel, K::Label, "\xB1\xEA\xC7\xA9" "13", {36, 269, 51, 24}, s::kGenre},  // 标签13
    {R::GenreBox, K::EditBox, "\xB1\xE0\xBC\xAD\xBF\xF2\xC1\xF7\xC5\xC9", {103, 269, 185, 24}, {}},  // 编辑框流派
    {R::TrackCaption1, K::Label, "\xB1\xEA\xC7\xA9" "31", {217, 328, 193, 24}, s::kBlankTrackCaption},  // 标签31
    {R::TrackList, K::ListBox, "\xC1\xD0\xB1\xED\xBF\xF2\xD2\xF4\xB9\xEC", {512, 334, 149, 310}, {}},  // 列表框音轨
    {R::TrackTitleLabel1, K::Label, "\xB1\xEA\xC7\xA9" "7", {27, 351, 60, 32}, s::kTrackTitle},  // 标签7
    {R::TrackTitleBox1, K::EditBox, "\xB1\xE0\xBC\xAD\xBF\xF2\xC7\xFA\xC4\xBF" "1", {103, 354, 400, 24}, {}},  // 编辑框曲目1
    {R::TrackPerformerLabel1, K::Label, "\xB1\xEA\xC7\xA9" "1", {27, 385, 60, 32}, s::kPerformer},  // 标签1
    {R::TrackPerformerBox1, K::EditBox, "\xB1\xE0\xBC\xAD\xBF\xF2\xD2\xD5\xCA\xF5\xBC\xD2" "1", {103, 393, 400, 24}, {}},  // 编辑框艺术家1
    {R::TrackCaption2, K::Label, "\xB1\xEA\xC7\xA9" "32", {217, 424, 193, 24}, s::kBlankTrackCaption},  // 标签32
    {R::TrackTitleLabel2, K::Label, "\xB1\xEA\xC7\xA9" "8", {27, 452, 60, 32}, s::kTrackTitle},  // 标签8
    {R::TrackTitleBox2, K::EditBox, "\xB1\xE0\xBC\xAD\xBF\xF2\xC7\xFA\xC4\xBF" "2", {103, 455, 400, 24}, {}},  // 编辑框曲目2
    {R::TrackPerformerLabel2, K::Label, "\xB1\xEA\xC7\xA9" "9", {27, 486, 60, 32}, s::kPerformer},  // 标签9
    {R::TrackPerformerBox2, K::EditBox, "\xB1\xE0\xBC\xAD\xBF\xF2\xD2\xD5\xCA\xF5\xBC\xD2" "2", {103, 494, 400, 24}, {}},  // 编辑框艺术家2
    {R::TrackCaption3, K::Label, "\xB1\xEA\xC7\xA9" "33", {217, 536, 193, 24}, s::kBlankTrackCaption},  // 标签33
    {R::TrackTitleLabel3, K::Label, "\xB1\xEA\xC7\xA9" "10", {27, 560, 60, 32}, s::kTrackTitle},  // 标签10
    {R::TrackTitleBox3, K::EditBox, "\xB1\xE0\xBC\xAD\xBF\xF2\xC7\xFA\xC4\xBF" "3", {103, 563, 400, 24}, {}},  // 编辑框曲目3
    {R::TrackPerformerLabel3, K::Label, "\xB1\xEA\xC7\xA9" "11", {27, 594, 60, 32}, s::kPerformer},  // 标签11
    {R::TrackPerformerBox3, K::EditBox, "\xB1\xE0\xBC\xAD\xBF\xF2\xD2\xD5\xCA\xF5\xBC\xD2" "3", {103, 602, 400, 24}, {}},  // 编辑框艺术家3
    {R::AboutButton, K::HandLabel, "\xB1\xEA\xC7\xA9\xB9\xD8\xD3\xDA", {20, 667, 55, 32}, s::kAbout},  // 标签关于
    {R::OnTopLabel, K::Label, "\xB1\xEA\xC7\xA9_\xD7\xDC\xD4\xDA\xD7\xEE\xC7\xB0", {114, 668, 60, 30}, s::kAlwaysOnTop},  // 标签_总在最前
    {R::OnTopCheck, K::CheckBox, "\xD1\xA1\xD4\xF1\xBF\xF2" "1", {97, 668, 90, 30}, s::kAlwaysOnTop},  // 选择框1
    {R::SwatchDefault, K::Swatch, "\xB1\xEA\xC7\xA9" "50_\xC4\xAC\xC8\xCF\xD1\xD5\xC9\xAB", {199, 673, 30, 24}, {}},  // 标签50_默认颜色
    {R::Swatch5, K::Swatch, "\xB1\xEA\xC7\xA9" "55_\xD1\xD5\xC9\xAB" "5", {232, 673, 30, 24}, {}},  // 标签55_颜色5
    {R::Swatch1, K::Swatch, "\xB1\xEA\xC7\xA9" "51_\xD1\xD5\xC9\xAB" "1", {265, 673, 30, 24}, {}},  // 标签51_颜色1
    {R::Swatch2, K::Swatch, "\xB1\xEA\xC7\xA9" "52_\xD1\xD5\xC9\xAB" "2", {298, 673, 30, 24}, {}},  // 标签52_颜色2
    {R::Swatch3, K::Swatch, "\xB1\xEA\xC7\xA9" "53_\xD1\xD5\xC9\xAB" "3", {332, 673, 30, 24}, {}},  // 标签53_颜色3
    {R::Swatch4, K::Swatch, "\xB1\xEA\xC7\xA9" "54_\xD1\xD5\xC9\xAB" "4", {365, 673, 30, 24}, {}},  // 标签54_颜色4
    {R::SaveHereButton, K::HandLabel, "\xB1\xEA\xC7\xA9" "16\xB1\xA3\xB4\xE6", {420, 661, 120, 40}, s::kSaveHere},  // 标签16保存
    {R::SaveAsButton, K::HandLabel, "\xB1\xEA\xC7\xA9" "17\xC1\xED\xB4\xE6", {555, 661, 104, 40}, s::kSaveAs},  // 标签17另存
}};

MainWindowControls createMainWindowControls(platform::Window& window) {
    MainWindowControls c{};
    for (const ControlForm& form : kMainWindowControls) {
        platform::Control* control = nullptr;
        switch (form.kind) {
        case K::Label:
        case K::Swatch: control = &window.addLabel(form.formName, form.place, form.text); break;
        case K::HandLabel: {
            platform::Label& label = window.addLabel(form.formName, form.place, form.text);
            label.setHandPointer(true);
            control = &label;
            break;
        }
        case K::EditBox: control = &window.addEditBox(form.formName, form.place); break;
        case K::ListBox: control = &window.addListBox(form.formName, form.place); break;
        case K::CheckBox: control = &window.addCheckBox(form.formName, form.place, form.text); break;
        }
        c.byRole[static_cast<std::size_t>(form.role)] = control;
    }
    const auto edit = [&](Role role) { return static_cast<platform::EditBox*>(c.byRole[static_cast<std::size_t>(role)]); };
    const auto label = [&](Role role) { return static_cast<platform::Label*>(c.byRole[static_cast<std::size_t>(role)]); };
    const auto check = [&](Role role) { return static_cast<platform::CheckBox*>(c.byRole[static_cast<std::size_t>(role)]); };
    const auto list = [&](Role role) { return static_cast<platform::ListBox*>(c.byRole[static_cast<std::size_t>(role)]); };

    c.pathBox = edit(R::PathBox);
    c.albumTitleBox = edit(R::AlbumTitleBox);
    c.albumPerformerBox = edit(R::AlbumPerformerBox);
    c.imageFileBox = edit(R::ImageFileBox);
    c.mediaCodeBox = edit(R::MediaCodeBox);
    c.dateBox = edit(R::DateBox);
    c.genreBox = edit(R::GenreBox);
    c.openButton = label(R::OpenButton);
    c.chooseImageButton = label(R::ChooseImageButton);
    c.saveHereButton = label(R::SaveHereButton);
    c.saveAsButton = label(R::SaveAsButton);
    c.aboutButton = label(R::AboutButton);
    c.applyAllLabel = label(R::ApplyAllLabel);
    c.onTopLabel = label(R::OnTopLabel);
    c.applyAllCheck = check(R::ApplyAllCheck);
    c.onTopCheck = check(R::OnTopCheck);
    c.commentsList = list(R::CommentsList);
    c.trackList = list(R::TrackList);
    c.trackCaptions = {label(R::TrackCaption1), label(R::TrackCaption2), label(R::TrackCaption3)};
    c.trackTitleBoxes = {edit(R::TrackTitleBox1), edit(R::TrackTitleBox2), edit(R::TrackTitleBox3)};
    c.trackPerformerBoxes = {edit(R::TrackPerformerBox1), edit(R::TrackPerformerBox2), edit(R::TrackPerformerBox3)};
    c.fieldLabels = {label(R::TrackPerformerLabel1), label(R::MediaCodeLabel),       label(R::CommentsLabel),
                     label(R::AlbumPerformerLabel),  label(R::AlbumTitleLabel),      label(R::ImageFileLabel),
                     label(R::TrackTitleLabel1),     label(R::TrackTitleLabel2),     label(R::TrackPerformerLabel2),
                     label(R::TrackTitleLabel3),     label(R::TrackPerformerLabel3), label(R::DateLabel),
                     label(R::GenreLabel)};
    c.swatches = {label(R::SwatchDefault), label(R::Swatch5), label(R::Swatch1),
                  label(R::Swatch2),       label(R::Swatch3), label(R::Swatch4)};
    c.saveHereButton->setEnabled(false);
    c.saveAsButton->setEnabled(false);

    platform::PopupMenu& menu = window.addPopupMenu(kCommentsMenuName);
    c.commentsMenu = &menu;
    return c;
}

}  // namespace cuepad::ui
