// The property indexes of every component type, as the tool's logic names them when
// it reads or writes a property. The common properties come first; each type's own
// properties follow them, in the order of its property table.
#pragma once
#include "runtime/values.h"

namespace forms {

using rt::i32;

// The properties every component type has, the window included.
enum CommonProperty : i32 {
    kPropLeft = 0,
    kPropTop,
    kPropWidth,
    kPropHeight,
    kPropTag,
    kPropVisible,
    kPropDisabled,
    kPropCursor,
};
inline constexpr i32 kCommonPropertyCount = kPropCursor + 1;
// The tool's logic and its templates name the first own property 8.
static_assert(kCommonPropertyCount == 8, "the stored property indexes");

// The window (窗口).
enum WindowProperty : i32 {
    kWindowTitle = kCommonPropertyCount,
    kWindowBorder,
    kWindowBackColour,
    kWindowPicture,
    kWindowPictureMode,
    kWindowMusic,
    kWindowPlayMode,
    kWindowControlBox,
    kWindowMaxButton,
    kWindowMinButton,
    kWindowStartPosition,
    kWindowMovable,
    kWindowIcon,
    kWindowEnterMovesFocus,
    kWindowEscapeCloses,
    kWindowF1Help,
    kWindowHelpFile,
    kWindowHelpContext,
    kWindowInTaskbar,
    kWindowDragByComponents,
    kWindowShape,
    kWindowTopmost,
    kWindowTitleAlwaysActive,
    kWindowClassName,
    kWindowPropertyCount,
};

// The group box (分组框).
enum GroupBoxProperty : i32 {
    kGroupCaption = kCommonPropertyCount,
    kGroupAlignment,
    kGroupCaptionColour,
    kGroupBackColour,
    kGroupFont,
    kGroupPropertyCount,
};

// The label (标签).
enum LabelProperty : i32 {
    kLabelCaption = kCommonPropertyCount,
    kLabelEffect,
    kLabelBorder,
    kLabelBorderWidth,
    kLabelBorderColour1,
    kLabelBorderColour2,
    kLabelBorderColour3,
    kLabelFont,
    kLabelTextColour,
    kLabelBackColour,
    kLabelPicture,
    kLabelPicturePlacement,
    kLabelGradientMode,
    kLabelGradientColour1,
    kLabelGradientColour2,
    kLabelGradientColour3,
    kLabelAlignment,
    kLabelWordWrap,
    kLabelVerticalAlignment,
    kLabelDataSource,
    kLabelDataColumn,
    kLabelPropertyCount,
};

// The push button (按钮).
enum ButtonProperty : i32 {
    kButtonPicture = kCommonPropertyCount,
    kButtonKind,
    kButtonCaption,
    kButtonAlignment,
    kButtonVerticalAlignment,
    kButtonFont,
    kButtonPropertyCount,
};

// The check box (选择框) and the radio button (单选框), which lacks the two
// data-binding names.
enum CheckProperty : i32 {
    kCheckPicture = kCommonPropertyCount,
    kCheckPushLike,
    kCheckFlat,
    kCheckCaption,
    kCheckTextOnLeft,
    kCheckAlignment,
    kCheckVerticalAlignment,
    kCheckTextColour,
    kCheckBackColour,
    kCheckFont,
    kCheckTicked,
    kCheckDataSource,  // check box only
    kCheckDataColumn,  // check box only
    kCheckBoxPropertyCount,
    kRadioPropertyCount = kCheckDataSource,
};

// The drive box (驱动器框).
enum DriveBoxProperty : i32 {
    kDriveCurrent = kCommonPropertyCount,  // text: the drive letter; only its first character counts
    kDriveKinds,                           // choice: which kinds of drive are listed
    kDriveTextColour,                      // colour
    kDriveBackColour,                      // colour; kDefaultColour is the button face
    kDriveFont,                            // 60-byte logical font, empty: the platform's default
    kDrivePropertyCount,
};

// The super button (超级按钮) of the interface extension library.
enum SuperButtonProperty : i32 {
    kSuperStyle = kCommonPropertyCount,  // choice: 0 flat, 1 raised, 2 flat and rounded
    kSuperToggle,                        // logical: a click flips the checked state
    kSuperChecked,                       // logical
    kSuperAlignment,                     // choice 0 ... 3: picture and caption
    kSuperPressOffset,                   // choice: 0 right and down by 1, 1 down by 2
    kSuperBorder3d,                      // logical: flat styles draw a 3D border when lit
    kSuperFocusRectangle,                // logical: flat styles draw the focus rectangle
    kSuperNormalPicture,                 // image data
    kSuperNormalTransparent,             // colour; kDefaultColour: the top-left pixel's
    kSuperHoverPicture,                  // image data
    kSuperHoverTransparent,              // colour
    kSuperDisabledPicture,               // image data
    kSuperDisabledTransparent,           // colour
    kSuperFont,                          // 60-byte logical font, empty: the platform's default
    kSuperCaption,                       // text
    kSuperSystemColours,                 // logical: take the six colours from the system
    kSuperNormalText,                    // colour
    kSuperNormalBack,                    // colour; kDefaultColour: the button face
    kSuperHoverText,                     // colour
    kSuperHoverBack,                     // colour
    kSuperFocusText,                     // colour
    kSuperFocusBack,                     // colour
    kSuperBuiltinSound,                  // logical: the library's own click sound
    kSuperHoverSound,                    // wave data
    kSuperClickSound,                    // wave data
    kSuperTooltip,                       // text
    kSuperDefaultButton,                 // choice 0 ... 1
    kSuperPropertyCount,
};

}  // namespace forms
