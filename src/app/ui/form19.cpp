#include "app/ui/form19.h"

#include <QLabel>

namespace nencho {

Form19::Form19() : Screen("Form19") {
    setWindowTitle("プリンターの変更");
    setDesignSize(6000, 4200);
    addLabel("Label1", "プリンタ：", 240, 240, 1200, 300);
    addList("List1", 240, 600, 5400, 1800);
    addButton("Command1", "設  定", 240, 2520, 1800, 420);
    addButton("Command2", "閉じる", 3840, 2520, 1800, 420, [this] { hide(); });
    addLabel("Label2", "（注意事項）　　ここで変更したプリンターはパソコンの標準設定をも変更してしまいます。",
             240, 3060, 5400, 720)
        ->setWordWrap(true);
}

}  // namespace nencho
