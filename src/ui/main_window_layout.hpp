// The main window's controls: every one with its form name, kind, place, size and text, and
// the references by role that the behaviour code uses.
#pragma once

#include "platform/toolkit.hpp"

#include <array>
#include <string_view>

namespace cuepad::ui {

inline constexpr int kClientWidth = 680;
inline constexpr int kClientHeight = 712;

enum class ControlKind { Label, HandLabel, Swatch, EditBox, ListBox, CheckBox };

// Roles of the controls, in the order the window creates them (top to bottom, which is also
// the keyboard order). A label that lies over a check box's caption comes before the box so
// that it is drawn above it.
enum class Role : int {
    PathBox, OpenButton,
    AlbumTitleLabel, AlbumTitleBox,
    AlbumPerformerLabel, AlbumPerformerBox, ApplyAllLabel, ApplyAllCheck,
    ImageFileLabel, ImageFileBox, ChooseImageButton,
    CommentsLabel, MediaCodeLabel, MediaCodeBox, CommentsList,
    DateLabel, DateBox, GenreLabel, GenreBox,
    TrackCaption1, TrackList, TrackTitleLabel1, TrackTitleBox1, TrackPerformerLabel1, TrackPerformerBox1,
    TrackCaption2, TrackTitleLabel2, TrackTitleBox2, TrackPerformerLabel2, TrackPerformerBox2,
    TrackCaption3, TrackTitleLabel3, TrackTitleBox3, TrackPerformerLabel3, TrackPerformerBox3,
    AboutButton, OnTopLabel, OnTopCheck,
    SwatchDefault, Swatch5, Swatch1, Swatch2, Swatch3, Swatch4,
    SaveHereButton, SaveAsButton,
    Count
};

struct ControlForm {
    Role role;
    ControlKind kind;
    std::string_view formName;
    platform::Rect place;
    std::string_view text;
};

inline constexpr std::size_t kControlCount = static_cast<std::size_t>(Role::Count);
extern const std::array<ControlForm, kControlCount> kMainWindowControls;

// The controls of one main window by role. References stay valid while the window lives.
struct MainWindowControls {
    platform::EditBox *pathBox, *albumTitleBox, *albumPerformerBox, *imageFileBox, *mediaCodeBox, *dateBox,
        *genreBox;
    platform::Label *openButton, *chooseImageButton, *saveHereButton, *saveAsButton, *aboutButton, *applyAllLabel,
        *onTopLabel;
    platform::CheckBox *applyAllCheck, *onTopCheck;
    platform::ListBox *commentsList, *trackList;
    std::array<platform::Label*, 3> trackCaptions;
    std::array<platform::EditBox*, 3> trackTitleBoxes;
    std::array<platform::EditBox*, 3> trackPerformerBoxes;
    std::array<platform::Label*, 13> fieldLabels;  // 标签1 to 标签13, by their number
    std::array<platform::Label*, 6> swatches;     // SwatchDefault, Swatch5, Swatch1 .. Swatch4
    platform::PopupMenu* commentsMenu;
    std::array<platform::Control*, kControlCount> byRole;
};

// Creates every control of the main window on `window` and returns them by role.
MainWindowControls createMainWindowControls(platform::Window& window);

}  // namespace cuepad::ui
