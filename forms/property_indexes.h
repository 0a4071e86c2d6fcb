// The property indexes of every component type, as the tool's logic names them when
// it reads or writes a property. Indexes 0 to 7 are the common properties (left,
// top, width, height, ...); each type's own properties follow from 8.
#pragma once
#include "runtime/values.h"

namespace forms {

using rt::i32;

// The window (窗口).
enum WindowProperty : i32 {
    kWindowTitle = 8,
    kWindowBorder = 9,
    kWindowBackColour = 10,
    kWindowPicture = 11,
    kWindowPictureMode = 12,
    kWindowMusic = 13,
    kWindowPlayMode = 14,
    kWindowControlBox = 15,
    kWindowMaxButton = 16,
    kWindowMinButton = 17,
    kWindowStartPosition = 18,
    kWindowMovable = 19,
    kWindowIcon = 20,
    kWindowEnterMovesFocus = 21,
    kWindowEscapeCloses = 22,
    kWindowF1Help = 23,
    kWindowHelpFile = 24,
    kWindowHelpContext = 25,
    kWindowInTaskbar = 26,
    kWindowDragByComponents = 27,
    kWindowShape = 28,
    kWindowTopmost = 29,
    kWindowTitleAlwaysActive = 30,
    kWindowClassName = 31,
    kWindowPropertyCount = 32,
};

// The group box (分组框).
enum GroupBoxProperty : i32 {
    kGroupCaption = 8,
    kGroupAlignment = 9,
    kGroupCaptionColour = 10,
    kGroupBackColour = 11,
    kGroupFont = 12,
    kGroupPropertyCount = 13,
};

// The label (标签).
enum LabelProperty : i32 {
    kLabelCaption = 8,
    kLabelEffect = 9,
    kLabelBorder = 10,
    kLabelBorderWidth = 11,
    kLabelBorderColour1 = 12,
    kLabelBorderColour2 = 13,
    kLabelBorderColour3 = 14,
    kLabelFont = 15,
    kLabelTextColour = 16,
    kLabelBackColour = 17,
    kLabelPicture = 18,
    kLabelPicturePlacement = 19,
    kLabelGradientMode = 20,
    kLabelGradientColour1 = 21,
    kLabelGradientColour2 = 22,
    kLabelGradientColour3 = 23,
    kLabelAlignment = 24,
    kLabelWordWrap = 25,
    kLabelVerticalAlignment = 26,
    kLabelDataSource = 27,
    kLabelDataColumn = 28,
    kLabelPropertyCount = 29,
};

// The push button (按钮).
enum ButtonProperty : i32 {
    kButtonPicture = 8,
    kButtonKind = 9,
    kButtonCaption = 10,
    kButtonAlignment = 11,
    kButtonVerticalAlignment = 12,
    kButtonFont = 13,
    kButtonPropertyCount = 14,
};

// The check box (选择框) and the radio button (单选框), which lacks the two
// data-binding names.
enum CheckProperty : i32 {
    kCheckPicture = 8,
    kCheckPushLike = 9,
    kCheckFlat = 10,
    kCheckCaption = 11,
    kCheckTextOnLeft = 12,
    kCheckAlignment = 13,
    kCheckVerticalAlignment = 14,
    kCheckTextColour = 15,
    kCheckBackColour = 16,
    kCheckFont = 17,
    kCheckTicked = 18,
    kCheckDataSource = 19,  // check box only
    kCheckDataColumn = 20,  // check box only
    kCheckBoxPropertyCount = 21,
    kRadioPropertyCount = 19,
};

// The drive box (驱动器框).
enum DriveBoxProperty : i32 {
    kDriveCurrent = 8,      // text: the drive letter; only its first character counts
    kDriveKinds = 9,        // choice: which kinds of drive are listed
    kDriveTextColour = 10,  // colour
    kDriveBackColour = 11,  // colour; kDefaultColour is the button face
    kDriveFont = 12,        // 60-byte logical font, empty: the platform's default
    kDrivePropertyCount = 13,
};

// The super button (超级按钮) of the interface extension library.
enum SuperButtonProperty : i32 {
    kSuperStyle = 8,                 // choice: 0 flat, 1 raised, 2 flat and rounded
    kSuperToggle = 9,                // logical: a click flips the checked state
    kSuperChecked = 10,              // logical
    kSuperAlignment = 11,            // choice 0 ... 3: picture and caption
    kSuperPressOffset = 12,          // choice: 0 right and down by 1, 1 down by 2
    kSuperBorder3d = 13,             // logical: flat styles draw a 3D border when lit
    kSuperFocusRectangle = 14,       // logical: flat styles draw the focus rectangle
    kSuperNormalPicture = 15,        // image data
    kSuperNormalTransparent = 16,    // colour; kDefaultColour: the top-left pixel's
    kSuperHoverPicture = 17,         // image data
    kSuperHoverTransparent = 18,     // colour
    kSuperDisabledPicture = 19,      // image data
    kSuperDisabledTransparent = 20,  // colour
    kSuperFont = 21,                 // 60-byte logical font, empty: the platform's default
    kSuperCaption = 22,              // text
    kSuperSystemColours = 23,        // logical: take the six colours from the system
    kSuperNormalText = 24,           // colour
    kSuperNormalBack = 25,           // colour; kDefaultColour: the button face
    kSuperHoverText = 26,            // colour
    kSuperHoverBack = 27,            // colour
    kSuperFocusText = 28,            // colour
    kSuperFocusBack = 29,            // colour
    kSuperBuiltinSound = 30,         // logical: the library's own click sound
    kSuperHoverSound = 31,           // wave data
    kSuperClickSound = 32,           // wave data
    kSuperTooltip = 33,              // text
    kSuperDefaultButton = 34,        // choice 0 ... 1
    kSuperPropertyCount = 35,
};

}  // namespace forms
