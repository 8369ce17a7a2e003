#include "installer/ui/MessageTable.h"

#include <initializer_list>

namespace installer {
namespace {

// One message in its three languages.
struct MessageEntry {
  int number;
  const char* japanese;
  const char* english;
  const char* korean;
};

constexpr int kEnglishOffset = 100;
constexpr int kKoreanOffset = 500;

constexpr MessageEntry kMessages[] = {
    {101, "コメント", "Comment", "설명"},
    {102, "オプション:", "Option:", "옵션:"},
    {103, "インストール先:", "Install Directory:", "설치 폴더:"},
    {104, "インストールディスク:", "Install Disk:", "설치 디스크:"},
    {105, "[ 合計:%7.1f MB / 空き:%7.1f MB ]", "[ TOTAL:%7.1f MB / AVAIL:%7.1f MB ]",
     "[ 합계:%7.1f MB / 여유:%7.1f MB ]"},
    {106, "     [ ディスクの空き容量:%7.1f MB ]", "     [ Available Disk Space:%7.1f MB ]",
     "     [ 디스크 여유 공간:%7.1f MB ]"},
    {303, "BOK", "BOK", "B확인"},
    {304, "Bキャンセル", "BCancel", "B취소"},
    {305, "B中断", "BBreak", "B중단"},
    {306, "メッセージ", "Message", "메시지"},
    {307, "中止", "Abort", "중지"},
    {308, "B中止(&A)", "B&Abort", "B중지(&A)"},
    {309, "B再試行(&R)", "B&Retry", "B다시 시도(&R)"},
    {310, "B無視(&I)", "B&Ignore", "B무시(&I)"},
    {311, "Bはい(&Y)", "B&Yes", "B예(&Y)"},
    {312, "Bいいえ(&N)", "B&No", "B아니요(&N)"},
    {313, "BOK(&O)", "B&OK", "B확인(&O)"},
    {314, "Bキャンセル(&C)", "B&Cancel", "B취소(&C)"},
    {315, "Bすべて上書き(&L)", "B&Yes All", "B모두 예(&L)"},
    {316, "BOK(&O)", "B&OK", "B확인(&O)"},
    {317, "Bフォルダ", "BFolder", "B폴더"},
    {318, ">%s に失敗しました。\nERRCODE = %d", ">%s is Failed. \nERRCODE = %d", ">%s 실패했습니다. \nERRCODE = %d"},
    {1001,
     "中断したインストールは再開できません。\n後でインストールするときは最初からやり直してください。中止しますか?",
     "Aborted installation cannot be resumed.\nWhen you install later, you must start at the beginning. Abort?",
     "중단한 설치는 다시 시작할 수 없습니다.\n나중에 설치할 때는 처음부터 다시 해야 합니다. 중지하시겠습니까?"},
    {1002, "ディスク '%s' に交換して...\nEnterキーを押してください。",
     "Please change disk '%s' disk...\nand Press Enter.", "'%s' 디스크로 바꾸고...\nEnter 키를 누르십시오."},
    {1003, "ディスク 'system' に交換して...\nEnterキーを押してください。",
     "Please change disk 'system' disk...\nand Press Enter.", "'system' 디스크로 바꾸고...\nEnter 키를 누르십시오."},
    {1004, "'%s' を '%s' にコピー中...", "'%s' to '%s' copying...", "'%s'을(를) '%s'(으)로 복사 중..."},
    {1005, "ディレクトリ '%s' を作成します。", "Create '%s' Directory.", "'%s' 폴더를 만듭니다."},
    {1006, "ファイル '%s' を作成します。", "Create '%s' File.", "'%s' 파일을 만듭니다."},
    {1007, "ディレクトリ '%s' を作成できません。\nアクセスが拒否されたか、ディレクトリ名が無効です。",
     "Create '%s' Directory is Failed.\nAccess is denied or directory name is invalid.",
     "'%s' 폴더를 만들지 못했습니다.\n액세스가 거부되었거나 폴더 이름이 잘못되었습니다."},
    {1008, "プログラムマネージャにコマンドを送信中...", "Send Command to ProgramManager...",
     "프로그램 관리자에 명령을 보내는 중..."},
    {1009, "ファイルは既に存在します。(新しい日付)\nファイル '%s' を上書きしますか?",
     "The file already exists. (New Date)\nDo you want the '%s' file to overwrite?",
     "파일이 이미 있습니다. (새 날짜)\n'%s' 파일을 덮어쓰시겠습니까?"},
    {1010, "ファイルは既に存在します。(古い日付)\nファイル '%s' を上書きしますか?",
     "The file already exists. (Old Date)\nDo you want the '%s' file to overwrite?",
     "파일이 이미 있습니다. (이전 날짜)\n'%s' 파일을 덮어쓰시겠습니까?"},
    {1011, "ファイルは既に存在します。(同じ日付)\nファイル '%s' を上書きしますか?",
     "The file already exists. (Same Date)\nDo you want the '%s' file to overwrite?",
     "파일이 이미 있습니다. (같은 날짜)\n'%s' 파일을 덮어쓰시겠습니까?"},
    {1012, "ファイル '%s' が見つかりません。\nディスクを確認してEnterキーを押してください。",
     "Cannot find '%s' file.\nPlease check disk and Press Enter.",
     "'%s' 파일을 찾을 수 없습니다.\n디스크를 확인하고 Enter 키를 누르십시오."},
    {1013, "%sB のディスク容量が必要です。\n(空き容量=%sB)\nインストールしますか?",
     "%sB of disk space required.\n(Free Space=%sB)\nInstall?",
     "%sB의 디스크 공간이 필요합니다.\n(여유 공간=%sB)\n설치하시겠습니까?"},
    {1014, "%sB のディスク容量が必要です。\n(空き容量=%sB)\nインストールできません。",
     "%sB of disk space required.\n(Free Space=%sB)\nCan't install.",
     "%sB의 디스크 공간이 필요합니다.\n(여유 공간=%sB)\n설치할 수 없습니다."},
    {1015, "ソフトウェアを削除すると約 %sB の空きができます。\n(空き容量=%sB)\n削除しますか?",
     "Deleting the Software will free approximately %sB on disk.\n(Free Space=%sB)\nDelete?",
     "소프트웨어를 삭제하면 약 %sB의 공간이 확보됩니다.\n(여유 공간=%sB)\n삭제하시겠습니까?"},
    {1016, "ファイル '%s' の属性を設定します。", "'%s' file set attributes.", "'%s' 파일 속성을 설정합니다."},
    {1017, "> %s 実行中...", "> %s execute...", "> %s 실행 중..."},
    {1018, "'CONFIG.SYS' 編集中...", "'CONFIG.SYS' editing...", "'CONFIG.SYS' 편집 중..."},
    {1019, "'AUTOEXEC.BAT' 編集中...", "'AUTOEXEC.BAT' editing...", "'AUTOEXEC.BAT' 편집 중..."},
    {1020, "'WIN.INI' 編集中...", "'WIN.INI' editing...", "'WIN.INI' 편집 중..."},
    {1021, "'SYSTEM.INI' 編集中...", "'SYSTEM.INI' editing...", "'SYSTEM.INI' 편집 중..."},
    {1022, "ディレクトリ '%s' を削除します。", "Remove '%s' directory.", "'%s' 폴더를 삭제합니다."},
    {1023, "ファイル '%s' を削除します。", "Remove '%s' file.", "'%s' 파일을 삭제합니다."},
    {1024, "'CONFIG.SYS' 編集中...", "'CONFIG.SYS' editing...", "'CONFIG.SYS' 편집 중..."},
    {1025, "'AUTOEXEC.BAT' 編集中...", "'AUTOEXEC.BAT' editing...", "'AUTOEXEC.BAT' 편집 중..."},
    {1026, "'WIN.INI' 編集中...", "'WIN.INI' editing...", "'WIN.INI' 편집 중..."},
    {1027, "'SYSTEM.INI' 編集中...", "'SYSTEM.INI' editing...", "'SYSTEM.INI' 편집 중..."},
    {1028, "Windowsのファイルが変更されました。\nWindowsを再起動する必要があります。",
     "Windows files was changed.\nIt is necessary to restart the windows.",
     "Windows 파일이 변경되었습니다.\nWindows를 다시 시작해야 합니다."},
    {1029, "システムファイルが変更されました。\nコンピュータを再起動する必要があります。",
     "System files was changed.\nIt is necessary to restart the computer.",
     "시스템 파일이 변경되었습니다.\n컴퓨터를 다시 시작해야 합니다."},
    {1031, "ファイル '%s' が見つかりません。\n'%s' を参照してください。",
     "Cannot find '%s' file.\nPlease refer to '%s' document.",
     "'%s' 파일을 찾을 수 없습니다.\n'%s' 문서를 참조하십시오."},
    {1032, "ファイル '%s' が見つかりません。\n添付の説明書を参照してください。",
     "Cannot find '%s' file.\nPlease refer to attached document.",
     "'%s' 파일을 찾을 수 없습니다.\n첨부된 문서를 참조하십시오."},
    {1033, "ディレクトリ名が無効か、ディレクトリ '%s' がありません。\nディスクを確認してください。",
     "Directory name is invalid or '%s' directory not exists.\nPlease check Disk.",
     "폴더 이름이 잘못되었거나 '%s' 폴더가 없습니다.\n디스크를 확인하십시오."},
    {1034, "レジストリキー %s\\%s を開きます。", "%s\\%s registry key open.", "레지스트리 키 %s\\%s을(를) 엽니다."},
    {1035, "レジストリキーを閉じます。", "registry key close.", "레지스트리 키를 닫습니다."},
    {1036, "レジストリキー %s\\%s を削除します。", "%s\\%s registry key delete.",
     "레지스트리 키 %s\\%s을(를) 삭제합니다."},
    {1037, "レジストリ値 %s (REZ_DWORD) を設定します。", "%s registry key(REZ_DWORD) set value.",
     "레지스트리 값 %s(REZ_DWORD)을(를) 설정합니다."},
    {1038, "レジストリ値 %s (REG_SZ) を設定します。", "%s registry key(REG_SZ) set value.",
     "레지스트리 값 %s(REG_SZ)을(를) 설정합니다."},
    {1039, "'%s' を '%s' に移動中...", "'%s' to '%s' moveing...", "'%s'을(를) '%s'(으)로 이동 중..."},
    {1040, "インストールが完了しました。\nコンピュータを再起動する必要はありません。",
     "Installation was successful.\nIt is not necessary to restart the computer.",
     "설치가 완료되었습니다.\n컴퓨터를 다시 시작할 필요가 없습니다."},
    {1041, "アンインストールが完了しました。", "Uninstall completed.", "제거가 완료되었습니다."},
    {1042, "検索中です。", "Under reference.", "검색 중입니다."},
};

const MessageEntry* entryOf(int baseNumber) {
  for (const MessageEntry& entry : kMessages) {
    if (entry.number == baseNumber) return &entry;
  }
  return nullptr;
}

}  // namespace

int languageOffset(LanguageId language) {
  switch (language) {
    case LanguageId::ENGLISH:
      return kEnglishOffset;
    case LanguageId::KOREAN:
      return kKoreanOffset;
    case LanguageId::JAPANESE:
      break;
  }
  return 0;
}

int baseMessageNumber(int number) {
  for (int offset : {0, kEnglishOffset, kKoreanOffset}) {
    if (entryOf(number - offset) != nullptr) return number - offset;
  }
  return number;
}

std::string_view messageByNumber(int number) {
  for (const MessageEntry& entry : kMessages) {
    if (entry.number == number) return entry.japanese;
    if (entry.number + kEnglishOffset == number) return entry.english;
    if (entry.number + kKoreanOffset == number) return entry.korean;
  }
  return {};
}

std::string_view message(int number, LanguageId language) { return messageByNumber(number + languageOffset(language)); }

std::string formatMessage(std::string_view format, std::initializer_list<std::string_view> texts) {
  std::string out;
  const std::string_view* next = texts.begin();
  for (size_t index = 0; index < format.size(); ++index) {
    char c = format[index];
    if (c == '%' && index + 1 < format.size() && (format[index + 1] == 's' || format[index + 1] == 'd')) {
      if (next != texts.end()) out += *next++;
      ++index;
      continue;
    }
    out += c;
  }
  return out;
}

}  // namespace installer
