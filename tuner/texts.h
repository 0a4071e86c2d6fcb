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
extern const char kCleaning[];

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
extern const char kLeagueClientDir[];
// The client's launcher and its interface process, by program name.
extern const char kClientProgram[];
extern const char kClientUxProgram[];
extern const char kSystemYaml[];
extern const char kSystemYamlBackup[];
extern const char kDriveRootSuffix[];
extern const char kPowerDuplicate[];
extern const char kPowerActivate[];

// A client at the root of a drive: the steps that delete and rename below the install
// directory would work on the whole drive.
extern const char kDriveRootSkipped[];
// The same for a client in a folder the system and every user share.
extern const char kSharedFolderSkipped[];
// The change record: its actions and outcomes, its files below the user's local
// application data folder, the system menu item that shows it.
extern const char kRecordBackup[];
extern const char kRecordWrite[];
extern const char kRecordRename[];
extern const char kRecordDelete[];
extern const char kRecordRun[];
extern const char kRecordPermission[];
extern const char kRecordDone[];
extern const char kRecordFailed[];
extern const char kRecordFolder[];
extern const char kRecordName[];
extern const char kOldRecordName[];
extern const char kRecordMenuItem[];
extern const char kNoRecordYet[];
extern const char kNotepad[];

}  // namespace tuner
