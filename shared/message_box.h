#pragma once

#include <string>
#include <string_view>

enum class MessageIcon { None, Information };

// A window that shows modal message boxes over itself.
class MessageBoxOwner {
  public:
    // Returns when the box has been answered with its one button, OK.
    virtual void messageBox(std::string_view title, const std::string& text, MessageIcon icon) = 0;

  protected:
    ~MessageBoxOwner() = default;
};

// Every message the program shows: an OK button and the application's title, "Zeitfang".
inline void showMessage(MessageBoxOwner& owner, const std::string& text,
                        MessageIcon icon = MessageIcon::None) {
    owner.messageBox("Zeitfang", text, icon);
}
