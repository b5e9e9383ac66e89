#pragma once
// Message boxes, the input box, the beep and the Tab keystroke, behind one interface: the
// program shows real dialogs, the tests answer from a script and see what was shown.
#include <QString>
#include <memory>
#include <optional>

namespace nencho {

enum class MessageIcon { None, Critical, Question, Exclamation, Information };
enum class MessageButtons { Ok, OkCancel };
enum class MessageAnswer { Ok, Cancel };

class DialogHost {
  public:
    virtual ~DialogHost() = default;
    virtual MessageAnswer messageBox(const QString& prompt, const QString& title, MessageIcon icon,
                                     MessageButtons buttons) = 0;
    // No value when the user cancels.
    virtual std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                            const QString& defaultText) = 0;
    virtual void beep() = 0;
    // Sends a Tab keystroke to the focused window, moving the focus to the next field.
    virtual void sendTab() = 0;
};

// The host every screen uses. The program installs the desktop one; tests install their own.
DialogHost& dialogs();
void setDialogHost(std::unique_ptr<DialogHost> host);

// Shorthands for the common cases.
void showMessage(const QString& prompt, const QString& title = {},
                 MessageIcon icon = MessageIcon::None);
bool confirm(const QString& prompt, const QString& title, MessageIcon icon = MessageIcon::None);

// The real Qt dialogs.
class DesktopDialogHost : public DialogHost {
  public:
    MessageAnswer messageBox(const QString& prompt, const QString& title, MessageIcon icon,
                             MessageButtons buttons) override;
    std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                    const QString& defaultText) override;
    void beep() override;
    void sendTab() override;
};

// Sends Tab to the application's focused widget (used by the desktop host and by test hosts).
void sendTabToFocusedWidget();

}  // namespace nencho
