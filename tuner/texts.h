// The tool's own texts: messages, titles, captions and paths, all in the program's
// constant data block.
#pragma once

namespace tuner {

// Prompt label captions.
extern const char kDrivePrompt[];
extern const char kSearching[];
extern const char kNotFound[];

// Message texts and titles.
extern const char kQuitWeGame[];
extern const char kSevereWarning[];
extern const char kNoDriveChosen[];
extern const char kFriendlyTip[];
extern const char kNoBackup[];
extern const char kWarning[];
extern const char kBadPattern[];
extern const char kFriendlyReminder[];
extern const char kReplaceFailed[];
extern const char kRestoreFailed[];

// Result label captions.
extern const char kOptimized[];
extern const char kCrossDone[];
extern const char kLogsCleared[];
extern const char kHomePageReplaced[];
extern const char kHomePageRestored[];

// Names and paths below the install directory (each starts with a backslash).
extern const char kWeGame[];
extern const char kGameConfigDir[];
extern const char kGameCfg[];
extern const char kGameCfgBackup[];
extern const char kGeneralSection[];
extern const char kDx11Key[];
extern const char kOn[];
extern const char kOff[];
extern const char kAdministrators[];
extern const char kCross[];
extern const char kCrossBackup[];
extern const char kCrossEnd[];
extern const char kLogPattern[];
extern const char kSystemYaml[];
extern const char kSystemYamlBackup[];
extern const char kDriveRootSuffix[];
extern const char kPowerDuplicate[];
extern const char kPowerActivate[];

// A client at the root of a drive: the steps that delete and rename below the install
// directory would work on the whole drive.
extern const char kDriveRootSkipped[];

}  // namespace tuner
