#include "tuner/texts.h"

#include "logic/constants.h"

namespace tuner {

TRIVANE_CONSTANT const char kDrivePrompt[] = "友情提示：请选择驱动器，再进行操作";
TRIVANE_CONSTANT const char kSearching[] = "正在寻找LOL安装目录，请稍后...";
TRIVANE_CONSTANT const char kNotFound[] = "未找到LOL安装目录，请重新选择驱动器";

TRIVANE_CONSTANT const char kQuitWeGame[] = "拜托先退出WeGame再操作";
TRIVANE_CONSTANT const char kSevereWarning[] = "严重警告";
TRIVANE_CONSTANT const char kNoDriveChosen[] = "你还未选择LOL所在盘符，请返回操作";
TRIVANE_CONSTANT const char kFriendlyTip[] = "友情提示：";
TRIVANE_CONSTANT const char kNoBackup[] = "未找到备份文件";
TRIVANE_CONSTANT const char kWarning[] = "警告";
TRIVANE_CONSTANT const char kBadPattern[] = "扩展名有错,请返回检查,格式请看参数说明";
TRIVANE_CONSTANT const char kFriendlyReminder[] = "友情提醒";
TRIVANE_CONSTANT const char kReplaceFailed[] = "主页替换失败";
TRIVANE_CONSTANT const char kRestoreFailed[] = "主页恢复失败";
TRIVANE_CONSTANT const char kCleaning[] = "正在清理，请稍后...";

TRIVANE_CONSTANT const char kOptimized[] = "此次优化已成功，感谢你的使用！";
TRIVANE_CONSTANT const char kCrossDone[] = "优化已成功，感谢你的使用！";
TRIVANE_CONSTANT const char kLogsCleared[] = "Log日志文件已清除，感谢你的使用！";
TRIVANE_CONSTANT const char kHomePageReplaced[] = "主页已替换成功，感谢你的使用！";
TRIVANE_CONSTANT const char kHomePageRestored[] = "主页已恢复成功，感谢你的使用！";

TRIVANE_CONSTANT const char kWeGame[] = "wegame.exe";
TRIVANE_CONSTANT const char kGameConfigDir[] = "\\Game\\Config";
TRIVANE_CONSTANT const char kGameCfg[] = "\\Game\\Config\\game.cfg";
TRIVANE_CONSTANT const char kGameCfgBackup[] = "\\Game\\Config\\game.cfg.bak";
TRIVANE_CONSTANT const char kGeneralSection[] = "General";
TRIVANE_CONSTANT const char kDx11Key[] = "DX11BetaTest";
TRIVANE_CONSTANT const char kOn[] = "1";
TRIVANE_CONSTANT const char kOff[] = "0";
TRIVANE_CONSTANT const char kAdministrators[] = "Administrators";
TRIVANE_CONSTANT const char kCross[] = "\\Cross";
TRIVANE_CONSTANT const char kCrossBackup[] = "\\Crossbak";
TRIVANE_CONSTANT const char kCrossEnd[] = "\\Crossend";
TRIVANE_CONSTANT const char kLogPattern[] = "*.log";
TRIVANE_CONSTANT const char kLeagueClientDir[] = "\\LeagueClient";
TRIVANE_CONSTANT const char kClientProgram[] = "LeagueClient.exe";
TRIVANE_CONSTANT const char kClientUxProgram[] = "LeagueClientUx.exe";
TRIVANE_CONSTANT const char kSystemYaml[] = "\\LeagueClient\\system.yaml";
TRIVANE_CONSTANT const char kSystemYamlBackup[] = "\\LeagueClient\\system.yaml.bak";
TRIVANE_CONSTANT const char kDriveRootSuffix[] = ":\\";
// What follows the quoted full path of powercfg.
TRIVANE_CONSTANT const char kPowerDuplicate[] =
    " -duplicatescheme e9a42b02-d5df-448d-aa00-03f14749eb61 613253b4-34dc-4c3f-9d78-1e4ffa5e82e1";
TRIVANE_CONSTANT const char kPowerActivate[] = " /S 613253b4-34dc-4c3f-9d78-1e4ffa5e82e1";

TRIVANE_CONSTANT const char kDriveRootSkipped[] = "LOL安装在驱动器根目录下，为安全起见已跳过此步骤";
TRIVANE_CONSTANT const char kSharedFolderSkipped[] = "LOL安装在系统共用文件夹中，为安全起见已跳过此步骤";

TRIVANE_CONSTANT const char kRecordBackup[] = "备份";
TRIVANE_CONSTANT const char kRecordWrite[] = "写入";
TRIVANE_CONSTANT const char kRecordRename[] = "重命名";
TRIVANE_CONSTANT const char kRecordDelete[] = "删除";
TRIVANE_CONSTANT const char kRecordRun[] = "运行";
TRIVANE_CONSTANT const char kRecordPermission[] = "权限";
TRIVANE_CONSTANT const char kRecordDone[] = "成功";
TRIVANE_CONSTANT const char kRecordFailed[] = "失败";
TRIVANE_CONSTANT const char kRecordFolder[] = "\\Trivane";
TRIVANE_CONSTANT const char kRecordName[] = "\\changes.log";
TRIVANE_CONSTANT const char kOldRecordName[] = "\\changes.old.log";
TRIVANE_CONSTANT const char kRecordMenuItem[] = "查看更改记录";
TRIVANE_CONSTANT const char kNoRecordYet[] = "暂无更改记录";
TRIVANE_CONSTANT const char kNotepad[] = "\\notepad.exe";

}  // namespace tuner
